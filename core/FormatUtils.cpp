#include "core/FormatUtils.h"

#include "core/Conversions.h"

namespace Format {

std::string capitaliseSentences(const std::string& text)
{
    std::string result(text);
    bool pending = true;
    for (char& ch : result) {
        if (ch == '.' || ch == '!' || ch == '?') {
            pending = true;
        } else if (pending && ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))) {
            if (ch >= 'a') ch = static_cast<char>(ch - 'a' + 'A');
            pending = false;
        }
    }
    return result;
}

std::string asString(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string asString(const std::vector<std::vector<std::string>>& pages, const std::string& separator)
{
    std::string text;
    for (const std::vector<std::string>& page : pages) {
        text += asString(page);
        text += separator;
    }
    return text;
}

std::string padto(const std::string& text, unsigned int width)
{
    // A text that already fills the width (or overruns it) is left alone.
    if (text.size() >= width) return text;
    const unsigned int extra = width - static_cast<unsigned int>(text.size());

    std::vector<std::string> words;
    Util::splitString(text, " ", words, false);
    if (words.size() == 1) return text;
    if (words.empty()) return std::string();

    // Spread the extra blanks over the gaps left to right; the single-precision
    // share and carry decide which gaps get one more.
    const float share = static_cast<float>(extra) / static_cast<float>(words.size() - 1);
    float carry = 0.0f;
    std::string result;
    result.reserve(width);
    for (std::size_t i = 0; i < words.size(); ++i) {
        result += words[i];
        if (i + 1 == words.size()) break;
        const double sum = static_cast<double>(carry) + static_cast<double>(share);
        const long long whole = static_cast<long long>(sum);
        carry = static_cast<float>(sum - static_cast<double>(whole));
        result.append(static_cast<std::size_t>(whole + 1), ' ');
    }
    return result;
}

namespace {

std::string escapeOf(unsigned char byte)
{
    switch (byte) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    static const char l_digits[] = "0123456789abcdef";
    return std::string("\\x") + l_digits[byte >> 4] + l_digits[byte & 0x0f];
}

} // namespace

std::string printable(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7f) {
            shown += escapeOf(byte);
        } else if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) {
            shown += escapeOf(byte) + escapeOf(next);
            ++i;
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

} // namespace Format
