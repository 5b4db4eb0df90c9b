#ifndef KWEP_OPTIONTEXT_H
#define KWEP_OPTIONTEXT_H

#include <string>

namespace KWEP {

// Option values as the options file and the help text write them.
namespace OptionText {

// "on" or "off".
std::string onOff(bool on);

// General notation of an output stream: at most six significant digits, no
// trailing zeros (0.5, 4, 33).
std::string number(float value);

// The volume in per cent when the sound kind is on, else "off".
std::string volume(bool on, unsigned int percent);

// Width and height as signed decimal numbers with one blank between.
std::string size(int width, int height);

} // namespace OptionText

} // namespace KWEP

#endif
