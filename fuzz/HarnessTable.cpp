#include "fuzz/Harness.h"

#include <cstring>

namespace Fuzz {

const Harness* harnesses()
{
    static const Harness l_table[] = {
        {"config", &fuzzConfig},
        {"serializer", &fuzzSerializer},
        {"profile", &fuzzProfile},
        {"tga", &fuzzTga},
        {"phrases", &fuzzPhrases},
        {"pages", &fuzzPages},
        {"numbers", &fuzzNumbers},
        {"blueprint", &fuzzBlueprint},
        {"level", &fuzzLevel},
        {"physics", &fuzzPhysics},
        {"linemodel", &fuzzLineModel},
        {"dmf", &fuzzDmf},
        {"matdef", &fuzzMatdef},
        {"soundconfig", &fuzzSoundConfig},
        {"wav", &fuzzWav},
        {"ogg", &fuzzOgg},
        {"mod", &fuzzMod},
        {"options", &fuzzOptions},
        {"menus", &fuzzMenus},
        {"highscore", &fuzzHighScore},
        {"letteroffsets", &fuzzLetterOffsets},
        {"cmdline", &fuzzCommandLine},
        {"items", &fuzzItemList},
        {nullptr, nullptr},
    };
    return l_table;
}

const Harness* findHarness(const char* name)
{
    for (const Harness* harness = harnesses(); name != nullptr && harness->name != nullptr; ++harness)
        if (std::strcmp(harness->name, name) == 0)
            return harness;
    return nullptr;
}

} // namespace Fuzz
