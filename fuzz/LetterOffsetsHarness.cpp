#include "fuzz/Harness.h"

#include "client/GameClient.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

// The font's letter-offset file read as at start-up.
int fuzzLetterOffsets(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("letters.yadj", data, size);
    KWEP::GameClient::readLetterOffsets(file.path());
    return 0;
}

} // namespace Fuzz
