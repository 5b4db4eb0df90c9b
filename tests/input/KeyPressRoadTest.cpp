// One key press in the menus, from the key event to the action event, through the
// standard menu profile the game ships.
#include "EventRecorder.h"
#include "FakeAreaRenderer.h"
#include "SendEvents.h"
#include "input/CreateSicFiles.h"
#include "input/InputController.h"
#include "input/Keyboard.h"

#include <gtest/gtest.h>

TEST(KeyPress, SpaceInTheStandardMenuRaisesSelectQueuedAfterTheNextUpdate)
{
    Devices::Keyboard keyboard;
    FakeAreaRenderer renderer;
    Input::InputController menus(1, &renderer);
    KWEP::CreateSicFiles::deser(menus, FRELMORY_SOURCE_DIR "/data/Config/Input/KWEP_MENUS_STANDARD.sic");
    ASSERT_NE(nullptr, menus.getSwitch(1));
    menus.setActive(true);

    // Subscribed after the controller: a queued action arrives after the update itself.
    EventRecorder recorder{EVT::EVENT_UPDATE, EVT::EVENT_MENU_DOWN, EVT::EVENT_MENU_UP,
                           EVT::EVENT_MENU_SELECT};
    send::key(Devices::Keyboard::KEY_SPACE, true);
    EXPECT_TRUE(keyboard.isKeyDown(Devices::Keyboard::KEY_SPACE));
    EXPECT_EQ("", recorder.take());   // the press only arms the switch

    send::update(16);
    EXPECT_EQ("#8 27", recorder.take());   // "27": an event with a text, empty here
    send::update(16);
    EXPECT_EQ("#8", recorder.take());      // no repeat while the key stays down
}
