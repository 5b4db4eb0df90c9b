#ifndef FRELMORY_CORE_CONVERSIONS_H
#define FRELMORY_CORE_CONVERSIONS_H

// Text <-> number conversions and small text and value helpers.
// Numbers follow 32-bit rules whatever the width of the host's long:
// int and long are 32-bit signed, unsigned int and unsigned long 32-bit
// unsigned. All text is single-byte in the classic C locale.

#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

namespace Util {

namespace Detail {

// Reads a whole number at the start of the text (after white space) in base 8,
// 10 or 16, or in the base the text shows for any other base. A "-" is accepted
// only when allowMinus is set. The value must lie within [low, high].
// Returns false, leaving value untouched, when nothing could be read.
bool readInteger(const std::string& text, int base, bool allowMinus,
                 long long low, long long high, long long& value);

// Reads a decimal floating-point number at the start of the text (after white
// space). Fails on no digits, infinity/NaN words, hexadecimal forms and on a
// range error of the double conversion.
bool readReal(const std::string& text, double& value);

// Writes an unsigned magnitude in base 8 (prefix "0"), 16 (prefix "0x") or
// decimal (every other base); zero is "0" in every base.
std::string writeUnsigned(std::uint64_t value, int base);

// Pads text on the left with '0' up to width.
std::string padLeft(const std::string& text, int width);

} // namespace Detail

// Text to number: the number at the start of the text, or def when the text
// does not start with one or the value does not fit the (32-bit) type.
// base 8, 10 or 16 reads in that base (16 accepts a "0x" prefix); any other
// base lets the text decide ("0x" hex, leading "0" octal, else decimal).
// For float and double the base has no effect.
template <typename T>
T strToNum(const std::string& text, int base, T def)
{
    static_assert(std::is_arithmetic<T>::value, "strToNum reads numbers only");
    if constexpr (std::is_floating_point<T>::value) {
        double value = 0.0;
        if (!Detail::readReal(text, value)) return def;
        // Narrowing a double beyond the type's range is undefined; say infinity.
        if (value > std::numeric_limits<T>::max()) return std::numeric_limits<T>::infinity();
        if (value < std::numeric_limits<T>::lowest()) return -std::numeric_limits<T>::infinity();
        return static_cast<T>(value);
    } else {
        // Integers never exceed 32 bits, even where the host type is wider.
        long long low = 0, high = 0;
        if constexpr (std::is_signed<T>::value) {
            low = std::numeric_limits<T>::min() < INT32_MIN ? INT32_MIN : std::numeric_limits<T>::min();
            high = std::numeric_limits<T>::max() > INT32_MAX ? INT32_MAX : std::numeric_limits<T>::max();
        } else {
            high = std::numeric_limits<T>::max() > UINT32_MAX ? UINT32_MAX : std::numeric_limits<T>::max();
        }
        long long value = 0;
        if (!Detail::readInteger(text, base, std::is_signed<T>::value, low, high, value)) return def;
        return static_cast<T>(value);
    }
}

// Number to text in base 8 ("0" prefix), 16 ("0x" prefix, lower case) or
// decimal (any other base), padded on the left with '0' up to width (the
// padding goes in front of sign and prefix). A negative number is written
// with "-" in decimal and as its 32-bit two's-complement pattern in base 8/16.
template <typename T>
std::string numToStr(T value, int base, int width)
{
    static_assert(std::is_integral<T>::value, "numToStr writes whole numbers only");
    std::string text;
    if constexpr (std::is_signed<T>::value) {
        if (value < 0) {
            if (base == 8 || base == 16) {
                text = Detail::writeUnsigned(static_cast<std::uint32_t>(value), base);
            } else {
                // Negate in unsigned arithmetic: the smallest value has no positive twin.
                text = "-" + Detail::writeUnsigned(0ull - static_cast<unsigned long long>(static_cast<long long>(value)), base);
            }
            return Detail::padLeft(text, width);
        }
    }
    text = Detail::writeUnsigned(static_cast<std::uint64_t>(value), base);
    return Detail::padLeft(text, width);
}

// Cuts text at every occurrence of separator (never empty) and appends the
// pieces to pieces (which is not cleared). Without keepEmpty no empty piece is
// appended; with it every separator delimits a piece. Returns pieces.size().
int splitString(const std::string& text, const std::string& separator,
                std::vector<std::string>& pieces, bool keepEmpty);

// The blanks between the words and around the values of the game's text
// files.
inline constexpr char BLANKS[] = " \t\n\r";

// Appends each maximal run of characters not in delimiters, trimmed of
// BLANKS (and appended even when that leaves it empty).
void tokenizeStr(const std::string& text, std::vector<std::string>& tokens,
                 const std::string& delimiters);

// The text without the leading and trailing characters found in chars.
std::string trim(const std::string& text, const char* chars);

// b when b is not greater than a, else a (so b on equality or NaN).
template <typename T>
T MIN(const T& a, const T& b) { return b > a ? a : b; }

// b when b is not less than a, else a.
template <typename T>
T MAX(const T& a, const T& b) { return b < a ? a : b; }

// low when low > value, else high when value > high, else value.
template <typename T>
T CLAMP(const T& value, const T& low, const T& high)
{
    if (low > value) return low;
    if (value > high) return high;
    return value;
}

} // namespace Util

#endif
