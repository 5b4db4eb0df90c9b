#ifndef FRELMORY_CORE_TEXTSERIALIZER_H
#define FRELMORY_CORE_TEXTSERIALIZER_H

#include <iosfwd>
#include <string>

#include "core/I_Serializer.h"

namespace Util {

// Writes and reads fields as lines of text on the caller's stream: one field
// per line, "tag: value" or the bare value. A read skips one word for the
// tag (it is not compared), reads the value and drops the rest of the line.
// Strings are single words; the empty string is written "<EMPTY>". int and
// long are 32-bit in the text: a long outside that range fails the read.
class TextSerializer : public I_Serializer {
public:
    // The stream must outlive the serialiser; it is never opened, closed or
    // positioned here.
    explicit TextSerializer(std::iostream& stream);

    std::iostream& getIOStream() const;

    bool putBool(bool value, const char* tag) override;
    bool putInt(int value, const char* tag) override;
    bool putUInt(unsigned int value, const char* tag) override;
    bool putLong(long value, const char* tag) override;
    bool putULong(unsigned long value, const char* tag) override;
    bool putFloat(float value, const char* tag) override;
    bool putString(const std::string& value, const char* tag) override;

    bool getBool(bool& value, const char* tag) override;
    bool getInt(int& value, const char* tag) override;
    bool getUInt(unsigned int& value, const char* tag) override;
    bool getLong(long& value, const char* tag) override;
    bool getULong(unsigned long& value, const char* tag) override;
    bool getFloat(float& value, const char* tag) override;
    bool getString(std::string& value, const char* tag) override;

    // True while the stream has no error, failure or end-of-file state.
    virtual bool validOutput() const;
    virtual bool putTag(const char* tag);
    virtual bool validInput() const;
    virtual bool getTag(const char* tag);

private:
    template <typename V>
    bool putData(const V& value, const char* tag);
    template <typename V>
    bool getData(V& value, const char* tag);
    bool endLine();

    std::iostream& m_stream;
};

} // namespace Util

#endif
