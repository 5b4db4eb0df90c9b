#include "fuzz/Harness.h"

#include "sound/OGGFile.h"

namespace Fuzz {

// An Ogg Vorbis stream decoded whole from memory through vorbisfile's
// callbacks, as the sound back end decodes music.
int fuzzOgg(const std::uint8_t* data, std::size_t size)
{
    Media::OGGFile ogg("");
    ogg.loadFromMemory(data, size);
    return 0;
}

} // namespace Fuzz
