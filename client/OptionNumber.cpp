#include "client/OptionNumber.h"

#include <cctype>
#include <locale>
#include <sstream>

namespace KWEP {

namespace OptionNumber {

namespace {

bool startsWithNumber(const std::string& word, bool allowMinus, bool allowPoint)
{
    std::size_t at = 0;
    if (at < word.size() && (word[at] == '+' || (allowMinus && word[at] == '-')))
        ++at;
    if (allowPoint && at < word.size() && word[at] == '.')
        ++at;
    return at < word.size() && std::isdigit(static_cast<unsigned char>(word[at])) != 0;
}

// Stream extraction fails on a number beyond the type's range; text after
// the number ("45abc") fails the read as well.
template <class T>
bool extract(const std::string& word, T& value)
{
    std::istringstream in(word);
    in.imbue(std::locale::classic());
    T read = T();
    if (!(in >> read) || in.peek() != std::char_traits<char>::eof())
        return false;
    value = read;
    return true;
}

} // namespace

bool read(const std::string& word, int& value)
{
    return startsWithNumber(word, true, false) && extract(word, value);
}

bool read(const std::string& word, unsigned int& value)
{
    return startsWithNumber(word, false, false) && extract(word, value);
}

bool read(const std::string& word, float& value)
{
    return startsWithNumber(word, true, true) && extract(word, value);
}

} // namespace OptionNumber

} // namespace KWEP
