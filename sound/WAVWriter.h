#ifndef SOUNDMAKER_WAVWRITER_H
#define SOUNDMAKER_WAVWRITER_H

#include <cstdint>
#include <string>
#include <vector>

namespace SoundMaker {

// Writes RIFF/WAVE files of integer PCM from 16-bit samples.
class WAVWriter {
public:
    // channels interleaved in samples; bits 8 (stored unsigned) or 16. A
    // non-empty note goes into a LIST/INFO comment chunk before the data.
    static bool write(const std::string& path, const std::vector<std::int16_t>& samples, int channels, int rate,
                      int bits, const std::string& note);
};

} // namespace SoundMaker

#endif
