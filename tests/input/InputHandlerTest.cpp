#include "FakeAreaRenderer.h"
#include "input/InputHandler.h"
#include "input/ScreenArea.h"
#include "input/ScreenAreaController.h"
#include "input/SwitchController.h"

#include <gtest/gtest.h>

#include <string>

using Input::TriggerId;

namespace
{
    // Records the device triggers the handler passes on, as "flag+" / "flag-" for
    // joypad flags and "key+" / "key-" for keys.
    class RecordingSwitches : public Input::SwitchController
    {
    public:
        void triggerArea(std::vector<Input::ActionId>&, const Input::ScreenArea*, const TriggerId& trigger,
                         bool pressed) override
        {
            const int what = trigger.getType() == TriggerId::JPAD ? trigger.getJPadFlag() : trigger.getKey();
            log += (log.empty() ? "" : " ") + std::to_string(what) + (pressed ? "+" : "-");
        }
        std::string log;
    };

    struct HandlerFixture : ::testing::Test
    {
        HandlerFixture() : handler(&areas, &switches, &renderer)
        {
            Input::ScreenArea* anywhere = areas.getArea(areas.newArea(0UL));
            anywhere->setName("ANYWHERE");
            handler.setArea("ANYWHERE");
        }

        void pad(int joystick, int x, int y, bool b1 = false, bool b2 = false)
        {
            const bool buttons[4] = {b1, b2, false, false};
            handler.handleJoypad(joystick, x, y, buttons);
        }

        FakeAreaRenderer renderer;
        Input::ScreenAreaController areas;
        RecordingSwitches switches;
        Input::InputHandler handler;
    };
}

TEST_F(HandlerFixture, JoypadFlagsChangeInAxisThenButtonOrder)
{
    pad(0, -1, 1, true);
    EXPECT_EQ("4+ 1+ 16+", switches.log);
    switches.log.clear();
    pad(0, 1, -1, true, true);
    EXPECT_EQ("4- 8+ 1- 2+ 32+", switches.log);
}

TEST_F(HandlerFixture, EachJoystickIsComparedWithItsOwnPreviousEvent)
{
    for (int frame = 0; frame < 3; ++frame)
    {
        pad(0, 0, 0, true);
        pad(1, 0, 0);
    }
    EXPECT_EQ("16+", switches.log);
    pad(1, 0, 0, true);
    EXPECT_EQ("16+ 16+", switches.log);
}

TEST_F(HandlerFixture, DeviceInputNeedsACurrentArea)
{
    handler.changeArea(nullptr);
    pad(0, 0, 0, true);
    handler.handleKey(32, true);
    EXPECT_EQ("", switches.log);
    handler.setArea("ANYWHERE");   // the joypad flags were left as they were
    pad(0, 0, 0, true);
    handler.handleKey(32, true);
    EXPECT_EQ("16+ 32+", switches.log);
}

TEST_F(HandlerFixture, RenderDrawsTheCurrentAreaHighlighted)
{
    areas.getArea(std::string("ANYWHERE"))->setHighLightColor(0xff);
    handler.render();
    EXPECT_EQ("start box stop", renderer.calls);
    EXPECT_EQ(0xffu, renderer.boxes.at(0).colour);
}
