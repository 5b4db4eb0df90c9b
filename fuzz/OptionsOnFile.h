#ifndef FRELMORY_FUZZ_OPTIONSONFILE_H
#define FRELMORY_FUZZ_OPTIONSONFILE_H

#include <string>

#include "client/Config.h"

namespace Fuzz {

// The game's option keys with the options file named up front (option key
// 23), so no harness ever reads or writes the player's own file.
class OptionsOnFile : public KWEP::Config {
public:
    static constexpr int OPTIONS_FILE_KEY = 23;
    static constexpr int LAST_KEY = 29;

    explicit OptionsOnFile(const std::string& fileName)
    {
        *getStringPtr(OPTIONS_FILE_KEY) = fileName;
        setSaveOnExit(false);
    }
};

} // namespace Fuzz

#endif
