#ifndef INPUT_SWITCHCONTROLLER_H
#define INPUT_SWITCHCONTROLLER_H

#include "core/I_Serializable.h"
#include "input/ActionId.h"
#include "input/TriggerId.h"

#include <vector>

namespace Input
{
    class ScreenArea;
    class Switch;

    // Owns the switches of one input controller and runs their timing: trigger presses
    // and releases, areas entered and left, and elapsed time become pending actions.
    // Switch numbers count from 1 in list order; every scan runs in list order.
    class SwitchController : public Util::I_Serializable
    {
    public:
        SwitchController() = default;
        ~SwitchController() override;

        SwitchController(const SwitchController&) = delete;
        SwitchController& operator=(const SwitchController&) = delete;

        bool serialize(Util::I_Serializer* serializer) const override;
        bool deserialize(Util::I_Serializer* serializer) override;

        // Appends a copy of switch n (a default switch when there is none); returns
        // the new number of switches.
        virtual unsigned int newSwitch(unsigned int n);
        // Appends a copy of the given switch (a default switch for null).
        virtual unsigned int newSwitch(const Switch* from);
        virtual bool deleteSwitch(unsigned int n);
        // Switch n, or null for 0 or beyond the count.
        virtual Switch* getSwitch(unsigned int n) const;

        virtual void timePassed(std::vector<ActionId>& actions, const ScreenArea* area, long elapsedMs);
        virtual void leftArea(std::vector<ActionId>& actions, const ScreenArea* area);
        virtual void enteredArea(std::vector<ActionId>& actions, const ScreenArea* area);
        // Stops every switch (timers 0, no hold) and arms nothing: the pointer was
        // found resting in an area it has not entered, whose dwell must wait.
        void stopAll();
        virtual void triggerArea(std::vector<ActionId>& actions, const ScreenArea* area,
                                 const TriggerId& trigger, bool pressed);

        // Appends the switches of the area (of the given type; NO_TRIGGER: every type)
        // to `found`; true when `found` is not empty afterwards.
        virtual bool getSwitches(std::vector<Switch*>& found, const ScreenArea& area,
                                 TriggerId::TriggerType type) const;
        virtual void clearSwitches();

        unsigned int getNumSwitches() const;

    private:
        // Timers to 0 and holds ended; with armDwell every dwell switch starts
        // counting its first press.
        void resetAll(bool armDwell);
        // Pushes the given action of each enter/leave switch of the area.
        void pushEnterLeave(std::vector<ActionId>& actions, const ScreenArea* area,
                            const ActionId& (Switch::*action)() const) const;

        std::vector<Switch*> m_switches;
    };
}

#endif
