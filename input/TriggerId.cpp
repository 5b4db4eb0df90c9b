#include "input/TriggerId.h"

#include "core/I_Serializer.h"
#include "input/ProfileTags.h"

#include <string>

namespace Input
{
    namespace
    {
        struct TypeWord
        {
            TriggerId::TriggerType type;
            const char* word;
        };

        // Profile words of the trigger types, in the order the reader compares them.
        const TypeWord s_typeWords[] = {
            {TriggerId::DWELL, "DWELL"},
            {TriggerId::KEY, "KEY"},
            {TriggerId::MOUSE, "MOUSE"},
            {TriggerId::ENTERLEAVE, "ENTERLEAVE"},
            {TriggerId::JPAD, "JPAD"},
        };

        // Written for a trigger without a type, so that its record keeps the same
        // number of lines as every other; the reader maps it to NO_TRIGGER.
        const char* const s_noTriggerWord = "NONE";

        const char* typeWord(TriggerId::TriggerType type)
        {
            for (const TypeWord& entry : s_typeWords)
            {
                if (entry.type == type)
                    return entry.word;
            }
            return s_noTriggerWord;
        }
    }

    TriggerId::TriggerId() = default;

    TriggerId::TriggerId(unsigned char key)
        : m_type(KEY), m_key(static_cast<Devices::Keyboard::KeyCode>(key))
    {
    }

    TriggerId::TriggerId(Devices::Keyboard::KeyCode key) : m_type(KEY), m_key(key)
    {
    }

    TriggerId::TriggerId(Devices::Keyboard::KeyCode key, Devices::Keyboard::Modifiers mods)
        : m_type(KEY), m_key(key), m_keyMods(mods)
    {
    }

    TriggerId::TriggerId(Devices::Mouse::MouseButton button) : m_type(MOUSE), m_mouseButton(button)
    {
    }

    TriggerId::TriggerId(JPadFlag flag, int flags)
        : m_type(JPAD), m_jpadFlag(flag), m_jpadOtherFlags(flags), m_jpadFlagMask(flags)
    {
    }

    TriggerId::TriggerId(JPadFlag flag, int otherFlags, int flagMask)
        : m_type(JPAD), m_jpadFlag(flag), m_jpadOtherFlags(otherFlags), m_jpadFlagMask(flagMask)
    {
    }

    TriggerId::TriggerId(TriggerType type) : m_type(type)
    {
    }

    void TriggerId::setTimes(long firstPress, long repeatPress, long holdDelay, long repeatHold)
    {
        m_firstPress = firstPress;
        m_repeatPress = repeatPress;
        m_holdDelay = holdDelay;
        m_repeatHold = repeatHold;
    }

    TriggerId::TriggerType TriggerId::getType() const
    {
        return m_type;
    }

    int TriggerId::getKey() const
    {
        return m_type == KEY ? static_cast<int>(m_key) : 0;
    }

    Devices::Keyboard::Modifiers TriggerId::getKeymods() const
    {
        return m_type == KEY ? m_keyMods : Devices::Keyboard::MOD_NONE;
    }

    Devices::Mouse::MouseButton TriggerId::getMouseButton() const
    {
        return m_type == MOUSE ? m_mouseButton : Devices::Mouse::MB_NONE;
    }

    int TriggerId::getJPadFlag() const
    {
        return m_type == JPAD ? m_jpadFlag : 0;
    }

    int TriggerId::getJPadOtherFlags() const
    {
        return m_type == JPAD ? m_jpadOtherFlags : 0;
    }

    int TriggerId::getJPadFlagMask() const
    {
        return m_type == JPAD ? m_jpadFlagMask : 0;
    }

    long TriggerId::getFirstPressMSecs() const
    {
        return m_firstPress;
    }

    long TriggerId::getRepeatPressMSecs() const
    {
        return m_repeatPress;
    }

    long TriggerId::getHoldDelayMSecs() const
    {
        return m_holdDelay;
    }

    long TriggerId::getRepeatHoldMSecs() const
    {
        return m_repeatHold;
    }

