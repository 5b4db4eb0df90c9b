#include "client/OptionText.h"

#include <algorithm>
#include <cstring>
#include <locale>
#include <sstream>

#include "core/Conversions.h"

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

bool isSeparator(char c) { return std::strchr(SEPARATORS, c) != nullptr && c != '\0'; }

// The quoted token starting at text[at] (the opening quote); at ends after
// the closing quote, or at the end of the text when it has none.
std::string quotedToken(const std::string& text, std::size_t& at)
{
    std::string token;
    for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (c == QUOTE) {
            ++at;
            break;
        }
        if (c == ESCAPE && at + 1 < text.size())
            ++at;
        token += text[at];
    }
    return token;
}

} // namespace

std::string shown(const std::string& token)
{
    return token.size() <= SHOWN_CHARACTERS ? token : token.substr(0, SHOWN_CHARACTERS) + "...";
}

std::string fileToken(const std::string& file)
{
    const bool plain = !file.empty() && file[0] != QUOTE
        && file.find_first_of(std::string(SEPARATORS) + QUOTE + ESCAPE) == std::string::npos;
    if (plain)
        return file;
    std::string token(1, QUOTE);
    for (char c : file) {
        if (c == QUOTE || c == ESCAPE)
            token += ESCAPE;
        token += c;
    }
    return token + QUOTE;
}

std::vector<std::string> tokens(const std::string& text)
{
    std::vector<std::string> found;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isSeparator(text[at])) {
            ++at;
        } else if (text[at] == QUOTE) {
            found.push_back(quotedToken(text, at));
        } else {
            const std::size_t end = std::min(text.find_first_of(SEPARATORS, at), text.size());
            found.push_back(text.substr(at, end - at));
            at = end;
        }
    }
    return found;
}

} // namespace OptionText

} // namespace KWEP
