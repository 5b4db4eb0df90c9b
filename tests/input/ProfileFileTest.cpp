#include "EventRecorder.h"
#include "FakeAreaRenderer.h"
#include "SendEvents.h"
#include "core/TextSerializer.h"
#include "input/InputController.h"
#include "input/ProfileTags.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

using Input::ActionId;
using Input::InputController;
using Input::TriggerId;

namespace
{
    std::string exampleProfile()
    {
        std::ifstream in(FRELMORY_TEST_DATA_DIR "/example.sic", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    bool read(InputController& controller, const std::string& text)
    {
        std::stringstream stream(text);
        Util::TextSerializer serializer(stream);
        return controller.deserialize(&serializer);
    }

    std::string write(const InputController& controller)
    {
        std::stringstream stream;
        Util::TextSerializer serializer(stream);
        EXPECT_TRUE(controller.serialize(&serializer));
        return stream.str();
    }

    std::string replaced(std::string text, const std::string& from, const std::string& to)
    {
        const size_t at = text.find(from);
        EXPECT_NE(std::string::npos, at) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    }

    void tapSpace()
    {
        send::key(32, true);
        send::update();
        send::key(32, false);
        send::update();
    }
}

TEST(ProfileFile, ExampleReadsAndWritesBackByteForByte)
{
    FakeAreaRenderer renderer;
    InputController controller(1, &renderer);
    controller.setActive(true);
    const std::string example = exampleProfile();
    ASSERT_TRUE(read(controller, example));

    EXPECT_EQ(3, controller.getControllerId());
    const Input::ScreenArea* area = controller.getArea(7u);
    ASSERT_NE(nullptr, area);
    EXPECT_EQ("ANYWHERE", area->getName());
    EXPECT_EQ(100.0f, area->getPercentWidth());
    const Input::Switch* sw = controller.getSwitch(1);
    ASSERT_NE(nullptr, sw);
    EXPECT_EQ(7u, sw->getTriggerAreaId());
    EXPECT_TRUE(sw->getTriggerId() == TriggerId(Devices::Keyboard::KEY_SPACE));
    EXPECT_EQ("FREE", sw->getPressActionId().getString());
    EXPECT_EQ(38, sw->getReleaseActionId().getId());
    EXPECT_EQ("", sw->getReleaseActionId().getString());
    EXPECT_EQ(nullptr, controller.getSwitch(2));

    EXPECT_EQ(example, write(controller));

    EventRecorder recorder{37, 38};   // the read ended in "ANYWHERE"
    tapSpace();
    EXPECT_EQ("37:FREE 38", recorder.take());
}

namespace
{
    // The example with its one area and its one switch each repeated to the
    // counts, the areas numbered from 7 up.
    std::string profileWith(int areas, int switches)
    {
        const std::string example = exampleProfile();
        const size_t areaAt = example.find("ScreenArea\n");
        const size_t switchesAt = example.find("NumSwitches:");
        const size_t switchAt = example.find("Switch\n", switchesAt);
        const std::string area = example.substr(areaAt, switchesAt - areaAt);
        std::string text = "InputControllerId: 3\nNumAreas: " + std::to_string(areas) + "\n";
        for (int i = 0; i < areas; ++i)
            text += replaced(area, "  ID: 7", "  ID: " + std::to_string(7 + i));
        text += "NumSwitches: " + std::to_string(switches) + "\n";
        for (int i = 0; i < switches; ++i)
            text += example.substr(switchAt);
        return text;
    }
}

// However well formed its records, a profile with more areas or switches than
// the cap fails the read: no profile needs that many, and a damaged count
// must not make the reader build them all.
TEST(ProfileFile, AreasAndSwitchesReadUpToTheCapAndNotOneMore)
{
    const int cap = Input::MAX_PROFILE_RECORDS;
    const struct
    {
        int areas;
        int switches;
        bool ok;
    } cases[] = {{cap, 1, true}, {cap + 1, 1, false}, {1, cap, true}, {1, cap + 1, false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.areas << " areas, " << c.switches << " switches");
        FakeAreaRenderer renderer;
        InputController controller(1, &renderer);
        EXPECT_EQ(c.ok, read(controller, profileWith(c.areas, c.switches)));
        EXPECT_EQ(c.ok, controller.getSwitch(static_cast<unsigned int>(c.switches)) != nullptr);
        if (c.ok)
        {
            EXPECT_NE(nullptr, controller.getArea(static_cast<unsigned int>(6 + c.areas)));
        }
    }
}

TEST(ProfileFile, EveryTriggerKindReadsBackInStep)
{
    FakeAreaRenderer renderer;
    InputController original(4, &renderer);
    const unsigned long areaId = original.newArea(0u);   // default name "AREA <id>"
    Input::ScreenArea* area = original.getArea(static_cast<unsigned int>(areaId));
    area->setPercentOffsetFromLeft(0.5f);
    area->setPercentHeight(33.25f);
    area->setAreaColor(0xff00ffffUL);
    area->setHighLightFlags(3);
    area->setIconId(6);

    TriggerId triggers[] = {TriggerId(), TriggerId(Devices::Mouse::MB_RIGHT),
                            TriggerId(TriggerId::JPAD_BUTTON1, 0, 32), TriggerId(TriggerId::DWELL),
                            TriggerId(Devices::Keyboard::KEY_ESC, Devices::Keyboard::MOD_CTRL)};
    for (int i = 0; i < 5; ++i)
    {
        triggers[i].setTimes(i, 250, -3, 750);
        Input::Switch* sw = original.getSwitch(original.newSwitch(0u));
        sw->setTriggerAreaId(areaId);
        sw->setTriggerId(triggers[i]);
        sw->setPressActionId(ActionId(37, "LOCKED"));
        sw->setHoldReleaseActionId(ActionId(-2, ""));
    }
    const std::string text = write(original);
    EXPECT_NE(std::string::npos, text.find("TriggerType: NONE\n  FirstPress: 0\n"));

    InputController copy(4, &renderer);
    ASSERT_TRUE(read(copy, text));
    const Input::ScreenArea* back = copy.getArea(static_cast<unsigned int>(areaId));
    ASSERT_NE(nullptr, back);
    EXPECT_EQ("AREA", back->getName());   // names are single words
    EXPECT_EQ(0.5f, back->getPercentOffsetFromLeft());
    EXPECT_EQ(33.25f, back->getPercentHeight());
    EXPECT_EQ(0xff00ffffUL, back->getAreaColor());
    EXPECT_EQ(3, back->getHighLightFlags());
    EXPECT_EQ(6, back->getIconId());
    for (unsigned int n = 1; n <= 5; ++n)
    {
        const Input::Switch* sw = copy.getSwitch(n);
        ASSERT_NE(nullptr, sw) << n;
        const TriggerId& trigger = sw->getTriggerId();
        EXPECT_EQ(triggers[n - 1].getType(), trigger.getType()) << n;
        EXPECT_TRUE(triggers[n - 1] == trigger || trigger.getType() > TriggerId::JPAD) << n;
        EXPECT_EQ(static_cast<long>(n - 1), trigger.getFirstPressMSecs());
        EXPECT_EQ(-3, trigger.getHoldDelayMSecs());
        EXPECT_EQ(750, trigger.getRepeatHoldMSecs());
        EXPECT_EQ("LOCKED", sw->getPressActionId().getString());
        EXPECT_EQ(-2, sw->getHoldReleaseActionId().getId());
    }
    EXPECT_EQ(32, copy.getSwitch(3)->getTriggerId().getJPadFlagMask());
    EXPECT_EQ(Devices::Keyboard::MOD_CTRL, copy.getSwitch(5)->getTriggerId().getKeymods());
    EXPECT_EQ(nullptr, copy.getSwitch(6));
}

namespace
{
    // A controller holding area "KEEP" and one switch before the read under test.
    struct Prefilled
    {
        Prefilled() : controller(1, &renderer)
        {
            keepId = static_cast<unsigned int>(controller.newArea(0u));
            controller.getArea(keepId)->setName("KEEP");
            controller.getSwitch(controller.newSwitch(0u))->setPressActionId(ActionId(99, ""));
            controller.setActive(true);
        }

        FakeAreaRenderer renderer;
        InputController controller;
        unsigned int keepId = 0;
    };

    struct BadProfile
    {
        const char* what;
        std::string text;
        bool ok;
        std::function<void(Prefilled&)> check;
    };
}

TEST(ProfileFile, MalformedFilesReadAsFarAsTheyGo)
{
    const std::string example = exampleProfile();
    const BadProfile cases[] = {
        {"empty file leaves the controller untouched", "", false,
         [](Prefilled& p) {
             EXPECT_EQ(1, p.controller.getControllerId());
             ASSERT_NE(nullptr, p.controller.getArea(p.keepId));
             EXPECT_EQ("KEEP", p.controller.getArea(p.keepId)->getName());
             EXPECT_EQ(99, p.controller.getSwitch(1)->getPressActionId().getId());
         }},
        {"fewer areas than counted keeps the old switches", replaced(example, "NumAreas: 1", "NumAreas: 2"), false,
         [](Prefilled& p) {
             EXPECT_EQ(3, p.controller.getControllerId());
             EXPECT_EQ(nullptr, p.controller.getArea(p.keepId));
             EXPECT_EQ("ANYWHERE", p.controller.getArea(7u)->getName());
             EXPECT_EQ(99, p.controller.getSwitch(1)->getPressActionId().getId());
         }},
        {"unknown trigger word gives a switch without trigger",
         replaced(replaced(example, "TriggerType: KEY\n  Key: 32\n  KeyMods: 0\n  FirstPress: 0",
                           "TriggerType: PEDAL\n  FirstPress: 5"),
                  "  RepeatPress: 0", "  RepeatPress: 6"),
         true,
         [](Prefilled& p) {
             const TriggerId& trigger = p.controller.getSwitch(1)->getTriggerId();
             EXPECT_EQ(TriggerId::NO_TRIGGER, trigger.getType());
             EXPECT_EQ(5, trigger.getFirstPressMSecs());
             EXPECT_EQ(6, trigger.getRepeatPressMSecs());
             EXPECT_EQ(37, p.controller.getSwitch(1)->getPressActionId().getId());
         }},
        {"key number above 255 stops the read", replaced(example, "  Key: 32", "  Key: 288"), false,
         [](Prefilled& p) {
             EXPECT_EQ("ANYWHERE", p.controller.getArea(7u)->getName());
             EXPECT_EQ(nullptr, p.controller.getSwitch(1));
         }},
        {"no final newline drops the last switch", example.substr(0, example.size() - 1), false,
         [](Prefilled& p) {
             EXPECT_EQ("ANYWHERE", p.controller.getArea(7u)->getName());
             EXPECT_EQ(nullptr, p.controller.getSwitch(1));
         }},
        {"text where a number belongs stops the read", replaced(example, "  ID: 7", "  ID: seven"), false,
         [](Prefilled& p) { EXPECT_EQ(nullptr, p.controller.getSwitch(2)); }},
    };
    for (const BadProfile& c : cases)
    {
        SCOPED_TRACE(c.what);
        Prefilled p;
        EXPECT_EQ(c.ok, read(p.controller, c.text));
        c.check(p);
    }
}

TEST(ProfileFile, FailedReReadLeavesTheHandlerNoDestroyedArea)
{
    FakeAreaRenderer renderer;
    InputController controller(1, &renderer);
    const std::string example = exampleProfile();
    ASSERT_TRUE(read(controller, example));
    controller.setActive(true);   // "ANYWHERE" is current

    EXPECT_FALSE(read(controller, example.substr(0, example.find("  IconId"))));
    EventRecorder recorder{37, 38};
    tapSpace();
    send::mouse(10, 10, 1, true);
    send::update();
    send::event(EVT::Event(EVT::EVENT_RENDER));
    EXPECT_EQ("", recorder.take());
}
