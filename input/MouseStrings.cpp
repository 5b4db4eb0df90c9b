#include "input/MouseStrings.h"

namespace Devices
{
    MouseStrings* MouseStrings::instance()
    {
        static MouseStrings l_instance;
        return &l_instance;
    }

    MouseStrings::MouseStrings()
    {
        m_names[1] = "LMB";
        m_names[2] = "RMB";
        m_names[4] = "MMB";
        m_names[3] = "LMB+RMB";
        m_names[5] = "LMB+MMB";
        m_names[6] = "RMB+MMB";
        m_names[7] = "LMB+RMB+MMB";
    }

    const std::string& MouseStrings::get(unsigned int mask) const
    {
        static const std::string l_blank;
        std::map<unsigned int, std::string>::const_iterator it = m_names.find(mask);
        return it == m_names.end() ? l_blank : it->second;
    }
}
