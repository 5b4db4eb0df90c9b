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
    // Longest wait, in seconds by default, for the next piece of a render
    // that runs apart. A module whose notes slide in pitch can drive DUMB's
    // resampler into a loop that never returns (a slide on a looping note
    // that runs its pitch out of range), so such a song, and any module
    // format whose patterns are not checked here, renders in a process of
    // the helper program RENDER_HELPER (installed beside the game), which is
    // stopped when it stops producing samples.
    static constexpr int MAX_RENDER_WAIT = 10;
    static constexpr const char* RENDER_HELPER = "frelmory-module-render";
    // The helper's exit codes besides 0.
    static const int RENDER_NOT_A_MODULE = 2;
    static const int RENDER_FAILED = 3;
    // The helper's first byte: it has started and the module has loaded.
    static constexpr unsigned char READY_MARK = 'R';

    explicit MODFile(const char* path);
    ~MODFile();

    MODFile(const MODFile&) = delete;
    MODFile& operator=(const MODFile&) = delete;

    // Renders the song from its start up to where it loops or stops, at most
    // MAX_SECONDS. False for a file that none of the four loaders takes, or
    // whose render stops producing samples for the render wait; getError()
    // says why.
    bool load();

    // True when load() would render the file here, in this process: a MOD
    // whose pitch stays in range and that bears no other format's signature.
    // Such a load starts no process. Only the header and patterns are read:
    // nothing is loaded or rendered and nothing is said; false for a file
    // that is missing or that the FileLimit gate turns away.
    static bool rendersHere(const std::string& path);

    // The helper's work: loads the file with any of the four loaders, writes
    // READY_MARK, then the song's samples, as load() would keep them, to the
    // open descriptor piece by piece. 0, RENDER_NOT_A_MODULE or RENDER_FAILED.
    static int renderTo(int fd, const char* path, long rate, int depth, int channels);

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
    // Seconds a render apart may go without producing samples,
    // MAX_RENDER_WAIT by default; only 1 to MAX_RENDER_WAIT is taken.
    bool setRenderWait(int seconds);
    const std::string& getError() const;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace Media

#endif
