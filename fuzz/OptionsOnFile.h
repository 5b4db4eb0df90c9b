#ifndef FRELMORY_FUZZ_OPTIONSONFILE_H
#define FRELMORY_FUZZ_OPTIONSONFILE_H

#include <string>

#include "client/Config.h"
#include "shell/OptionKey.h"

namespace Fuzz {

// The game's option keys with the options file named up front, so no
// harness ever reads or writes the player's own file.
class OptionsOnFile : public KWEP::Config {
public:
    explicit OptionsOnFile(const std::string& fileName)
    {
        *getStringPtr(Game::OPTION_OPTIONS_FILE) = fileName;
        setSaveOnExit(false);
    }
};

} // namespace Fuzz

#endif