    bool TriggerId::operator==(const TriggerId& other) const
    {
        if (m_type != other.m_type)
            return false;
        switch (m_type)
        {
        case NO_TRIGGER:
        case DWELL:
        case ENTERLEAVE:
            return true;
        case KEY:
            return m_key == other.m_key && m_keyMods == other.m_keyMods;
        case MOUSE:
            return m_mouseButton == other.m_mouseButton;
        case JPAD:
            // A stored trigger's other flags must agree with the device's flag set
            // wherever the stored mask says they matter (and the other way round).
            return m_jpadFlag == other.m_jpadFlag &&
                   (m_jpadOtherFlags & other.m_jpadFlagMask) == (m_jpadFlagMask & other.m_jpadOtherFlags);
        }
        return false;   // unknown types equal nothing, not even themselves
    }

    bool TriggerId::serialize(Util::I_Serializer* s) const
    {
        bool ok = s->putString(typeWord(m_type), TRIGGERTYPE_TAG);
        switch (m_type)
        {
        case KEY:
            ok = ok && s->putUInt(m_key, TRIGGERKEY_TAG);
            ok = ok && s->putUInt(m_keyMods, TRIGGERKEYMODS_TAG);
            break;
        case MOUSE:
            ok = ok && s->putUInt(m_mouseButton, TRIGGERMOUSEBTN_TAG);
            break;
        case JPAD:
            ok = ok && s->putInt(m_jpadFlag, TRIGGERJPADFLAG_TAG);
            ok = ok && s->putInt(m_jpadOtherFlags, TRIGGERJPADOTHERS_TAG);
            ok = ok && s->putInt(m_jpadFlagMask, TRIGGERJPADMASK_TAG);
            break;
        default:
            break;
        }
        ok = ok && s->putLong(m_firstPress, TRIGGERFIRSTPRESS_TAG);
        ok = ok && s->putLong(m_repeatPress, TRIGGERREPPRESS_TAG);
        ok = ok && s->putLong(m_holdDelay, TRIGGERHOLDDELAY_TAG);
        ok = ok && s->putLong(m_repeatHold, TRIGGERREPHOLD_TAG);
        return ok;
    }

    bool TriggerId::deserialize(Util::I_Serializer* s)
    {
        std::string word;
        if (!s->getString(word, TRIGGERTYPE_TAG))
            return false;
        // A word that names no type leaves the type as it was and is followed by the
        // four times alone, so no device fields are read for it.
        bool named = false;
        for (const TypeWord& entry : s_typeWords)
        {
            if (word == entry.word)
            {
                m_type = entry.type;
                named = true;
            }
        }
        if (word == s_noTriggerWord)
            m_type = NO_TRIGGER;

        bool ok = true;
        switch (named ? m_type : NO_TRIGGER)
        {
        case KEY:
        {
            unsigned int key = 0;
            unsigned int mods = 0;
            // Key codes are 8 bits: a larger number is a damaged profile, and cutting it
            // to its low bits would bind some other key to the switch.
            ok = s->getUInt(key, TRIGGERKEY_TAG) && key <= 0xffu;
            if (ok)
                m_key = static_cast<Devices::Keyboard::KeyCode>(key);
            ok = ok && s->getUInt(mods, TRIGGERKEYMODS_TAG);
            if (ok)
                m_keyMods = static_cast<Devices::Keyboard::Modifiers>(mods);
            break;
        }
        case MOUSE:
        {
            unsigned int button = 0;
            ok = s->getUInt(button, TRIGGERMOUSEBTN_TAG);
            if (ok)
                m_mouseButton = static_cast<Devices::Mouse::MouseButton>(button);
            break;
        }
        case JPAD:
            ok = s->getInt(m_jpadFlag, TRIGGERJPADFLAG_TAG);
            ok = ok && s->getInt(m_jpadOtherFlags, TRIGGERJPADOTHERS_TAG);
            ok = ok && s->getInt(m_jpadFlagMask, TRIGGERJPADMASK_TAG);
            break;
        default:
            break;
        }
        ok = ok && s->getLong(m_firstPress, TRIGGERFIRSTPRESS_TAG);
        ok = ok && s->getLong(m_repeatPress, TRIGGERREPPRESS_TAG);
        ok = ok && s->getLong(m_holdDelay, TRIGGERHOLDDELAY_TAG);
        ok = ok && s->getLong(m_repeatHold, TRIGGERREPHOLD_TAG);
        return ok;
    }
}
