#ifndef MEDIA_OGGFILE_H
#define MEDIA_OGGFILE_H

#include <cstddef>
#include <string>
#include <vector>

namespace Media {

// An Ogg Vorbis file of one or two channels, decoded whole through vorbisfile
// into 16-bit signed little-endian PCM. Make it with the path, call load()
// once, then read the data.
class OGGFile {
public:
    explicit OGGFile(const char* path);
    ~OGGFile();

    OGGFile(const OGGFile&) = delete;
    OGGFile& operator=(const OGGFile&) = delete;

    // Decodes the whole stream. False for a file that is missing, not Ogg
    // Vorbis, damaged, or of more than two channels; getError() says why.
    bool load();
    // The same for a whole Ogg Vorbis stream already in memory; the path is not used.
    bool loadFromMemory(const unsigned char* data, std::size_t size);

    const std::vector<unsigned char>& getData() const;
    int getNumChannels() const;
    int getRate() const;
    const std::string& getError() const;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace Media

#endif
