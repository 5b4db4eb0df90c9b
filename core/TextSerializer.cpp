#include "core/TextSerializer.h"

#include <iostream>
#include <limits>
#include <locale>
#include <sstream>

namespace Util {

namespace {

static_assert(sizeof(int) == 4, "int and long are stored as 32-bit values");

const char* const EMPTY_STRING = "<EMPTY>";

// Numbers are written in the classic locale whatever the stream's own.
template <typename V>
std::string toText(const V& value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

std::string toText(const std::string& value) { return value; }

// The value of one word, read the way the stream would read it in the
// classic locale; false when the word is not a number of the type.
template <typename V>
bool fromText(const std::string& word, V& value) {
    std::istringstream text(word);
    text.imbue(std::locale::classic());
    V read;
    if (!(text >> read))
        return false;
    value = read;
    return true;
}

bool fromText(const std::string& word, std::string& value) {
    value = word;
    return true;
}

} // namespace

TextSerializer::TextSerializer(std::iostream& stream) : m_stream(stream) {}

std::iostream& TextSerializer::getIOStream() const { return m_stream; }

bool TextSerializer::validOutput() const {
    return !(m_stream.rdstate() & (std::ios::badbit | std::ios::failbit | std::ios::eofbit));
}

bool TextSerializer::validInput() const { return validOutput(); }

bool TextSerializer::putTag(const char* tag) {
    if (!validOutput() || tag == nullptr)
        return validOutput();
    m_stream << tag << ": ";
    return validOutput();
}

bool TextSerializer::getTag(const char* tag) {
    if (!validInput() || tag == nullptr)
        return validInput();
    std::string word;
    m_stream >> word;
    return validInput();
}

template <typename V>
bool TextSerializer::putData(const V& value, const char* tag) {
    if (!putTag(tag))
        return false;
    m_stream << toText(value) << '\n';
    return validOutput();
}

// Reads one word as the value and drops the rest of its line. Every line must end
// with a newline: a last line without one fails the read, although the value was read.
template <typename V>
bool TextSerializer::getData(V& value, const char* tag) {
    if (!getTag(tag))
        return false;
    std::string word;
    if (!(m_stream >> word))
        return false;
    if (!fromText(word, value)) {
        m_stream.setstate(std::ios::failbit);
        return false;
    }
    return endLine();
}

bool TextSerializer::endLine() {
    // get() at the end of the stream sets the failure state, so a missing final
    // newline fails here.
    for (int c = m_stream.get(); c != std::char_traits<char>::eof() && c != '\n'; c = m_stream.get()) {
    }
    return !m_stream.fail();
}

bool TextSerializer::putBool(bool value, const char* tag) { return putData(value ? 1 : 0, tag); }
bool TextSerializer::putInt(int value, const char* tag) { return putData(value, tag); }
bool TextSerializer::putUInt(unsigned int value, const char* tag) { return putData(value, tag); }
bool TextSerializer::putLong(long value, const char* tag) { return putData(value, tag); }
bool TextSerializer::putULong(unsigned long value, const char* tag) { return putData(value, tag); }

// Six significant digits in the shortest of fixed and exponent form.
bool TextSerializer::putFloat(float value, const char* tag) {
    return putData(static_cast<double>(value), tag);
}

bool TextSerializer::putString(const std::string& value, const char* tag) {
    return putData(value.empty() ? std::string(EMPTY_STRING) : value, tag);
}

bool TextSerializer::getBool(bool& value, const char* tag) {
    int number = 0;
    if (!getData(number, tag))
        return false;
    if (number != 0 && number != 1) {
        m_stream.setstate(std::ios::failbit);
        return false;
    }
    value = number == 1;
    return true;
}

bool TextSerializer::getInt(int& value, const char* tag) { return getData(value, tag); }
bool TextSerializer::getUInt(unsigned int& value, const char* tag) { return getData(value, tag); }

// long is 32 bits in the text even where the host's long is wider.
bool TextSerializer::getLong(long& value, const char* tag) {
    int number = 0;
    if (!getData(number, tag))
        return false;
    value = number;
    return true;
}

bool TextSerializer::getULong(unsigned long& value, const char* tag) {
    unsigned int number = 0;
    if (!getData(number, tag))
        return false;
    value = number;
    return true;
}

bool TextSerializer::getFloat(float& value, const char* tag) { return getData(value, tag); }

bool TextSerializer::getString(std::string& value, const char* tag) {
    std::string word;
    if (!getData(word, tag))
        return false;
    value = word == EMPTY_STRING ? std::string() : word;
    return true;
}

} // namespace Util
