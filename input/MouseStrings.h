#ifndef INPUT_MOUSESTRINGS_H
#define INPUT_MOUSESTRINGS_H

#include <map>
#include <string>

namespace Devices
{
    // Display names of mouse-button masks; one process-wide table.
    class MouseStrings
    {
    public:
        static MouseStrings* instance();
        virtual ~MouseStrings() = default;

        // The mask's name ("LMB+MMB"), or "" for a mask without one.
        virtual const std::string& get(unsigned int mask) const;

    private:
        MouseStrings();

        std::map<unsigned int, std::string> m_names;
    };
}

#endif
