#include "EventRecorder.h"
#include "SendEvents.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "input/Screen.h"

#include <gtest/gtest.h>

using Devices::Keyboard;
using Devices::Mouse;

namespace
{
    using send::key;
    using send::mouse;
    using send::screen;

    // Bindings raise events 101 to 106 (press and release of 'a', then of the
    // pseudo-keys SHIFT and ALT).
    struct BoundKeyboard
    {
        BoundKeyboard()
        {
            keyboard.addKeyPressEvent(Keyboard::KeyCode('a'), EVT::Event(101));
            keyboard.addKeyReleaseEvent(Keyboard::KeyCode('a'), EVT::Event(102));
            keyboard.addKeyPressEvent(Keyboard::KEY_SHIFT, EVT::Event(103));
            keyboard.addKeyReleaseEvent(Keyboard::KEY_SHIFT, EVT::Event(104));
            keyboard.addKeyPressEvent(Keyboard::KEY_ALT, EVT::Event(105));
            keyboard.addKeyReleaseEvent(Keyboard::KEY_ALT, EVT::Event(106));
        }

        Keyboard keyboard;
        EventRecorder recorder{101, 102, 103, 104, 105, 106};
    };
}

TEST(Keyboard, RaisesBindingsOnlyOnEdgesWithModifiersAfterTheKey)
{
    BoundKeyboard k;
    key('a', true);
    key('a', true);   // auto-repeat
    EXPECT_EQ("#101", k.recorder.take());
    key('b', false);  // not down
    key('a', false);
    key('a', false);
    EXPECT_EQ("#102", k.recorder.take());

    key('a', true, 1);
    EXPECT_TRUE(k.keyboard.isKeyDown(Keyboard::KEY_SHIFT));
    EXPECT_EQ("#101 #103", k.recorder.take());
    key('a', false, 0);
    EXPECT_EQ("#102 #104", k.recorder.take());

    key('x', true, 7);
    EXPECT_EQ("#103 #105", k.recorder.take());
    EXPECT_TRUE(k.keyboard.isKeyDown(Keyboard::KEY_CTRL));
}

TEST(Keyboard, RebindingKeepsOneCopyAndResetClearsEverything)
{
    BoundKeyboard k;
    k.keyboard.addKeyPressEvent(Keyboard::KeyCode('a'), EVT::Event(106));
    key('a', true);
    EXPECT_EQ("#106", k.recorder.take());

    k.keyboard.reset();
    EXPECT_FALSE(k.keyboard.isKeyDown(Keyboard::KeyCode('a')));
    key('a', true, 1);
    key('a', false);
    EXPECT_EQ("", k.recorder.take());

    k.keyboard.doKey(Keyboard::KEY_UP, true);
    EXPECT_TRUE(k.keyboard.isKeyDown(Keyboard::KEY_UP));
}

TEST(Screen, FollowsScreenEvents)
{
    Devices::Screen s(640, 480);
    screen(800, 600);
    EXPECT_EQ(800, s.getWidth());
    EXPECT_EQ(600, s.getHeight());
}

TEST(Mouse, AbsoluteModeShowsTheHiddenCursorOutsideTheWindowQueued)
{
    Mouse m;
    EventRecorder recorder{EVT::EVENT_SETMOUSE, EVT::EVENT_MOUSE};
    screen(640, 480);
    m.setVisible(false);
    EXPECT_EQ("set(320,240,2)", recorder.take());

    mouse(-3, 100);
    EXPECT_EQ("#16 set(-3,100,1)", recorder.take());   // after the mouse event's delivery
    EXPECT_TRUE(m.isVisible());
    mouse(-10, 100);
    EXPECT_EQ("#16", recorder.take());
    mouse(640, 480);                                     // the far edges count as inside
    EXPECT_EQ("#16 set(640,480,2)", recorder.take());
    EXPECT_FALSE(m.isVisible());

    m.setVisible(true);
    recorder.take();
    mouse(-3, 100);
    mouse(3, 100);
    EXPECT_EQ("#16 #16", recorder.take());
    EXPECT_EQ(3, m.getX());
}

TEST(Mouse, ButtonsFollowPressesAndReleasesOnly)
{
    Mouse m;
    mouse(5, 5, 2, true);
    mouse(5, 5, 1, true);
    mouse(6, 6);
    EXPECT_EQ(3u, m.getButtons());
    mouse(6, 6, 2, false);
    EXPECT_EQ(1u, m.getButtons());
}

TEST(Mouse, SetParamsAbsoluteKeepsSizeAndPosition)
{
    Mouse m;
    screen(640, 480);
    mouse(100, 120);
    EventRecorder recorder{EVT::EVENT_SETMOUSE};
    m.setParams(true, false, 0, 0);
    EXPECT_EQ("set(-1,-1,1)", recorder.take());
    EXPECT_EQ(100, m.getX());
    EXPECT_FLOAT_EQ(-0.6875f, m.getRelativeX());   // (100 - 320) / 320
    EXPECT_FLOAT_EQ(0.5f, m.getRelativeY());       // up is positive
}

TEST(Mouse, RelativeModeClampsToTheRowsAndRecentres)
{
    Mouse m;
    screen(640, 480);
    EventRecorder recorder{EVT::EVENT_SETMOUSE};
    m.setParams(true, false, std::vector<int>{3, 2, 1});
    EXPECT_EQ("set(320,240,1)", recorder.take());

    mouse(330, 250);
    EXPECT_EQ(1, m.getX());
    EXPECT_EQ(2, m.getY());
    EXPECT_EQ("set(320,240,0)", recorder.take());
    mouse(320, 240);
    EXPECT_EQ("", recorder.take());
    EXPECT_FLOAT_EQ(1.0f / 3, m.getRelativeX());
    EXPECT_FLOAT_EQ(-1.0f, m.getRelativeY());

    mouse(300, 200);   // dx -20, dy -40: y clamps to -2, x to -1
    EXPECT_EQ(-1, m.getX());
    EXPECT_EQ(-2, m.getY());
}

TEST(Mouse, SingleRowRelativeModeDividesByNoZeroRange)
{
    Mouse m;
    screen(640, 480);
    m.setParams(false, true, std::vector<int>{0});
    mouse(400, 300);
    EXPECT_EQ(0, m.getX());
    EXPECT_EQ(0, m.getY());
    EXPECT_EQ(0.0f, m.getRelativeX());
    EXPECT_EQ(0.0f, m.getRelativeY());

    m.setParams(false, true, std::vector<int>{});   // no rows: absolute mode
    mouse(320, 240);
    EXPECT_EQ(0.0f, m.getRelativeX());
}

TEST(Mouse, WarpRaisesAtOnce)
{
    Mouse m;
    EventRecorder recorder{EVT::EVENT_SETMOUSE};
    m.warpPosition(12, 34);
    EXPECT_EQ("set(12,34,0)", recorder.take());
}
