#ifndef SOUNDMAKER_OGGWRITER_H
#define SOUNDMAKER_OGGWRITER_H

#include <cstdint>
#include <string>
#include <vector>

namespace SoundMaker {

// Writes Ogg Vorbis files through libvorbisenc at a fixed quality and stream
// serial, so the same samples always give the same bytes.
class OGGWriter {
public:
    static const int SERIAL = 0x4B574550;

    // channels interleaved in samples (1 or 2).
    static bool write(const std::string& path, const std::vector<std::int16_t>& samples, int channels, int rate);
};

} // namespace SoundMaker

#endif
