#include "fuzz/Harness.h"

#include "fuzz/ScratchFile.h"
#include "sound/OGGFile.h"

namespace Fuzz {

// An Ogg Vorbis file decoded whole, as the sound back end loads music.
int fuzzOgg(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("sound.ogg", data, size);
    Media::OGGFile ogg(file.path().c_str());
    ogg.load();
    return 0;
}

} // namespace Fuzz
