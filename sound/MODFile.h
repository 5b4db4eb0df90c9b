#ifndef MEDIA_MODFILE_H
#define MEDIA_MODFILE_H

#include <string>
#include <vector>

namespace Media {

// A tracker module (IT, XM, S3M or MOD) rendered once through DUMB into PCM:
// 16-bit signed or 8-bit unsigned, one or two channels interleaved. Make it
// with the path, change the settings if needed, call load(), read the data.
class MODFile {
public:
    // Longest render, in seconds: a song that neither loops nor ends would
    // otherwise render until memory runs out.
    static const int MAX_SECONDS = 600;
    // Highest rate taken: beyond what sound hardware plays, a rate only makes
    // the render longer, and a huge one would overflow its length.
    static const long MAX_RATE = 192000;
    // Longest wait for a render, in seconds, by default. DUMB can spin for
    // ever inside its resampler on a damaged module (a slide that runs a
    // note's pitch out of range), so the render runs in a child process that
    // is stopped then.
    static constexpr int MAX_RENDER_WAIT = 10;

    explicit MODFile(const char* path);
    ~MODFile();

    MODFile(const MODFile&) = delete;
    MODFile& operator=(const MODFile&) = delete;

    // Renders the song from its start up to where it loops or stops. False for
    // a file that none of the four loaders takes, or whose render does not end
    // within the render wait; getError() says why.
    bool load();

    const std::vector<unsigned char>& getData() const;
    // Bits per sample, 16 by default; only 8 and 16 are taken.
    int getDepth() const;
    bool setDepth(int bits);
    // 2 by default; only 1 and 2 are taken.
    int getNumChannels() const;
    bool setNumChannels(int channels);
    // Samples per second, 44100 by default; only 1 to MAX_RATE is taken.
    long getRate() const;
    bool setRate(long rate);
    // Seconds the render may take, MAX_RENDER_WAIT by default; only 1 to
    // MAX_RENDER_WAIT is taken.
    bool setRenderWait(int seconds);
    const std::string& getError() const;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace Media

#endif
