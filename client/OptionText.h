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
// "..." after a cut, control characters escaped (Format::printable).
std::string shown(const std::string& token);

// A file name as one token of the options file: as it is when it is not
// empty and holds no blank, tab, line end, double quote or backslash;
// otherwise in double quotes, each quote and backslash inside escaped by a
// backslash, a newline written "\n" and a carriage return "\r", so the
// quoted name stays on its line.
std::string fileToken(const std::string& file);

// The next token of an options file at or after at, which moves past it;
// false when only separators are left. Tokens are runs of characters other
// than blank, tab and line ends; one that starts with '"' runs to the
// closing quote (blanks included, the escapes of fileToken undone) or, when
// the quote is not closed, to the end of its line, so a damaged entry
// cannot swallow the lines after it. A file written before names were
// quoted reads as it always did.
bool nextToken(const std::string& text, std::size_t& at, std::string& token);

// Every token of the text, as nextToken finds them.
std::vector<std::string> tokens(const std::string& text);

} // namespace OptionText

} // namespace KWEP

#endif
