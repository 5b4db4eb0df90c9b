#ifndef INPUT_TRIGGERID_H
#define INPUT_TRIGGERID_H

#include "core/I_Serializable.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"

namespace Input
{
    // What presses and releases a switch: a key, a mouse button, a joypad flag under
    // conditions on the other joypad flags, dwelling in an area, or entering and
    // leaving it. Also carries the four times (milliseconds) of the switch timing.
    class TriggerId : public Util::I_Serializable
    {
    public:
        enum TriggerType
        {
            NO_TRIGGER = 0,
            KEY = 1,
            MOUSE = 2,
            DWELL = 3,
            ENTERLEAVE = 4,
            JPAD = 5
        };

        // Joypad flags derived from each joypad event.
        enum JPadFlag
        {
            JPAD_UP = 1,       // y axis reads +1
            JPAD_DOWN = 2,     // y axis reads -1
            JPAD_LEFT = 4,     // x axis reads -1
            JPAD_RIGHT = 8,    // x axis reads +1
            JPAD_BUTTON1 = 16,
            JPAD_BUTTON2 = 32,
            JPAD_BUTTON3 = 64,
            JPAD_BUTTON4 = 128
        };

        TriggerId();
        explicit TriggerId(unsigned char key);
        explicit TriggerId(Devices::Keyboard::KeyCode key);
        TriggerId(Devices::Keyboard::KeyCode key, Devices::Keyboard::Modifiers mods);
        explicit TriggerId(Devices::Mouse::MouseButton button);
        // Other flags and flag mask both set to `flags`.
        TriggerId(JPadFlag flag, int flags);
        TriggerId(JPadFlag flag, int otherFlags, int flagMask);
        explicit TriggerId(TriggerType type);
        ~TriggerId() override = default;

        TriggerId(const TriggerId&) = default;
        TriggerId& operator=(const TriggerId&) = default;

        bool serialize(Util::I_Serializer* serializer) const override;
        bool deserialize(Util::I_Serializer* serializer) override;

        // First press, repeat press, hold delay, repeat hold; milliseconds.
        virtual void setTimes(long firstPress, long repeatPress, long holdDelay, long repeatHold);
        virtual TriggerType getType() const;
        // The device fields answer 0 unless the trigger is of their type.
        virtual int getKey() const;
        virtual Devices::Keyboard::Modifiers getKeymods() const;
        virtual Devices::Mouse::MouseButton getMouseButton() const;
        virtual int getJPadFlag() const;
        virtual int getJPadOtherFlags() const;
        virtual int getJPadFlagMask() const;
        virtual long getFirstPressMSecs() const;
        virtual long getRepeatPressMSecs() const;
        virtual long getHoldDelayMSecs() const;
        virtual long getRepeatHoldMSecs() const;

        // Same answer in either order; the times never take part.
        bool operator==(const TriggerId& other) const;
        bool operator!=(const TriggerId& other) const { return !(*this == other); }

    private:
        TriggerType m_type = NO_TRIGGER;
        Devices::Keyboard::KeyCode m_key = Devices::Keyboard::KEY_NONE;
        Devices::Keyboard::Modifiers m_keyMods = Devices::Keyboard::MOD_NONE;
        Devices::Mouse::MouseButton m_mouseButton = Devices::Mouse::MB_NONE;
        int m_jpadFlag = 0;
        int m_jpadOtherFlags = 0;
        int m_jpadFlagMask = 0;
        long m_firstPress = 0;
        long m_repeatPress = 0;
        long m_holdDelay = 0;
        long m_repeatHold = 0;
    };
}

#endif
