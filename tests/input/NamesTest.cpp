#include "FakeAreaRenderer.h"
#include "input/InputController.h"
#include "input/KeyboardStrings.h"
#include "input/MouseStrings.h"

#include <gtest/gtest.h>

using Devices::Keyboard;
using Devices::KeyboardStrings;
using Devices::MouseStrings;
using Input::TriggerId;

TEST(KeyboardStrings, NamesEveryKeyCode)
{
    const struct
    {
        int code;
        const char* name;
    } cases[] = {
        {0, "0"}, {1, "SHIFT"}, {3, "CTRL"}, {4, "LEFT"}, {11, "PAGE UP"}, {12, "PAGE DN"},
        {13, "RETURN"}, {14, "0xe"}, {26, "0x1a"}, {27, "ESC"}, {31, "0x1f"}, {32, "SPACE"},
        {33, "!"}, {65, "A"}, {97, "a"}, {126, "~"}, {127, "0x7f"}, {128, "KP0"}, {137, "KP9"},
        {138, "KP/"}, {141, "KP+"}, {142, "KP."}, {143, "KP="}, {144, "KP RET"}, {145, "0x91"},
        {255, "0xff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name, KeyboardStrings::instance()->get(static_cast<unsigned char>(c.code))) << c.code;
}

TEST(KeyboardStrings, NamesModifierMasksAndKeysWithModifiers)
{
    const KeyboardStrings* names = KeyboardStrings::instance();
    EXPECT_EQ("", names->get(Keyboard::Modifiers(0)));
    EXPECT_EQ("ALT+SHIFT", names->get(Keyboard::Modifiers(3)));
    EXPECT_EQ("CTRL+ALT+SHIFT", names->get(Keyboard::Modifiers(7)));
    EXPECT_EQ("", names->get(Keyboard::Modifiers(8)));

    EXPECT_EQ("x", names->get(120, 0));
    EXPECT_EQ("CTRL x", names->get(120, 4));
    EXPECT_EQ("CTRL+ALT x", names->get(120, 6));
    EXPECT_EQ("ALT+SHIFT LEFT", names->get(Keyboard::KEY_LEFT, 3));
    EXPECT_EQ(" x", names->get(120, 9));
}

TEST(MouseStrings, NamesButtonMasks)
{
    const struct
    {
        unsigned int mask;
        const char* name;
    } cases[] = {{0, ""}, {1, "LMB"}, {2, "RMB"}, {3, "LMB+RMB"}, {4, "MMB"}, {5, "LMB+MMB"},
                 {6, "RMB+MMB"}, {7, "LMB+RMB+MMB"}, {8, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(c.name, MouseStrings::instance()->get(c.mask)) << c.mask;
}

TEST(InputController, ShowsTriggersAndActionsAsText)
{
    FakeAreaRenderer renderer;
    Input::InputController controller(1, &renderer);
    EXPECT_EQ("KEY CTRL x", controller.getTriggerString(TriggerId(Keyboard::KeyCode(120), Keyboard::MOD_CTRL)));
    EXPECT_EQ("KEY SPACE", controller.getTriggerString(TriggerId(Keyboard::KEY_SPACE)));
    EXPECT_EQ("MOUSE LMB", controller.getTriggerString(TriggerId(Devices::Mouse::MB_LEFT)));
    EXPECT_EQ("DWELL", controller.getTriggerString(TriggerId(TriggerId::DWELL)));
    EXPECT_EQ("JOYPAD", controller.getTriggerString(TriggerId(TriggerId::JPAD_UP, 1)));
    EXPECT_EQ("UNKNOWN", controller.getTriggerString(TriggerId()));
    controller.setTriggerString(TriggerId::DWELL, "STARE");
    EXPECT_EQ("STARE", controller.getTriggerString(TriggerId(TriggerId::DWELL)));

    controller.addAction(Input::ActionId(37, "FREE"), "GRAB");
    controller.addAction(Input::ActionId(37, "FREE"), "TAKE");
    EXPECT_EQ("TAKE", controller.getActionString(Input::ActionId(37, "FREE")));
    EXPECT_EQ("", controller.getActionString(Input::ActionId(37, "")));
}
