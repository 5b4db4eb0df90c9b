// Switch timing as scripted scenarios. A script is the trace the switch controller
// must produce: tokens are steps, and a step that pushes actions carries them after
// a colon. Steps: "p"/"r" press/release the trigger, "e"/"b" enter area A/B (B holds
// a twin of A's switch), "l" leave the current area, a number: an update of that many
// milliseconds. Actions of A's switch: P, R, HP, HR; of B's twin: bP, bR, bHP, bHR.
#include "input/ScreenArea.h"
#include "input/Switch.h"
#include "input/SwitchController.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

using Input::ActionId;
using Input::TriggerId;

namespace
{
    struct Scenario
    {
        const char* name;
        TriggerId::TriggerType type;
        long first, repeat, delay, rhold;
        const char* trace;
    };

    void PrintTo(const Scenario& scenario, std::ostream* out)
    {
        *out << scenario.name;
    }

    class Harness
    {
    public:
        explicit Harness(const Scenario& s) : m_areaA("A"), m_areaB("B")
        {
            m_trigger = s.type == TriggerId::KEY ? TriggerId(Devices::Keyboard::KEY_SPACE) : TriggerId(s.type);
            m_trigger.setTimes(s.first, s.repeat, s.delay, s.rhold);
            addSwitch(m_areaA, 1);
            addSwitch(m_areaB, 11);
            m_names = {{1, "P"}, {2, "R"}, {3, "HP"}, {4, "HR"},
                       {11, "bP"}, {12, "bR"}, {13, "bHP"}, {14, "bHR"}};
        }

        std::string run(const std::string& trace)
        {
            std::istringstream in(trace);
            std::string token;
            std::string out;
            while (in >> token)
            {
                const std::string step = token.substr(0, token.find(':'));
                std::vector<ActionId> actions;
                apply(step, actions);
                out += (out.empty() ? "" : " ") + step;
                for (size_t i = 0; i < actions.size(); ++i)
                    out += (i == 0 ? ":" : "+") + m_names[actions[i].getId()];
            }
            return out;
        }

    private:
        void addSwitch(const Input::ScreenArea& area, int firstAction)
        {
            Input::Switch sw;
            sw.setTriggerAreaId(area.getID());
            sw.setTriggerId(m_trigger);
            sw.setPressActionId(ActionId(firstAction, ""));
            sw.setReleaseActionId(ActionId(firstAction + 1, ""));
            sw.setHoldPressActionId(ActionId(firstAction + 2, ""));
            sw.setHoldReleaseActionId(ActionId(firstAction + 3, ""));
            m_switches.newSwitch(&sw);
        }

        void apply(const std::string& step, std::vector<ActionId>& actions)
        {
            if (step == "p" || step == "r")
                m_switches.triggerArea(actions, m_current, m_trigger, step == "p");
            else if (step == "e" || step == "b")
                m_switches.enteredArea(actions, m_current = (step == "e" ? &m_areaA : &m_areaB));
            else if (step == "l")
            {
                m_switches.leftArea(actions, m_current);
                m_current = nullptr;
            }
            else if (std::isdigit(static_cast<unsigned char>(step[0])))
                m_switches.timePassed(actions, m_current, std::stol(step));
            else
                ADD_FAILURE() << "unknown step " << step;
        }

        Input::ScreenArea m_areaA;
        Input::ScreenArea m_areaB;
        const Input::ScreenArea* m_current = nullptr;
        TriggerId m_trigger;
        Input::SwitchController m_switches;
        std::map<int, std::string> m_names;
    };

    const TriggerId::TriggerType KEY = TriggerId::KEY;
    const TriggerId::TriggerType DWELL = TriggerId::DWELL;
    const TriggerId::TriggerType ENTERLEAVE = TriggerId::ENTERLEAVE;

    const Scenario s_scenarios[] = {
        {"PressThenReleaseEachFireAtTheNextUpdate", KEY, 0, 0, 0, 0, "e p 1:P 1 r 1:R 1"},
        {"PressAndReleaseBetweenUpdatesPushOnlyRelease", KEY, 0, 0, 0, 0, "e p r 5:R"},
        {"UpdateOfZeroFiresNoPositiveTimer", KEY, 0, 0, 0, 0, "e p 0 0 1:P"},
        {"RepeatPressesUntilRelease", KEY, 0, 100, 0, 0, "e p 1:P 99 1:P 50 50:P r 1:R 100"},
        {"LeftOverElapsedTimeIsDropped", KEY, 0, 100, 0, 0, "e p 1:P 250:P 99 1:P"},
        {"HoldPressAfterDelayThenHoldReleaseOnRelease", KEY, 0, 0, 500, 0, "e p 1:P 499 1:HP 1000 r 1:HR 1"},
        {"ReleaseBeforeHoldDelayGivesPlainRelease", KEY, 0, 0, 500, 0, "e p 1:P 100 r 1:R 500"},
        {"RepeatHoldCyclesWhileDown", KEY, 0, 0, 500, 300, "e p 1:P 500:HP 300:HR 300:HP 299 r 1:HR 300"},
        {"ReleasedSwitchStopsAfterItsFinalHoldRelease", KEY, 0, 100, 500, 0, "e p 1:P 500:HP r 1:HR 100 100 1000"},
        {"ReleasedRepeatHoldSwitchStops", KEY, 0, 100, 500, 300, "e p 1:P 500:HP 100 r 1:HR 300 300"},
        {"PressDuringHoldRestartsThePressCycle", KEY, 0, 0, 500, 0, "e p 1:P 500:HP p 1:P 500:HP r 1:HR"},
        {"NegativeRepeatFiresAtEveryUpdate", KEY, 0, -1, 0, 0, "e p 1:P 0:P 0:P r 1:R"},
        {"DwellPressesAfterFirstThenEveryRepeat", DWELL, 250, 250, 0, 0, "e 249 1:P 249 1:P 300:P"},
        {"DwellWithoutRepeatPressesOnce", DWELL, 250, 0, 0, 0, "e 250:P 250 1000"},
        {"DwellWithoutFirstPressNeverFires", DWELL, 0, 250, 0, 0, "e 1000 1000"},
        {"NegativeFirstPressFiresAtOnce", DWELL, -5, 0, 0, 0, "e 0:P 0"},
        {"DwellStopsCountingWhileNoAreaIsCurrent", DWELL, 250, 0, 0, 0, "e 200 l 1000 e 200 50:P"},
        {"DwellRestartsInTheAreaEntered", DWELL, 250, 0, 0, 0, "e 200 b 200 50:bP"},
        {"EnterLeavePushesAtOnceAndNeverTimes", ENTERLEAVE, 0, 0, 0, 0, "e:P 1000 l:R b:bP e:P"},
        {"EnteringAnAreaForgetsAPress", KEY, 0, 0, 0, 0, "e p b e 1 1"},
        {"ReleaseInTheNewAreaArmsItsTwin", KEY, 0, 0, 0, 0, "e p 1:P b r 1:bR"},
        {"TriggerWithoutCurrentAreaDoesNothing", KEY, 0, 0, 0, 0, "p 1 e 1 r 1:R"},
    };

