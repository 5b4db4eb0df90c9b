#include "input/SwitchController.h"

#include "core/DeleteIt.h"
#include "core/I_Serializer.h"
#include "input/ProfileTags.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"

#include <algorithm>

namespace Input
{
    namespace
    {
        // Pushing appends a copy; action 0 is never pushed.
        void push(std::vector<ActionId>& actions, const ActionId& action)
        {
            if (action.getId() != 0)
                actions.push_back(action);
        }

        // Counts a running timer down by `elapsed`; true when it fires instead, that is
        // when less than 1 ms would remain (the rest of the elapsed time is dropped).
        bool runDown(long& timer, long elapsed)
        {
            const long rest = timer - elapsed;
            if (rest >= 1)
            {
                timer = rest;
                return false;
            }
            return true;
        }

        void runTimers(std::vector<ActionId>& actions, Switch& sw, long elapsed)
        {
            const TriggerId& trigger = sw.getTriggerId();
            long timer = 0;
            if ((timer = sw.getTimeUntilPress()) != 0)
            {
                if (!runDown(timer, elapsed))
                {
                    sw.setTimeUntilPress(timer);
                    return;
                }
                push(actions, sw.getPressActionId());
                sw.setTimeUntilHold(trigger.getHoldDelayMSecs());
                sw.setTimeUntilPress(trigger.getHoldDelayMSecs() != 0 ? 0 : trigger.getRepeatPressMSecs());
            }
            else if ((timer = sw.getTimeUntilHold()) != 0)
            {
                if (!runDown(timer, elapsed))
                {
                    sw.setTimeUntilHold(timer);
                    return;
                }
                push(actions, sw.getHoldPressActionId());
                sw.isHeld(true);
                sw.keepHeld(true);
                sw.setTimeUntilRelease(trigger.getRepeatHoldMSecs());
                sw.setTimeUntilHold(0);
            }
            else if ((timer = sw.getTimeUntilRelease()) != 0)
            {
                if (!runDown(timer, elapsed))
                {
                    sw.setTimeUntilRelease(timer);
                    return;
                }
                sw.setTimeUntilRelease(0);
                if (!sw.isHeld())
                {
                    push(actions, sw.getReleaseActionId());
                    return;
                }
                push(actions, sw.getHoldReleaseActionId());
                if (sw.keepHeld())
                {
                    sw.setTimeUntilHold(trigger.getRepeatHoldMSecs());
                }
                else
                {
                    // The trigger was let go: the hold ends and the switch stops, as it
                    // does after a release without a hold.
                    sw.isHeld(false);
                    sw.setTimeUntilPress(0);
                }
            }
        }
    }

    SwitchController::~SwitchController()
    {
        clearSwitches();
    }

    unsigned int SwitchController::newSwitch(unsigned int n)
    {
        return newSwitch(static_cast<const Switch*>(getSwitch(n)));
    }

    unsigned int SwitchController::newSwitch(const Switch* from)
    {
        m_switches.push_back(from ? new Switch(*from) : new Switch());
        return getNumSwitches();
    }

    bool SwitchController::deleteSwitch(unsigned int n)
    {
        if (n == 0 || n > m_switches.size())
            return false;
        delete m_switches[n - 1];
        m_switches.erase(m_switches.begin() + (n - 1));
        return true;
    }

    Switch* SwitchController::getSwitch(unsigned int n) const
    {
        if (n == 0 || n > m_switches.size())
            return nullptr;
        return m_switches[n - 1];
    }

    unsigned int SwitchController::getNumSwitches() const
    {
        return static_cast<unsigned int>(m_switches.size());
    }

    void SwitchController::clearSwitches()
    {
        std::for_each(m_switches.begin(), m_switches.end(), Util::DeleteIt<Switch*>());
        m_switches.clear();
    }

    bool SwitchController::getSwitches(std::vector<Switch*>& found, const ScreenArea& area,
                                       TriggerId::TriggerType type) const
    {
        for (Switch* sw : m_switches)
        {
            if (sw->getTriggerAreaId() != area.getID())
                continue;
            if (type == TriggerId::NO_TRIGGER || sw->getTriggerId().getType() == type)
                found.push_back(sw);
        }
        return !found.empty();
    }

    void SwitchController::triggerArea(std::vector<ActionId>& /*actions*/, const ScreenArea* area,
                                       const TriggerId& trigger, bool pressed)
    {
        if (!area)
            return;
        std::vector<Switch*> found;
        getSwitches(found, *area, trigger.getType());
        for (Switch* sw : found)
        {
            if (!(sw->getTriggerId() == trigger))
                continue;
            sw->setTimeUntilHold(0);
            if (pressed)
            {
                sw->setTimeUntilPress(1);
                sw->setTimeUntilRelease(0);
            }
            else
            {
                sw->setTimeUntilPress(0);
                sw->setTimeUntilRelease(1);
                sw->keepHeld(false);
            }
        }
    }

    void SwitchController::enteredArea(std::vector<ActionId>& actions, const ScreenArea* area)
    {
        resetAll(true);
        pushEnterLeave(actions, area, &Switch::getPressActionId);
    }

    void SwitchController::stopAll()
    {
        resetAll(false);
    }

    void SwitchController::resetAll(bool armDwell)
    {
        for (Switch* sw : m_switches)
        {
            const TriggerId& trigger = sw->getTriggerId();
            const bool dwell = armDwell && trigger.getType() == TriggerId::DWELL;
            sw->setTimeUntilPress(dwell ? trigger.getFirstPressMSecs() : 0);
            sw->setTimeUntilHold(0);
            sw->setTimeUntilRelease(0);
            sw->isHeld(false);
            sw->keepHeld(false);
        }
    }

    void SwitchController::leftArea(std::vector<ActionId>& actions, const ScreenArea* area)
    {
        pushEnterLeave(actions, area, &Switch::getReleaseActionId);
    }

    void SwitchController::pushEnterLeave(std::vector<ActionId>& actions, const ScreenArea* area,
                                          const ActionId& (Switch::*action)() const) const
    {
        if (!area)
            return;
        std::vector<Switch*> found;
        getSwitches(found, *area, TriggerId::ENTERLEAVE);
        for (const Switch* sw : found)
            push(actions, (sw->*action)());
    }

    void SwitchController::timePassed(std::vector<ActionId>& actions, const ScreenArea* area, long elapsedMs)
    {
        if (!area)
            return;
        std::vector<Switch*> found;
        getSwitches(found, *area, TriggerId::NO_TRIGGER);
        for (Switch* sw : found)
            runTimers(actions, *sw, elapsedMs);
    }

    bool SwitchController::serialize(Util::I_Serializer* s) const
    {
        if (!s->putInt(static_cast<int>(m_switches.size()), NUMSWITCHES_TAG))
            return false;
        for (const Switch* sw : m_switches)
        {
            if (!sw->serializeWithHeader(s, SWITCHHEADER_TAG))
                return false;
        }
        return true;
    }

    bool SwitchController::deserialize(Util::I_Serializer* s)
    {
        clearSwitches();
        int count = 0;
        if (!s->getInt(count, NUMSWITCHES_TAG) || count > MAX_PROFILE_RECORDS)
            return false;
        for (int i = 0; i < count; ++i)
        {
            // A switch is kept only when its whole record was read.
            Switch sw;
            if (!sw.deserializeWithHeader(s, SWITCHHEADER_TAG))
                return false;
            newSwitch(&sw);
        }
        return true;
    }
}
