#ifndef FRELMORY_CORE_I_SERIALIZER_H
#define FRELMORY_CORE_I_SERIALIZER_H

#include <string>

namespace Util {

// Writes and reads an object's fields one by one, each optionally labelled
// with a tag (null for none). Every operation answers whether the underlying
// stream is still good; callers stop at the first false.
class I_Serializer {
public:
    virtual ~I_Serializer() = default;

    virtual bool putBool(bool value, const char* tag) = 0;
    virtual bool putInt(int value, const char* tag) = 0;
    virtual bool putUInt(unsigned int value, const char* tag) = 0;
    virtual bool putLong(long value, const char* tag) = 0;
    virtual bool putULong(unsigned long value, const char* tag) = 0;
    virtual bool putFloat(float value, const char* tag) = 0;
    virtual bool putString(const std::string& value, const char* tag) = 0;

    virtual bool getBool(bool& value, const char* tag) = 0;
    virtual bool getInt(int& value, const char* tag) = 0;
    virtual bool getUInt(unsigned int& value, const char* tag) = 0;
    virtual bool getLong(long& value, const char* tag) = 0;
    virtual bool getULong(unsigned long& value, const char* tag) = 0;
    virtual bool getFloat(float& value, const char* tag) = 0;
    virtual bool getString(std::string& value, const char* tag) = 0;
};

} // namespace Util

#endif
