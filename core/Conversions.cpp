#include "core/Conversions.h"

#include <charconv>
#include <cstring>

namespace Util {

namespace {

const char* const WHITE_SPACE = " \t\n\r\v\f";

bool isDigitIn(char ch, int base)
{
    if (ch >= '0' && ch <= '9') return ch - '0' < base;
    if (base != 16) return false;
    return (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int digitValue(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    return ch - 'A' + 10;
}

bool isDecimal(char ch) { return ch >= '0' && ch <= '9'; }

bool hasHexPrefix(const std::string& text, std::size_t pos)
{
    return pos + 2 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')
        && isDigitIn(text[pos + 2], 16);
}

bool hasBareHexPrefix(const std::string& text, std::size_t pos)
{
    return pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')
        && !hasHexPrefix(text, pos);
}

} // namespace

namespace Detail {

bool readInteger(const std::string& text, int base, bool allowMinus,
                 long long low, long long high, long long& value)
{
    std::size_t pos = text.find_first_not_of(WHITE_SPACE);
    if (pos == std::string::npos) return false;

    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        if (negative && !allowMinus) return false;
        ++pos;
    }

    // "0x" with no hex digit after it holds no digits: the caller's default applies.
    if ((base != 8 && base != 10) && hasBareHexPrefix(text, pos)) return false;
    if (base == 16) {
        if (hasHexPrefix(text, pos)) pos += 2;
    } else if (base != 8 && base != 10) {
        if (hasHexPrefix(text, pos)) {
            base = 16;
            pos += 2;
        } else if (pos < text.size() && text[pos] == '0') {
            base = 8;
        } else {
            base = 10;
        }
    }

    // Accumulate the magnitude; anything beyond 33 bits is out of every range.
    const unsigned long long LIMIT = 1ull << 33;
    unsigned long long magnitude = 0;
    std::size_t digits = 0;
    for (; pos < text.size() && isDigitIn(text[pos], base); ++pos, ++digits) {
        if (magnitude < LIMIT) magnitude = magnitude * static_cast<unsigned>(base) + digitValue(text[pos]);
    }
    if (digits == 0 || magnitude >= LIMIT) return false;

    const long long result = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    if (result < low || result > high) return false;
    value = result;
    return true;
}

bool readReal(const std::string& text, double& value)
{
    std::size_t pos = text.find_first_not_of(WHITE_SPACE);
    if (pos == std::string::npos) return false;

    // Find the longest prefix that forms a decimal number.
    std::string number;
    if (text[pos] == '+' || text[pos] == '-') {
        if (text[pos] == '-') number += '-';
        ++pos;
    }
    std::size_t mantissaDigits = 0;
    for (; pos < text.size() && isDecimal(text[pos]); ++pos, ++mantissaDigits) number += text[pos];
    if (pos < text.size() && text[pos] == '.') {
        number += '.';
        for (++pos; pos < text.size() && isDecimal(text[pos]); ++pos, ++mantissaDigits) number += text[pos];
    }
    if (mantissaDigits == 0) return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        std::string exponent = "e";
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) exponent += text[exp++];
        if (exp < text.size() && isDecimal(text[exp])) {
            while (exp < text.size() && isDecimal(text[exp])) exponent += text[exp++];
            number += exponent;
        }
    }

    double result = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    const std::from_chars_result read = std::from_chars(first, last, result);
    if (read.ec != std::errc() || read.ptr != last) return false;
    value = result;
    return true;
}

std::string writeUnsigned(std::uint64_t value, int base)
{
    if (value == 0) return "0";
    const int radix = (base == 8 || base == 16) ? base : 10;
    const char* const DIGITS = "0123456789abcdef";
    std::string reversed;
    for (; value != 0; value /= radix) reversed += DIGITS[value % radix];
    std::string text = radix == 8 ? "0" : radix == 16 ? "0x" : "";
    text.append(reversed.rbegin(), reversed.rend());
    return text;
}

std::string padLeft(const std::string& text, int width)
{
    if (width <= 0 || static_cast<std::size_t>(width) <= text.size()) return text;
    return std::string(static_cast<std::size_t>(width) - text.size(), '0') + text;
}

} // namespace Detail

int splitString(const std::string& text, const std::string& separator,
                std::vector<std::string>& pieces, bool keepEmpty)
{
    if (separator.empty()) {
        // An empty separator would match everywhere without moving on.
        if (!text.empty() || keepEmpty) pieces.push_back(text);
        return static_cast<int>(pieces.size());
    }
    std::size_t start = 0;
    bool found = false;
    do {
        const std::size_t at = text.find(separator, start);
        found = at != std::string::npos;
        if (found) {
            if (at != start || keepEmpty) pieces.push_back(text.substr(start, at - start));
            start = at + separator.size();
        } else if (!text.empty() || keepEmpty) {
            pieces.push_back(text.substr(start));
        }
    } while (found && start < text.size());
    if (keepEmpty && found) pieces.push_back(std::string());
    return static_cast<int>(pieces.size());
}

void tokenizeStr(const std::string& text, std::vector<std::string>& tokens,
                 const std::string& delimiters)
{
    std::size_t start = text.find_first_not_of(delimiters);
    while (start != std::string::npos) {
        const std::size_t end = text.find_first_of(delimiters, start);
        tokens.push_back(trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start), BLANKS));
        start = text.find_first_not_of(delimiters, end);
    }
}

std::string trim(const std::string& text, const char* chars)
{
    const std::size_t first = text.find_first_not_of(chars);
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(chars);
    return text.substr(first, last - first + 1);
}

} // namespace Util
