#include "EventRecorder.h"
#include "FakeAreaRenderer.h"
#include "SendEvents.h"
#include "core/Event_InputController.h"
#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"

#include <gtest/gtest.h>

using Input::ActionId;
using Input::InputController;
using Input::TriggerId;

namespace
{
    const unsigned char SPACE = 32;

    // A controller over a 200 x 100 pixel screen, built through its own operations.
    struct Profile
    {
        explicit Profile(int id = 1) : controller(id, &renderer) {}

        unsigned long area(const std::string& name, float left = 0, float top = 0, float width = 100,
                           float height = 100)
        {
            const unsigned long id = controller.newArea(0u);
            Input::ScreenArea* a = controller.getArea(static_cast<unsigned int>(id));
            a->setName(name);
            a->setPercentOffsetFromLeft(left);
            a->setPercentOffsetFromTop(top);
            a->setPercentWidth(width);
            a->setPercentHeight(height);
            return id;
        }

        Input::Switch* sw(unsigned long areaId, const TriggerId& trigger, const ActionId& press,
                          const ActionId& release = ActionId())
        {
            Input::Switch* s = controller.getSwitch(controller.newSwitch(0u));
            s->setTriggerAreaId(areaId);
            s->setTriggerId(trigger);
            s->setPressActionId(press);
            s->setReleaseActionId(release);
            return s;
        }

        FakeAreaRenderer renderer{200, 100};
        InputController controller;
    };

    TriggerId spaceKey()
    {
        return TriggerId(static_cast<unsigned char>(SPACE));
    }

    void tap(unsigned char code)
    {
        send::key(code, true);
        send::update();
        send::key(code, false);
        send::update();
    }
}

TEST(InputController, InactiveControllerIsSilentUntilSwitchedOn)
{
    Profile p;
    p.sw(p.area("ANYWHERE"), spaceKey(), ActionId(24, ""), ActionId(26, ""));
    EventRecorder recorder{24, 26};
    EXPECT_FALSE(p.controller.isActive());
    send::key(SPACE, true);
    send::mouse(10, 10, 1, true);
    send::joypad(0, 1, 1, true);
    send::update(100);
    send::key(SPACE, false);
    send::update(100);
    EXPECT_EQ("", recorder.take());

    p.controller.setActive(true);
    EXPECT_TRUE(p.controller.isActive());
    tap(SPACE);
    EXPECT_EQ("24 26", recorder.take());
}

TEST(InputController, ActionsArriveQueuedAfterTheCausingDeliveryInSwitchOrder)
{
    Profile p;
    const unsigned long anywhere = p.area("ANYWHERE");
    p.sw(anywhere, spaceKey(), ActionId(24, "A"));
    p.sw(anywhere, spaceKey(), ActionId(25, ""));
    p.controller.setActive(true);
    EventRecorder recorder{EVT::EVENT_UPDATE, 24, 25};   // listed after the controller
    send::key(SPACE, true);
    send::update();
    EXPECT_EQ("#8 24:A 25", recorder.take());
}

TEST(InputController, SwitchingOnDiscardsEnterActions)
{
    Profile p;
    p.sw(p.area("ANYWHERE"), TriggerId(TriggerId::ENTERLEAVE), ActionId(5, ""), ActionId(6, ""));
    EventRecorder recorder{5, 6};
    p.controller.setActive(true);
    send::update();
    EXPECT_EQ("", recorder.take());
    send::text(EVT::EVENT_GOTO_AREA, "ANYWHERE");   // left and entered again
    EXPECT_EQ("6 5", recorder.take());
}

TEST(InputController, FirstKeyReleaseAfterSwitchingIsIgnored)
{
    Profile p;
    p.sw(p.area("ANYWHERE"), spaceKey(), ActionId(37, "FREE"), ActionId(38, ""));
    EventRecorder recorder{37, 38};
    p.controller.setActive(true);
    send::key(SPACE, false);
    send::update();
    EXPECT_EQ("", recorder.take());
    tap(SPACE);
    EXPECT_EQ("37:FREE 38", recorder.take());

    send::key(SPACE, true);
    send::update();
    p.controller.setActive(true);   // same state: the area stays, releases are ignored again
    send::key(SPACE, false);
    send::update();
    EXPECT_EQ("37:FREE", recorder.take());
}

TEST(InputController, PressArrivingWithAMoveIntoAnotherAreaOnlyChangesTheArea)
{
    Profile p;
    p.area("LEFT", 0, 0, 50, 100);
    const unsigned long right = p.area("RIGHT", 50, 0, 50, 100);
    p.sw(right, TriggerId(Devices::Mouse::MB_LEFT), ActionId(37, ""), ActionId(38, ""));
    EventRecorder recorder{37, 38};
    p.controller.setActive(true);   // no "ANYWHERE": no current area yet

    send::mouse(10, 10);
    send::mouse(150, 10, 1, true);
    send::update();
    EXPECT_EQ("", recorder.take());
    send::mouse(150, 10, 1, true);
    send::update();
    send::mouse(160, 10, 1, false);
    send::update();
    EXPECT_EQ("37 38", recorder.take());
}

