#include "fuzz/Harness.h"

#include "fuzz/ScratchFile.h"
#include "sound/WAVFile.h"

namespace Fuzz {

// A WAV file decoded whole, as the sound back end loads an effect.
int fuzzWav(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("sound.wav", data, size);
    Media::WAVFile wav(file.path().c_str());
    wav.load();
    return 0;
}

} // namespace Fuzz
