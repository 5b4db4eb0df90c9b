#ifndef KWEP_OPTIONTEXT_H
#define KWEP_OPTIONTEXT_H

#include <string>
#include <vector>

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

// A token as a message shows it: cut to its first 60 characters, with
// "..." after a cut.
std::string shown(const std::string& token);

// A file name as one token of the options file: as it is when it is not
// empty and holds no blank, tab, line end, double quote or backslash;
// otherwise in double quotes, each quote and backslash inside escaped by a
// backslash.
std::string fileToken(const std::string& file);

// The tokens of an options file: runs of characters other than blank, tab
// and line ends, where a token that starts with '"' runs to the closing
// quote (blanks included, the escapes of fileToken undone). A file written
// before names were quoted reads as it always did.
std::vector<std::string> tokens(const std::string& text);

} // namespace OptionText

} // namespace KWEP

#endif
