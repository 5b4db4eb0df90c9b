#ifndef FRELMORY_CORE_FORMATUTILS_H
#define FRELMORY_CORE_FORMATUTILS_H

#include <string>
#include <vector>

namespace Format {

// Upper-cases the first letter of the text and the first letter after each
// '.', '!' or '?'. Only ASCII letters are changed.
std::string capitaliseSentences(const std::string& text);

// Every line followed by '\n'.
std::string asString(const std::vector<std::string>& lines);

// Every page joined as above, each followed by separator.
std::string asString(const std::vector<std::vector<std::string>>& pages, const std::string& separator);

// Full justification of one line: the words of text (split at blanks) with the
// gaps widened, left to right, so the line reaches about width columns. A text
// already at least width long, or of a single word, comes back unchanged; a text
// of blanks only gives "".
std::string padto(const std::string& text, unsigned int width);

// The text as a message may show it on a terminal: control characters (C0,
// DEL and the two-byte UTF-8 forms of C1) become escapes ("\n", "\r", "\t",
// "\x1b"), so a damaged file's bytes or a path cannot move the cursor, clear
// the screen or hide the rest of the message. Other bytes pass unchanged.
std::string printable(const std::string& text);

} // namespace Format

#endif
