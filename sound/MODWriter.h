#ifndef SOUNDMAKER_MODWRITER_H
#define SOUNDMAKER_MODWRITER_H

#include <cstdint>
#include <string>
#include <vector>

namespace SoundMaker {

// Builds a four-channel "M.K." module: a 1084-byte header (title, 31 sample
// slots, song length, order table, tag), patterns of 64 rows of 4 channels
// (1024 bytes each), then the samples as signed 8-bit data.
class MODWriter {
public:
    static const int ROWS = 64;
    static const int CHANNELS = 4;

    struct Instrument {
        std::string name;
        std::vector<std::int8_t> data; // an even number of bytes
        int volume;                    // 0 .. 64
        int loopStart;                 // bytes, even
        int loopLength;                // bytes, even; 0 plays once
    };

    // One cell; sample 0 and period 0 leave the channel as it is.
    struct Note {
        int sample = 0;
        int period = 0;
        int effect = 0;
        int param = 0;
    };

    typedef std::vector<Note> Pattern; // ROWS * CHANNELS cells, row by row

    explicit MODWriter(const std::string& title);

    // The sample number (1 .. 31) of the new instrument.
    int addInstrument(const Instrument& instrument);
    // The number of the new pattern.
    int addPattern(const Pattern& pattern);
    void setOrder(const std::vector<int>& order);

    std::string bytes() const;
    bool write(const std::string& path) const;

    // The period of a note number of the module's three octaves (0 is C-1).
    static int period(int note);

private:
    std::string m_title;
    std::vector<Instrument> m_instruments;
    std::vector<Pattern> m_patterns;
    std::vector<int> m_order;
};

} // namespace SoundMaker

#endif