TEST(InputController, IgnoringTheMouseStopsPointerAreaChanges)
{
    Profile p;
    const unsigned long anywhere = p.area("ANYWHERE", 0, 0, 50, 100);
    p.area("RIGHT", 50, 0, 50, 100);
    p.sw(anywhere, spaceKey(), ActionId(24, ""));
    p.controller.setActive(true);
    p.controller.setIgnoreTriggerType(TriggerId::MOUSE);
    EventRecorder recorder{24};
    send::mouse(150, 10);
    tap(SPACE);
    EXPECT_EQ("24", recorder.take());
}

TEST(InputController, JoypadButtonHeldOnOneOfTwoJoysticksPressesOnce)
{
    Profile p;
    p.sw(p.area("ANYWHERE"), TriggerId(TriggerId::JPAD_BUTTON1, 0, 0), ActionId(10, ""), ActionId(11, ""));
    EventRecorder recorder{10, 11};
    p.controller.setActive(true);
    for (int frame = 0; frame < 4; ++frame)
    {
        send::joypad(0, 0, 0, true);
        send::joypad(1, 0, 0, false);
        send::update(16);
    }
    send::joypad(0, 0, 0, false);
    send::update(16);
    EXPECT_EQ("10 11", recorder.take());
}

TEST(InputController, GoToAreaEventsFallBackToAnywhere)
{
    Profile p;
    const unsigned long anywhere = p.area("ANYWHERE");
    const unsigned long other = p.area("OTHER");
    p.sw(anywhere, spaceKey(), ActionId(EVT::EVENT_GOTO_AREA, "OTHER"));
    p.sw(other, spaceKey(), ActionId(25, ""));
    EventRecorder recorder{25};
    p.controller.setActive(true);

    tap(SPACE);   // action 33 "OTHER" comes back to the controller
    tap(SPACE);
    EXPECT_EQ("25", recorder.take());

    send::text(EVT::EVENT_GOTO_AREA, "MISSING");   // back to "ANYWHERE"
    tap(SPACE);
    tap(SPACE);
    EXPECT_EQ("25", recorder.take());

    ASSERT_TRUE(p.controller.deleteArea(static_cast<unsigned int>(anywhere)));
    send::text(EVT::EVENT_GOTO_AREA, "MISSING");   // no "ANYWHERE" either: no current area
    tap(SPACE);
    EXPECT_EQ("", recorder.take());
}

TEST(InputController, SwitchEventOnlyForItsOwnIdAndRaisesNothingPending)
{
    Profile p(7);
    p.sw(p.area("ANYWHERE"), TriggerId(TriggerId::DWELL), ActionId(24, ""));
    p.controller.getSwitch(1)->setTriggerId([] {
        TriggerId dwell(TriggerId::DWELL);
        dwell.setTimes(-1, 0, 0, 0);
        return dwell;
    }());
    EventRecorder recorder{24};
    send::event(EVT::Event_InputController(EVT::EVENT_INPUTCONTROLLER, 8, true));
    EXPECT_FALSE(p.controller.isActive());
    send::event(EVT::Event_InputController(EVT::EVENT_INPUTCONTROLLER, 7, true));
    EXPECT_TRUE(p.controller.isActive());
    EXPECT_EQ("", recorder.take());
    send::update(0);
    EXPECT_EQ("24", recorder.take());
    send::event(EVT::Event_InputController(EVT::EVENT_INPUTCONTROLLER, 7, false));
    EXPECT_FALSE(p.controller.isActive());
}

TEST(InputController, ActionsNumberedLikeDeviceEventsAreIgnored)
{
    Profile p;
    const unsigned long anywhere = p.area("ANYWHERE");
    const int deviceIds[] = {EVT::EVENT_UPDATE, EVT::EVENT_RENDER, EVT::EVENT_MOUSE, EVT::EVENT_KEY,
                             EVT::EVENT_JOYPAD, EVT::EVENT_INPUTCONTROLLER};
    for (int id : deviceIds)
        p.sw(anywhere, spaceKey(), ActionId(id, "x"));
    p.sw(anywhere, spaceKey(), ActionId(24, ""));
    EventRecorder recorder{24};
    p.controller.setActive(true);
    send::event(EVT::Event(EVT::EVENT_GOTO_AREA));   // a go-to without a name
    tap(SPACE);
    EXPECT_EQ("24", recorder.take());
    EXPECT_TRUE(p.controller.isActive());
}

TEST(InputController, DeletingTheCurrentAreaForgetsItWithoutLeaveActions)
{
    Profile p;
    const unsigned long anywhere = p.area("ANYWHERE");
    p.sw(anywhere, TriggerId(TriggerId::ENTERLEAVE), ActionId(5, ""), ActionId(6, ""));
    p.sw(anywhere, spaceKey(), ActionId(24, ""));
    EventRecorder recorder{5, 6, 24};
    p.controller.setActive(true);
    EXPECT_TRUE(p.controller.deleteArea(static_cast<unsigned int>(anywhere)));
    EXPECT_FALSE(p.controller.deleteArea(static_cast<unsigned int>(anywhere)));
    tap(SPACE);
    send::event(EVT::Event(EVT::EVENT_RENDER));
    send::mouse(10, 10);
    p.controller.setActive(false);
    EXPECT_EQ("", recorder.take());
    EXPECT_EQ("start stop", p.renderer.calls);
}
