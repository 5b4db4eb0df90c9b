#include "core/TextSerializer.h"
#include "input/ActionId.h"
#include "input/TriggerId.h"

#include <gtest/gtest.h>

#include <sstream>

using Devices::Keyboard;
using Devices::Mouse;
using Input::ActionId;
using Input::TriggerId;

namespace
{
    TriggerId timed(TriggerId trigger, long first)
    {
        trigger.setTimes(first, 1, 2, 3);
        return trigger;
    }

    struct EqualityCase
    {
        const char* what;
        TriggerId left;
        TriggerId right;
        bool equal;
    };
}

TEST(TriggerId, EqualityGivesTheSameAnswerInEitherOrder)
{
    const TriggerId::TriggerType six = static_cast<TriggerId::TriggerType>(6);
    const EqualityCase cases[] = {
        {"defaults", TriggerId(), TriggerId(), true},
        {"dwell with other times", timed(TriggerId(TriggerId::DWELL), 10), timed(TriggerId(TriggerId::DWELL), 99), true},
        {"enter-leave", TriggerId(TriggerId::ENTERLEAVE), TriggerId(TriggerId::ENTERLEAVE), true},
        {"types differ", TriggerId(TriggerId::DWELL), TriggerId(TriggerId::ENTERLEAVE), false},
        {"type 6 to itself", TriggerId(six), TriggerId(six), false},
        {"same key", TriggerId(Keyboard::KEY_SPACE), timed(TriggerId(static_cast<unsigned char>(32)), 5), true},
        {"other key", TriggerId(Keyboard::KEY_SPACE), TriggerId(Keyboard::KEY_ESC), false},
        {"modifiers 0 and 1", TriggerId(Keyboard::KEY_SPACE), TriggerId(Keyboard::KEY_SPACE, Keyboard::MOD_SHIFT), false},
        {"same modifiers", TriggerId(Keyboard::KEY_UP, Keyboard::MOD_CTRL), TriggerId(Keyboard::KEY_UP, Keyboard::MOD_CTRL), true},
        {"same button", TriggerId(Mouse::MB_LEFT), TriggerId(Mouse::MB_LEFT), true},
        {"other button", TriggerId(Mouse::MB_LEFT), TriggerId(Mouse::MB_RIGHT), false},
        {"key against mouse", TriggerId(static_cast<unsigned char>(1)), TriggerId(Mouse::MB_LEFT), false},
        {"jpad: button 1 alone", TriggerId(TriggerId::JPAD_BUTTON1, 0, 32), TriggerId(TriggerId::JPAD_BUTTON1, 16), true},
        {"jpad: button 2 down too", TriggerId(TriggerId::JPAD_BUTTON1, 0, 32), TriggerId(TriggerId::JPAD_BUTTON1, 48), false},
        {"jpad: other flag", TriggerId(TriggerId::JPAD_BUTTON1, 0, 0), TriggerId(TriggerId::JPAD_BUTTON2, 48), false},
        {"jpad: no conditions", TriggerId(TriggerId::JPAD_UP, 0, 0), TriggerId(TriggerId::JPAD_UP, 255), true},
    };
    for (const EqualityCase& c : cases)
    {
        EXPECT_EQ(c.equal, c.left == c.right) << c.what;
        EXPECT_EQ(c.equal, c.right == c.left) << c.what << " (reversed)";
    }
}

TEST(TriggerId, DeviceFieldsAnswerOnlyForTheirType)
{
    const TriggerId mouse = timed(TriggerId(Mouse::MB_MIDDLE), 250);
    EXPECT_EQ(0, mouse.getKey());
    EXPECT_EQ(Mouse::MB_MIDDLE, mouse.getMouseButton());
    EXPECT_EQ(250, mouse.getFirstPressMSecs());
    EXPECT_EQ(3, mouse.getRepeatHoldMSecs());

    const TriggerId key(Keyboard::KEY_DOWN, Keyboard::MOD_ALT);
    EXPECT_EQ(7, key.getKey());
    EXPECT_EQ(Keyboard::MOD_ALT, key.getKeymods());
    EXPECT_EQ(Mouse::MB_NONE, key.getMouseButton());
    EXPECT_EQ(0, key.getJPadFlag());

    const TriggerId pad(TriggerId::JPAD_LEFT, 4);
    EXPECT_EQ(4, pad.getJPadFlag());
    EXPECT_EQ(4, pad.getJPadOtherFlags());
    EXPECT_EQ(4, pad.getJPadFlagMask());
    EXPECT_EQ(0, pad.getKey());
    EXPECT_EQ(0, TriggerId().getFirstPressMSecs());
}

TEST(TriggerId, UnknownTypeWordKeepsTheTypeAndReadsOnlyTheTimes)
{
    TriggerId trigger(Keyboard::KEY_ESC, Keyboard::MOD_ALT);
    std::stringstream text("TriggerType: PEDAL\n  FirstPress: 5\n  RepeatPress: 6\n"
                           "  HoldDelay: 7\n  RepeatHold: 8\n");
    Util::TextSerializer serializer(text);
    ASSERT_TRUE(trigger.deserialize(&serializer));
    EXPECT_EQ(TriggerId::KEY, trigger.getType());
    EXPECT_EQ(Keyboard::KEY_ESC, trigger.getKey());
    EXPECT_EQ(Keyboard::MOD_ALT, trigger.getKeymods());
    EXPECT_EQ(5, trigger.getFirstPressMSecs());
    EXPECT_EQ(8, trigger.getRepeatHoldMSecs());
}

TEST(ActionId, OrdersByNumberThenByText)
{
    const ActionId order[] = {ActionId(-1, "Z"), ActionId(0, ""), ActionId(3, "B"), ActionId(4, "A"),
                              ActionId(4, "AB"), ActionId(4, "B")};
    for (size_t i = 0; i + 1 < sizeof(order) / sizeof(order[0]); ++i)
    {
        EXPECT_TRUE(order[i] < order[i + 1]) << i;
        EXPECT_FALSE(order[i + 1] < order[i]) << i;
    }
    EXPECT_FALSE(ActionId(4, "A") < ActionId(4, "A"));
}
