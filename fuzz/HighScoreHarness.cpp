#include "fuzz/Harness.h"

#include "client/GameClient.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

// A high-score file read as at start-up.
int fuzzHighScore(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("highscore.cfg", data, size);
    KWEP::GameClient::readHighScore(file.path());
    return 0;
}

} // namespace Fuzz
