#include "fuzz/Harness.h"

#include <string>
#include <vector>

#include "core/Conversions.h"

namespace Fuzz {

namespace {

// Every number type in every base the game reads, and the writers back.
void readAllKinds(const std::string& text)
{
    for (int base : {0, 8, 10, 16}) {
        Util::numToStr(Util::strToNum<int>(text, base, -1), base, 8);
        Util::numToStr(Util::strToNum<unsigned int>(text, base, 1u), base, 0);
        Util::numToStr(Util::strToNum<long>(text, base, -1L), base, 12);
        Util::numToStr(Util::strToNum<unsigned long>(text, base, 1UL), base, 0);
        Util::numToStr(Util::strToNum<short>(text, base, short(-1)), base, 3);
        Util::numToStr(Util::strToNum<unsigned char>(text, base, static_cast<unsigned char>(1)), base, 0);
    }
    Util::strToNum<float>(text, 10, -1.0f);
    Util::strToNum<double>(text, 10, -1.0);
}

} // namespace

// Number conversions and the splitters that cut configuration values into
// numbers, over each piece the game would see.
int fuzzNumbers(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    readAllKinds(text);
    std::vector<std::string> pieces;
    Util::splitString(text, ",", pieces, true);
    for (std::size_t i = 0; i < pieces.size() && i < 64; ++i)
        readAllKinds(Util::trim(pieces[i], " \t"));
    std::vector<std::string> tokens;
    Util::tokenizeStr(text, tokens, " \t\n");
    Util::splitString(text, "==", pieces, false);
    return 0;
}

} // namespace Fuzz
