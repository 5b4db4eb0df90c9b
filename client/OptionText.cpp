#include "client/OptionText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <locale>
#include <sstream>

#include "core/Conversions.h"
#include "core/FormatUtils.h"

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

namespace {

const std::size_t SHOWN_CHARACTERS = 60;
const char* const SEPARATORS = Util::BLANKS;
const char QUOTE = '"';
const char ESCAPE = '\\';

// A table of the separators: the options file is scanned a character at a
// time, and it may be tens of megabytes long.
bool isSeparator(char c)
{
    static const std::array<bool, 256> l_separators = [] {
        std::array<bool, 256> table{};
        for (const char* s = SEPARATORS; *s; ++s)
            table[static_cast<unsigned char>(*s)] = true;
        return table;
    }();
    return l_separators[static_cast<unsigned char>(c)];
}

const char LINE_END = '\n';

// The character an escape stands for.
char unescaped(char c)
{
    return c == 'n' ? '\n' : c == 'r' ? '\r' : c;
}

// The quoted token starting at text[at] (the opening quote); at ends after
// the closing quote, or at the line end or the text's end when it has none.
std::string quotedToken(const std::string& text, std::size_t& at)
{
    std::string token;
    for (++at; at < text.size() && text[at] != LINE_END; ++at) {
        const char c = text[at];
        if (c == QUOTE) {
            ++at;
            break;
        }
        const bool escape = c == ESCAPE && at + 1 < text.size() && text[at + 1] != LINE_END;
        token += escape ? unescaped(text[++at]) : c;
    }
    return token;
}

} // namespace

std::string shown(const std::string& token)
{
    return Format::printable(token.size() <= SHOWN_CHARACTERS ? token : token.substr(0, SHOWN_CHARACTERS) + "...");
}

std::string fileToken(const std::string& file)
{
    const bool plain = !file.empty() && file[0] != QUOTE
        && file.find_first_of(std::string(SEPARATORS) + QUOTE + ESCAPE) == std::string::npos;
    if (plain)
        return file;
    std::string token(1, QUOTE);
    for (char c : file) {
        if (c == '\n' || c == '\r') {
            token += ESCAPE;
            token += c == '\n' ? 'n' : 'r';
            continue;
        }
        if (c == QUOTE || c == ESCAPE)
            token += ESCAPE;
        token += c;
    }
    return token + QUOTE;
}

bool nextToken(const std::string& text, std::size_t& at, std::string& token)
{
    while (at < text.size() && isSeparator(text[at]))
        ++at;
    if (at >= text.size())
        return false;
    if (text[at] == QUOTE) {
        token = quotedToken(text, at);
        return true;
    }
    std::size_t end = at;
    while (end < text.size() && !isSeparator(text[end]))
        ++end;
    token.assign(text, at, end - at);
    at = end;
    return true;
}

std::vector<std::string> tokens(const std::string& text)
{
    std::vector<std::string> found;
    std::size_t at = 0;
    std::string token;
    while (nextToken(text, at, token))
        found.push_back(token);
    return found;
}

} // namespace OptionText

} // namespace KWEP
