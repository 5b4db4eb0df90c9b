#include "sound/Synth.h"

namespace SoundMaker {

namespace {

// Hundredths of a hertz of the twelve notes from middle C up.
const int OCTAVE_4[12] = {26163, 27718, 29366, 31113, 32963, 34923, 36999, 39200, 41530, 44000, 46616, 49388};

const int FULL = 32767;

int clamp16(int value) { return value > FULL ? FULL : value < -FULL - 1 ? -FULL - 1 : value; }

} // namespace

Synth::Synth(int rate) : m_rate(rate), m_noise(0x1234567u) {}

int Synth::frames(int ms) const { return static_cast<int>(static_cast<long long>(m_rate) * ms / 1000); }

int Synth::noteHz100(int note)
{
    int octave = note / 12 - 5; // note 60 is in octave 4 of the table's terms
    int hz = OCTAVE_4[note % 12];
    for (; octave > 0; --octave)
        hz *= 2;
    for (; octave < 0; ++octave)
        hz /= 2;
    return hz;
}

// One cycle per 2^32 of phase; the sine is a pair of parabolas.
int Synth::waveAt(Wave wave, std::uint32_t phase)
{
    const int p = static_cast<int>(phase >> 16); // 0 .. 65535
    switch (wave) {
    case SINE: {
        const int half = p & 0x7FFF;
        const int value = clamp16((half * (32768 - half)) >> 13);
        return p < 32768 ? value : -value;
    }
    case TRIANGLE:
        return p < 32768 ? p * 2 - 32768 : clamp16(32767 - (p - 32768) * 2);
    case SQUARE:
        return p < 32768 ? 24000 : -24000;
    case SAW:
        return p - 32768;
    }
    return 0;
}

// 0 .. 65536 over the note: up through the attack, down through the release.
int Synth::envelope(int i, int length, int attack, int release)
{
    long long level = 65536;
    if (attack > 0 && i < attack)
        level = level * i / attack;
    const int left = length - i;
    if (release > 0 && left < release)
        level = level * left / release;
    return static_cast<int>(level);
}

void Synth::tone(std::vector<int>& out, int start, int length, const Voice& voice) const
{
    if (static_cast<int>(out.size()) < start + length)
        out.resize(start + length, 0);
    std::uint32_t phase = 0;
    const long long span = voice.endHz100 - voice.startHz100;
    for (int i = 0; i < length; ++i) {
        const long long hz100 = voice.startHz100 + span * i / length;
        const long long value = static_cast<long long>(waveAt(voice.wave, phase)) * voice.amplitude / 32768;
        out[start + i] += static_cast<int>(value * envelope(i, length, voice.attack, voice.release) / 65536);
        phase += static_cast<std::uint32_t>((hz100 << 32) / (100LL * m_rate));
    }
}

void Synth::noise(std::vector<int>& out, int start, int length, int amplitude, int smoothShift, int attack,
                  int release)
{
    if (static_cast<int>(out.size()) < start + length)
        out.resize(start + length, 0);
    int smooth = 0;
    for (int i = 0; i < length; ++i) {
        m_noise = m_noise * 1664525u + 1013904223u;
        const int raw = static_cast<int>(m_noise >> 16) - 32768;
        smooth += (raw - smooth) >> smoothShift;
        const long long value = static_cast<long long>(smooth) * amplitude / 32768;
        out[start + i] += static_cast<int>(value * envelope(i, length, attack, release) / 65536);
    }
}

std::vector<std::int16_t> Synth::toPcm(const std::vector<int>& mix)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(mix.size());
    for (int value : mix)
        pcm.push_back(static_cast<std::int16_t>(clamp16(value)));
    return pcm;
}

std::vector<std::int16_t> Synth::stereo(const std::vector<int>& left, const std::vector<int>& right)
{
    const std::size_t n = left.size() > right.size() ? left.size() : right.size();
    std::vector<std::int16_t> pcm;
    pcm.reserve(n * 2);
    for (std::size_t i = 0; i < n; ++i) {
        pcm.push_back(static_cast<std::int16_t>(clamp16(i < left.size() ? left[i] : 0)));
        pcm.push_back(static_cast<std::int16_t>(clamp16(i < right.size() ? right[i] : 0)));
    }
    return pcm;
}

} // namespace SoundMaker
