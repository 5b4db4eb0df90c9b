#include "fuzz/Harness.h"

#include "client/Config.h"
#include "fuzz/OptionsOnFile.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

// An options file read over the defaults, as at start-up.
int fuzzOptions(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("options.cfg", data, size);
    OptionsOnFile config(file.path());
    config.loadOptFile();
    return 0;
}

} // namespace Fuzz
