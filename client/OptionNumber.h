#ifndef KWEP_OPTIONNUMBER_H
#define KWEP_OPTIONNUMBER_H

#include <string>

namespace KWEP {

// The numbers of the option flags. A value is the number at the start of its
// word, the rest of the word ignored ("800x600" gives 800), but the word must
// start with a number: an optional sign, then digits (a decimal point may
// come before the digits of a float). Otherwise, or when the number does not
// fit the type, the read fails and leaves the value alone; an unsigned value
// takes no minus sign.
namespace OptionNumber {

bool read(const std::string& word, int& value);
bool read(const std::string& word, unsigned int& value);
bool read(const std::string& word, float& value);

} // namespace OptionNumber

} // namespace KWEP

#endif
