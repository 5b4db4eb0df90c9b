#ifndef SOUNDMAKER_SYNTH_H
#define SOUNDMAKER_SYNTH_H

#include <cstdint>
#include <vector>

namespace SoundMaker {

// Integer sound synthesis for the game's own sounds: phase accumulators,
// linear envelopes and a fixed congruential noise, so the same samples come
// out on every machine. Voices are added into mix buffers of int, one value
// per frame, on the scale of 16-bit samples.
class Synth {
public:
    enum Wave { SINE, TRIANGLE, SQUARE, SAW };

    // A note: frequencies in hundredths of a hertz, sliding linearly from
    // start to end; amplitude on the 16-bit scale; attack and release in frames.
    struct Voice {
        Wave wave;
        int startHz100;
        int endHz100;
        int amplitude;
        int attack;
        int release;
    };

    explicit Synth(int rate);

    int getRate() const { return m_rate; }
    // Frames in the given milliseconds.
    int frames(int ms) const;
    // Hundredths of a hertz of a note number (60 is middle C, 69 is 440 Hz).
    static int noteHz100(int note);

    // Adds the voice over length frames from start, growing out as needed.
    void tone(std::vector<int>& out, int start, int length, const Voice& voice) const;
    // Adds noise smoothed by a one-pole filter (a larger shift is duller),
    // with a linear attack and release.
    void noise(std::vector<int>& out, int start, int length, int amplitude, int smoothShift, int attack,
               int release);

    // The mix clamped to 16 bits.
    static std::vector<std::int16_t> toPcm(const std::vector<int>& mix);
    // Two mixes interleaved into stereo frames (the shorter padded with silence).
    static std::vector<std::int16_t> stereo(const std::vector<int>& left, const std::vector<int>& right);

private:
    int m_rate;
    std::uint32_t m_noise;

    static int waveAt(Wave wave, std::uint32_t phase);
    static int envelope(int i, int length, int attack, int release);
};

} // namespace SoundMaker

#endif
