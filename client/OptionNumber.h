#ifndef KWEP_OPTIONNUMBER_H
#define KWEP_OPTIONNUMBER_H

#include <string>

namespace KWEP {

// The numbers of the option flags. A value is its whole word: an optional
// sign, then digits (a decimal point may come before the digits of a float),
// and nothing after the number ("45abc" and "800x600" fail). Otherwise, or
// when the number does not fit the type, the read fails and leaves the value
// alone; an unsigned value takes no minus sign.
namespace OptionNumber {

bool read(const std::string& word, int& value);
bool read(const std::string& word, unsigned int& value);
bool read(const std::string& word, float& value);

} // namespace OptionNumber

} // namespace KWEP

#endif
