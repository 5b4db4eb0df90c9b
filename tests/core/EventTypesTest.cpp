#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/Event.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Camera.h"
#include "core/Event_ConfigChange.h"
#include "core/Event_Effect.h"
#include "core/Event_EnterLeave.h"
#include "core/Event_InputController.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_MenuChoice.h"
#include "core/Event_MenuItem.h"
#include "core/Event_MenuPage.h"
#include "core/Event_Mouse.h"
#include "core/Event_Move.h"
#include "core/Event_Scissor.h"
#include "core/Event_Score.h"
#include "core/Event_Screen.h"
#include "core/Event_SetMouse.h"
#include "core/Event_Sound.h"
#include "core/Event_Update.h"
#include "core/Event_View.h"
#include "core/Event_Viewport.h"

namespace {

using MathStuff::Vector3;

bool same(const Vector3<float>& a, const Vector3<float>& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// One event of a class and the comparison of its payload with a clone's.
struct CloneCase {
    std::shared_ptr<EVT::I_Event> event;
    std::function<bool(const EVT::I_Event&, const EVT::I_Event&)> samePayload;
};

template <typename E, typename Compare>
CloneCase make(E* event, Compare compare) {
    return {std::shared_ptr<EVT::I_Event>(event), [compare](const EVT::I_Event& x, const EVT::I_Event& y) {
                return compare(dynamic_cast<const E&>(x), dynamic_cast<const E&>(y));
            }};
}

TEST(EventTypes, CloneCopiesClassIdAndPayload) {
    Menu::MenuPage* page = reinterpret_cast<Menu::MenuPage*>(0x10);
    Menu::MenuItem* item = reinterpret_cast<Menu::MenuItem*>(0x20);
    Menu::MenuItem* previous = reinterpret_cast<Menu::MenuItem*>(0x30);
    MathStuff::Orientation<float> camera(Vector3<float>(1, 2, 3), Vector3<float>(0, 0, 1),
                                         Vector3<float>(0, 1, 0), Vector3<float>(2, 2, 2));
    Render::ViewData view{1.0f, 500.0f, 33.0f, 4, 5, 640, 480, 1.5f, 2.5f, 1};

    const std::vector<CloneCase> cases = {
        make(new EVT::Event(EVT::EVENT_QUIT), [](const EVT::Event&, const EVT::Event&) { return true; }),
        make(new EVT::EventWithString(37, "LOCKED"),
             [](const EVT::EventWithString& x, const EVT::EventWithString& y) { return x.getString() == y.getString(); }),
        make(new EVT::Event_Sound(EVT::EVENT_SOUND, "hit", true, 80, 120),
             [](const EVT::Event_Sound& x, const EVT::Event_Sound& y) {
                 return x.getString() == y.getString() && x.play == y.play && x.volume == y.volume && x.pitch == y.pitch;
             }),
        make(new EVT::Event_Update(EVT::EVENT_UPDATE, 16),
             [](const EVT::Event_Update& x, const EVT::Event_Update& y) { return x.ms == y.ms; }),
        make(new EVT::Event_Camera(EVT::EVENT_CAMERA, camera),
             [](const EVT::Event_Camera& x, const EVT::Event_Camera& y) {
                 return same(x.position, y.position) && same(x.direction, y.direction) && same(x.up, y.up) &&
                        same(x.scale, y.scale) && same(y.getOrientation().position, Vector3<float>(1, 2, 3));
             }),
        make(new EVT::Event_View(EVT::EVENT_VIEW, EVT::Event_View::PERSPECTIVE, view),
             [](const EVT::Event_View& x, const EVT::Event_View& y) {
                 const Render::ViewData &a = x.view, &b = y.view;
                 return x.mode == y.mode && a.near == b.near && a.far == b.far && a.fov == b.fov && a.x == b.x &&
                        a.y == b.y && a.w == b.w && a.h == b.h && a.zoomX == b.zoomX && a.zoomY == b.zoomY &&
                        a.vsync == b.vsync;
             }),
        make(new EVT::Event_SetMouse(EVT::EVENT_SETMOUSE, 320, -1, EVT::Event_SetMouse::CURSOR_HIDE),
             [](const EVT::Event_SetMouse& x, const EVT::Event_SetMouse& y) {
                 return x.getWarpX() == y.getWarpX() && x.getWarpY() == y.getWarpY() &&
                        x.getCursorMode() == y.getCursorMode();
             }),
        make(new EVT::Event_Screen(EVT::EVENT_SCREEN, 800, 600),
             [](const EVT::Event_Screen& x, const EVT::Event_Screen& y) {
                 return x.width == y.width && x.height == y.height;
             }),
        make(new EVT::Event_Viewport(EVT::EVENT_VIEWPORT, 1, 2, 3, 4),
             [](const EVT::Event_Viewport& x, const EVT::Event_Viewport& y) {
                 return x.x == y.x && x.y == y.y && x.width == y.width && x.height == y.height;
             }),
        make(new EVT::Event_Scissor(EVT::EVENT_SCISSOR, true, 5, 6, 7, 8),
             [](const EVT::Event_Scissor& x, const EVT::Event_Scissor& y) {
                 return x.enable == y.enable && x.x == y.x && x.y == y.y && x.width == y.width && x.height == y.height;
             }),
        make(new EVT::Event_Mouse(EVT::EVENT_MOUSE, 10, 20, 4, true),
             [](const EVT::Event_Mouse& x, const EVT::Event_Mouse& y) {
                 return x.x == y.x && x.y == y.y && x.button == y.button && x.pressed == y.pressed;
             }),
        make(new EVT::Event_EnterLeave(EVT::EVENT_ENTERLEAVE, true),
             [](const EVT::Event_EnterLeave& x, const EVT::Event_EnterLeave& y) { return x.active == y.active; }),
        make(new EVT::Event_Key(EVT::EVENT_KEY, 'q', true, 5u),
             [](const EVT::Event_Key& x, const EVT::Event_Key& y) {
                 return x.key == y.key && x.pressed == y.pressed && x.modifiers == y.modifiers;
             }),
        make(new EVT::Event_Joypad(EVT::EVENT_JOYPAD, 3, -1, 1, true, false, true, false),
             [](const EVT::Event_Joypad& x, const EVT::Event_Joypad& y) {
                 return x.number == y.number && x.x == y.x && x.y == y.y && x.buttons[0] == y.buttons[0] &&
                        x.buttons[1] == y.buttons[1] && x.buttons[2] == y.buttons[2] && x.buttons[3] == y.buttons[3];
             }),
        make(new EVT::Event_ConfigChange(EVT::EVENT_CONFIGCHANGE, 21),
             [](const EVT::Event_ConfigChange& x, const EVT::Event_ConfigChange& y) { return x.key == y.key; }),
        make(new EVT::Event_Move(EVT::EVENT_MOVE, 77ul, 26, 12.5f),
             [](const EVT::Event_Move& x, const EVT::Event_Move& y) {
                 return x.itemID == y.itemID && x.move == y.move && x.value == y.value;
             }),
        make(new EVT::Event_MenuPage(EVT::EVENT_MENUPAGE, page, page, 7ul),
             [](const EVT::Event_MenuPage& x, const EVT::Event_MenuPage& y) {
                 return x.page == y.page && x.otherPage == y.otherPage && x.pageID == y.pageID;
             }),
        make(new EVT::Event_MenuItem(EVT::EVENT_MENUITEM, item, previous, 9ul, 8ul),
             [](const EVT::Event_MenuItem& x, const EVT::Event_MenuItem& y) {
                 return x.newItem == y.newItem && x.oldItem == y.oldItem && x.newID == y.newID && x.oldID == y.oldID;
             }),
        make(new EVT::Event_MenuChoice(EVT::EVENT_MENUCHOICE, item, 9ul),
             [](const EVT::Event_MenuChoice& x, const EVT::Event_MenuChoice& y) {
                 return x.item == y.item && x.itemID == y.itemID;
             }),
        make(new EVT::Event_Effect(EVT::EVENT_EFFECT, 20, 90, 1, 2, 3, 4, 1.f, 2.f, 3.f, 1, -1.f, 2.f, 1),
             [](const EVT::Event_Effect& x, const EVT::Event_Effect& y) {
                 return x.fogStart == y.fogStart && x.fogEnd == y.fogEnd && x.red == y.red && x.green == y.green &&
                        x.blue == y.blue && x.alpha == y.alpha && x.scaleX == y.scaleX && x.scaleY == y.scaleY &&
                        x.scaleZ == y.scaleZ && x.depthTest == y.depthTest && x.maxLineWidth == y.maxLineWidth &&
                        x.lineWidth == y.lineWidth && x.lineSmooth == y.lineSmooth;
             }),
        make(new EVT::Event_Score(EVT::EVENT_SCORE, 250),
             [](const EVT::Event_Score& x, const EVT::Event_Score& y) { return x.points == y.points; }),
        make(new EVT::Event_InputController(EVT::EVENT_INPUTCONTROLLER, 2, true),
             [](const EVT::Event_InputController& x, const EVT::Event_InputController& y) {
                 return x.controllerID == y.controllerID && x.active == y.active;
             }),
    };
    for (const CloneCase& c : cases) {
        std::unique_ptr<EVT::I_Event> copy(c.event->clone());
        const EVT::I_Event& original = *c.event;
        ASSERT_EQ(typeid(*copy), typeid(original)) << typeid(original).name();
        EXPECT_NE(copy.get(), c.event.get());
        EXPECT_EQ(copy->getEventID(), c.event->getEventID());
        EXPECT_TRUE(c.samePayload(*c.event, *copy)) << typeid(original).name();
    }
}

TEST(EventTypes, SoundIsReadableAsAStringEventAndOutlivesItsClone) {
    EVT::Event_Sound sound(EVT::EVENT_SOUND, "a name long enough to live on the heap", false, 0, 0);
    delete sound.clone();
    const EVT::EventWithString* asString = EVT::eventCast<EVT::EventWithString>(&sound);
    ASSERT_NE(asString, nullptr);
    EXPECT_EQ(asString->getString(), "a name long enough to live on the heap");
}

// Action numbers share the id space: an action raised with a typed event's
// id arrives as a string event, which the checked cast refuses.
TEST(EventTypes, CheckedCastRefusesAnEventOfAnotherClass) {
    EVT::EventWithString action(EVT::EVENT_KEY, "SELECT");
    EXPECT_EQ(EVT::eventCast<EVT::Event_Key>(&action), nullptr);
    EVT::Event_Key key(EVT::EVENT_KEY, 'a', true, 0);
    EXPECT_EQ(EVT::eventCast<EVT::Event_Key>(&key), &key);
}

} // namespace