    class SwitchTiming : public ::testing::TestWithParam<Scenario>
    {
    };
}

TEST_P(SwitchTiming, FollowsItsTrace)
{
    Harness harness(GetParam());
    EXPECT_EQ(GetParam().trace, harness.run(GetParam().trace));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SwitchTiming, ::testing::ValuesIn(s_scenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) { return info.param.name; });

TEST(SwitchController, ActionZeroIsNeverPushedButItsTimersRun)
{
    Input::ScreenArea area("A");
    TriggerId trigger(Devices::Keyboard::KEY_SPACE);
    trigger.setTimes(0, 100, 0, 0);
    Input::Switch sw;
    sw.setTriggerAreaId(area.getID());
    sw.setTriggerId(trigger);
    Input::SwitchController switches;
    switches.newSwitch(&sw);

    std::vector<ActionId> actions;
    switches.enteredArea(actions, &area);
    switches.triggerArea(actions, &area, trigger, true);
    switches.timePassed(actions, &area, 1);
    EXPECT_TRUE(actions.empty());
    EXPECT_EQ(100, switches.getSwitch(1)->getTimeUntilPress());
}

TEST(SwitchController, NumbersCountFromOneAndCopiesKeepEveryField)
{
    Input::SwitchController switches;
    EXPECT_EQ(nullptr, switches.getSwitch(0));
    EXPECT_EQ(nullptr, switches.getSwitch(1));
    EXPECT_FALSE(switches.deleteSwitch(0));
    EXPECT_FALSE(switches.deleteSwitch(1));

    EXPECT_EQ(1u, switches.newSwitch(7u));   // no switch 7: a default switch
    Input::Switch* first = switches.getSwitch(1);
    first->setTriggerAreaId(5);
    first->setPressActionId(ActionId(24, "X"));
    first->setTimeUntilHold(40);
    first->isHeld(true);
    EXPECT_EQ(2u, switches.newSwitch(1u));
    const Input::Switch* copy = switches.getSwitch(2);
    ASSERT_NE(first, copy);
    EXPECT_EQ(5u, copy->getTriggerAreaId());
    EXPECT_EQ("X", copy->getPressActionId().getString());
    EXPECT_EQ(40, copy->getTimeUntilHold());
    EXPECT_TRUE(copy->isHeld());

    EXPECT_TRUE(switches.deleteSwitch(1));
    EXPECT_EQ(copy, switches.getSwitch(1));
    EXPECT_EQ(nullptr, switches.getSwitch(2));
}

TEST(SwitchController, GetSwitchesAppendsAndFiltersByType)
{
    Input::ScreenArea area("A");
    Input::SwitchController switches;
    const TriggerId triggers[] = {TriggerId(TriggerId::DWELL), TriggerId(Devices::Keyboard::KEY_ESC),
                                  TriggerId(TriggerId::DWELL)};
    for (const TriggerId& trigger : triggers)
    {
        Input::Switch sw;
        sw.setTriggerAreaId(area.getID());
        sw.setTriggerId(trigger);
        switches.newSwitch(&sw);
    }
    Input::Switch elsewhere;
    elsewhere.setTriggerAreaId(area.getID() + 1000);
    switches.newSwitch(&elsewhere);

    std::vector<Input::Switch*> found;
    EXPECT_TRUE(switches.getSwitches(found, area, TriggerId::DWELL));
    EXPECT_EQ((std::vector<Input::Switch*>{switches.getSwitch(1), switches.getSwitch(3)}), found);
    EXPECT_TRUE(switches.getSwitches(found, area, TriggerId::JPAD));   // kept what it held
    EXPECT_EQ(2u, found.size());
    found.clear();
    EXPECT_TRUE(switches.getSwitches(found, area, TriggerId::NO_TRIGGER));
    EXPECT_EQ(3u, found.size());
    found.clear();
    EXPECT_FALSE(switches.getSwitches(found, area, TriggerId::MOUSE));
}
