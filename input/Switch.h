#ifndef INPUT_SWITCH_H
#define INPUT_SWITCH_H

#include "core/I_Serializable.h"
#include "input/ActionId.h"
#include "input/TriggerId.h"

namespace Input
{
    // Binds a trigger in one screen area to four actions (press, release, hold press,
    // hold release) and keeps the run-time timers (milliseconds) of the switch timing.
    // Timers and flags are not written to profile files but are copied with the switch.
    class Switch : public Util::I_Serializable
    {
    public:
        Switch() = default;
        ~Switch() override = default;

        Switch(const Switch&) = default;
        Switch& operator=(const Switch&) = default;

        bool serialize(Util::I_Serializer* serializer) const override;
        bool deserialize(Util::I_Serializer* serializer) override;

        virtual void setTriggerAreaId(const unsigned long& areaId);
        virtual void setTriggerId(const TriggerId& trigger);
        virtual void setPressActionId(const ActionId& action);
        virtual void setReleaseActionId(const ActionId& action);
        virtual void setHoldPressActionId(const ActionId& action);
        virtual void setHoldReleaseActionId(const ActionId& action);
        virtual const unsigned long& getTriggerAreaId() const;
        virtual const TriggerId& getTriggerId() const;
        virtual const ActionId& getPressActionId() const;
        virtual const ActionId& getReleaseActionId() const;
        virtual const ActionId& getHoldPressActionId() const;
        virtual const ActionId& getHoldReleaseActionId() const;

        virtual long getTimeUntilPress() const;
        virtual long getTimeUntilHold() const;
        virtual long getTimeUntilRelease() const;
        virtual bool isHeld() const;
        virtual bool keepHeld() const;
        virtual void setTimeUntilPress(long ms);
        virtual void setTimeUntilHold(long ms);
        virtual void setTimeUntilRelease(long ms);
        virtual void isHeld(bool held);
        virtual void keepHeld(bool keep);

    private:
        unsigned long m_areaId = 0;   // a default switch belongs to no area until set
        TriggerId m_trigger;
        ActionId m_press;
        ActionId m_release;
        ActionId m_holdPress;
        ActionId m_holdRelease;
        long m_timeUntilPress = 0;    // timers run while nonzero
        long m_timeUntilHold = 0;
        long m_timeUntilRelease = 0;
        bool m_held = false;
        bool m_keepHeld = false;
    };
}

#endif
