#ifndef INPUT_KEYBOARDSTRINGS_H
#define INPUT_KEYBOARDSTRINGS_H

#include "input/Keyboard.h"

#include <map>
#include <string>

namespace Devices
{
    // Display names of key codes and modifier masks; one process-wide table.
    class KeyboardStrings
    {
    public:
        static KeyboardStrings* instance();
        virtual ~KeyboardStrings() = default;

        // The mask's name ("CTRL+ALT"), or "" for a mask without one.
        virtual const std::string& get(Keyboard::Modifiers mods) const;
        virtual const std::string& get(unsigned char key) const;
        // The key's name, preceded by the mask's name and a blank unless the mask is 0.
        virtual std::string get(unsigned char key, unsigned int mods) const;

    private:
        KeyboardStrings();

        std::map<Keyboard::Modifiers, std::string> m_modifierNames;
        std::string m_keyNames[256];
    };
}

#endif
