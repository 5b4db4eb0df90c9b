// End to end, each test in a process of its own: OpenAL Soft writes its mix to
// a WAV file (the wave driver, 16-bit mono, no dither), and the test measures
// what was heard.

#include "TempPath.h"
#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Sound.h"
#include "shell/OptionKey.h"
#include "sound/SoundManager.h"
#include "sound/WAVWriter.h"
#include "sound/salController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::uint32_t le32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The mix the wave driver wrote: WAVE_FORMAT_EXTENSIBLE, which the game's own
// reader refuses, so the chunks are walked here.
struct Mix {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
};

Mix readMix(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Mix mix;
    std::size_t at = 12;
    while (bytes.size() >= 12 && at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        std::uint32_t size = le32(bytes, at + 4);
        if (id == "fmt ") {
            mix.channels = static_cast<unsigned char>(bytes[at + 10]);
            mix.rate = static_cast<int>(le32(bytes, at + 12));
            mix.bits = static_cast<unsigned char>(bytes[at + 22]);
        } else if (id == "data") {
            // The driver may leave the size open; take what the file holds.
            if (size == 0 || at + 8 + size > bytes.size())
                size = static_cast<std::uint32_t>(bytes.size() - at - 8);
            mix.samples.resize(size / 2);
            std::memcpy(mix.samples.data(), bytes.data() + at + 8, mix.samples.size() * 2);
            break;
        }
        at += 8 + size + (size & 1);
    }
    return mix;
}

// Points OpenAL Soft at its wave driver, writing 16-bit mono without dither
// into the file; answers the configuration file's path.
std::string useWaveDriver(const std::string& wave)
{
    const std::string conf = TestSupport::tempPath("alsoft.conf");
    std::ofstream(conf) << "[general]\ndrivers=wave\nsample-type=int16\nchannels=mono\ndither=false\n"
                        << "[wave]\nfile=" << wave << "\n";
    // The environment's driver list wins over the file's.
    ::setenv("ALSOFT_DRIVERS", "wave", 1);
    ::setenv("ALSOFT_CONF", conf.c_str(), 1);
    return conf;
}

// The stretch of the mix from its first sound to its last: the number of
// samples, the loudest one and the number of sign changes.
struct Heard {
    std::size_t length = 0;
    int peak = 0;
    int crossings = 0;
};

Heard heardIn(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    std::size_t first = to, last = from;
    for (std::size_t i = from; i < to; ++i)
        if (samples[i] != 0) {
            first = std::min(first, i);
            last = i;
        }
    Heard heard;
    if (first >= to)
        return heard;
    heard.length = last - first + 1;
    for (std::size_t i = first; i <= last; ++i) {
        heard.peak = std::max(heard.peak, std::abs(static_cast<int>(samples[i])));
        heard.crossings += i > first && (samples[i] < 0) != (samples[i - 1] < 0);
    }
    return heard;
}

// Volume and pitch reach OpenAL as gain and pitch: the same tone played at
// volume 100 and pitch 100, then at volume 50 and pitch 200, is heard at half
// the loudness, for half the time, at twice the frequency.
TEST(WaveOutput, VolumeScalesTheGainAndPitchTheSpeed)
{
    const std::string wave = TestSupport::tempPath("mix.wav");
    const std::string conf = useWaveDriver(wave);
    const std::string tone = TestSupport::tempPath("tone.wav");
    std::vector<std::int16_t> samples(11025); // 0.5 s of 441 Hz at 22050 Hz
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(16000 * std::sin(2 * M_PI * 441 * i / 22050.0));
    ASSERT_TRUE(SoundMaker::WAVWriter::write(tone, samples, 1, 22050, 16, ""));
    const auto start = std::chrono::steady_clock::now();
    long halfway = 0;
    {
        SAL::salController sal;
        ASSERT_TRUE(sal.init());
        ASSERT_TRUE(sal.addSource(1, false));
        ASSERT_TRUE(sal.load(1, tone));
        sal.play(1, 1, 100, 100);
        std::this_thread::sleep_for(std::chrono::milliseconds(900));
        halfway = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
        sal.play(1, 1, 50, 200);
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
    }
    const Mix mix = readMix(wave);
    std::remove(wave.c_str());
    std::remove(conf.c_str());
    std::remove(tone.c_str());
    ASSERT_GT(mix.rate, 0);
    // The second play starts after the first has ended: split the mix between.
    const std::size_t split = std::min(mix.samples.size(), static_cast<std::size_t>(mix.rate) * (halfway - 150) / 1000);
    const Heard plain = heardIn(mix.samples, 0, split);
    const Heard changed = heardIn(mix.samples, split, mix.samples.size());
    ASSERT_GT(plain.length, 0u);
    ASSERT_GT(changed.length, 0u);
    EXPECT_NEAR(static_cast<double>(changed.peak) / plain.peak, 0.5, 0.05);
    EXPECT_NEAR(static_cast<double>(changed.length) / plain.length, 0.5, 0.05);
    const double plainRate = static_cast<double>(plain.crossings) / plain.length;
    EXPECT_NEAR(static_cast<double>(changed.crossings) / changed.length / plainRate, 2.0, 0.1);
}

TEST(WaveOutput, TheMixIsSilentBeforeGrabAndNotAfter)
{
    const std::string wave = TestSupport::tempPath("mix.wav");
    const std::string conf = useWaveDriver(wave);
    // The shipped configuration names its sounds relative to the game's folder.
    ASSERT_EQ(::chdir(FRELMORY_SOURCE_DIR), 0);

    TestSupport::TestGame game;
    *game.getConfig()->getBoolPtr(Game::OPTION_MUSIC_ON) = false; // no music: only the effect is heard
    // The device starts writing when the manager opens it; loading the sounds
    // may take longer than 300 ms under the sanitizers, so the time of the
    // effect is measured, not assumed.
    const auto start = std::chrono::steady_clock::now();
    SAL::salController* sal = new SAL::salController;
    KWEP::SoundManager* manager = new KWEP::SoundManager(sal, "data/Config/KWEP_SOUNDS.cfg");
    std::this_thread::sleep_until(start + std::chrono::milliseconds(300));
    const long raisedMs = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    EVT::Event_Sound grab(EVT::EVENT_SOUND, "GRAB", true, 0, 0);
    EVT::EventBus::instance()->raiseEvent(&grab, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    delete manager;
    delete sal; // closes the device, which finishes the file

    const Mix mix = readMix(wave);
    std::remove(wave.c_str());
    std::remove(conf.c_str());
    ASSERT_EQ(mix.channels, 1);
    ASSERT_EQ(mix.bits, 16);
    ASSERT_GT(mix.rate, 0);
    std::size_t first = mix.samples.size();
    for (std::size_t i = 0; i < mix.samples.size() && first == mix.samples.size(); ++i)
        if (mix.samples[i] != 0)
            first = i;
    ASSERT_LT(first, mix.samples.size()) << "nothing was heard in " << mix.samples.size() << " samples";
    // The device runs ahead of the clock by at most its buffer; generous margins.
    const double firstMs = 1000.0 * first / mix.rate;
    EXPECT_GT(firstMs, raisedMs - 150.0) << "raised at " << raisedMs << " ms";
    EXPECT_LT(firstMs, raisedMs + 400.0) << "raised at " << raisedMs << " ms";
    std::size_t heard = 0;
    for (std::size_t i = first; i < mix.samples.size(); ++i)
        heard += mix.samples[i] != 0;
    EXPECT_GT(heard, static_cast<std::size_t>(mix.rate) / 20) << "the effect lasts 0.15 s";
}

} // namespace
