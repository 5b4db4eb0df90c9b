#include "input/KeyboardStrings.h"

#include "core/Conversions.h"

namespace Devices
{
    KeyboardStrings* KeyboardStrings::instance()
    {
        static KeyboardStrings l_instance;
        return &l_instance;
    }

    KeyboardStrings::KeyboardStrings()
    {
        m_modifierNames[Keyboard::Modifiers(1)] = "SHIFT";
        m_modifierNames[Keyboard::Modifiers(2)] = "ALT";
        m_modifierNames[Keyboard::Modifiers(3)] = "ALT+SHIFT";
        m_modifierNames[Keyboard::Modifiers(4)] = "CTRL";
        m_modifierNames[Keyboard::Modifiers(5)] = "CTRL+SHIFT";
        m_modifierNames[Keyboard::Modifiers(6)] = "CTRL+ALT";
        m_modifierNames[Keyboard::Modifiers(7)] = "CTRL+ALT+SHIFT";

        // Printable characters (32 to 126) name themselves; every other code is its
        // number in hexadecimal.
        for (int code = 0; code < 256; ++code)
        {
            if (code >= 32 && code <= 126)
                m_keyNames[code] = std::string(1, static_cast<char>(code));
            else
                m_keyNames[code] = Util::numToStr(code, 16, 0);
        }

        static const char* const l_special[] = {
            nullptr, "SHIFT", "ALT", "CTRL", "LEFT", "RIGHT", "UP", "DOWN",
            "HOME", "END", "INSERT", "PAGE UP", "PAGE DN", "RETURN"};
        for (int code = 1; code <= Keyboard::KEY_RETURN; ++code)
            m_keyNames[code] = l_special[code];
        m_keyNames[Keyboard::KEY_ESC] = "ESC";
        m_keyNames[Keyboard::KEY_SPACE] = "SPACE";

        static const char* const l_keypad[] = {
            "KP0", "KP1", "KP2", "KP3", "KP4", "KP5", "KP6", "KP7", "KP8", "KP9",
            "KP/", "KP*", "KP-", "KP+", "KP.", "KP=", "KP RET"};
        for (int code = Keyboard::KEY_KP0; code <= Keyboard::KEY_KP_ENTER; ++code)
            m_keyNames[code] = l_keypad[code - Keyboard::KEY_KP0];
    }

    const std::string& KeyboardStrings::get(Keyboard::Modifiers mods) const
    {
        static const std::string l_blank;
        std::map<Keyboard::Modifiers, std::string>::const_iterator it = m_modifierNames.find(mods);
        return it == m_modifierNames.end() ? l_blank : it->second;
    }

    const std::string& KeyboardStrings::get(unsigned char key) const
    {
        return m_keyNames[key];
    }

    std::string KeyboardStrings::get(unsigned char key, unsigned int mods) const
    {
        if (mods == 0)
            return get(key);
        return get(static_cast<Keyboard::Modifiers>(mods)) + " " + get(key);
    }
}
