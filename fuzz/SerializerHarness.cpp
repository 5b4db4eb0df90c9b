#include "fuzz/Harness.h"

#include <sstream>
#include <string>

#include "core/TextSerializer.h"

namespace Fuzz {

namespace {

const int MAX_READS = 4096;

// One read of the kind the counter picks; false once the stream gave up.
bool readOne(Util::TextSerializer& in, int kind)
{
    bool flag = false;
    int whole = 0;
    unsigned int natural = 0;
    long wide = 0;
    unsigned long wideNatural = 0;
    float real = 0;
    std::string word;
    switch (kind % 7) {
    case 0: return in.getBool(flag, "Bool");
    case 1: return in.getInt(whole, "Int");
    case 2: return in.getUInt(natural, "UInt");
    case 3: return in.getLong(wide, "Long");
    case 4: return in.getULong(wideNatural, "ULong");
    case 5: return in.getFloat(real, "Float");
    default: return in.getString(word, "String");
    }
}

} // namespace

// Tagged values read in a rotating order of types; the first byte turns the
// rotation, so every type meets every kind of line.
int fuzzSerializer(const std::uint8_t* data, std::size_t size)
{
    const int start = size > 0 ? data[0] : 0;
    std::stringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    Util::TextSerializer in(stream);
    for (int i = 0; i < MAX_READS && readOne(in, start + i); ++i) {
    }
    return 0;
}

} // namespace Fuzz
