#include "client/OptionText.h"

#include <locale>
#include <sstream>

namespace KWEP {

namespace OptionText {

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

std::string number(float value)
{
    std::ostringstream out;
    // The file must read back the same whatever locale the program runs in.
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

std::string volume(bool on, unsigned int percent)
{
    return on ? std::to_string(percent) : onOff(false);
}

std::string size(int width, int height)
{
    return std::to_string(width) + " " + std::to_string(height);
}

} // namespace OptionText

} // namespace KWEP
