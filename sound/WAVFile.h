#ifndef MEDIA_WAVFILE_H
#define MEDIA_WAVFILE_H

#include <string>
#include <vector>

namespace Media {

// A RIFF/WAVE file of integer PCM, read whole: 8- or 16-bit samples, one or two
// channels. Make it with the path, call load() once, then read the data.
class WAVFile {
public:
    explicit WAVFile(const char* path);
    ~WAVFile();

    WAVFile(const WAVFile&) = delete;
    WAVFile& operator=(const WAVFile&) = delete;

    // Reads the format and the sample data. False for a file that is missing,
    // malformed, truncated or of a format the back end cannot play; getError()
    // then says why.
    bool load();

    // The samples as stored in the file (8-bit unsigned or 16-bit signed
    // little-endian, channels interleaved), cut to whole frames.
    const std::vector<unsigned char>& getData() const;
    int getNumChannels() const;
    int getRate() const;
    int getBitsPerSample() const;
    const std::string& getError() const;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace Media

#endif
