// End to end through the real output, in a process of its own: OpenAL Soft
// writes its mix to a WAV file (the wave driver, 16-bit mono, no dither).

#include "TempPath.h"
#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Sound.h"
#include "shell/OptionKey.h"
#include "sound/SoundManager.h"
#include "sound/salController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
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

// The sound manager's HAND channel: the third the configuration names.
const int HAND_CHANNEL = 3;

// The real output, end to end: the grab effect raised through the sound
// manager reaches the file OpenAL Soft's wave driver writes. The driver mixes
// on its own thread as the wall clock goes, so the test waits for the
// channel to finish and measures nothing against time; what volume, pitch
// and timing do to the sound is measured on the loopback output instead.
TEST(WaveOutput, TheGrabEffectReachesTheFileTheDriverWrites)
{
    const std::string wave = TestSupport::tempPath("mix.wav");
    const std::string conf = useWaveDriver(wave);
    // The shipped configuration names its sounds relative to the game's folder.
    ASSERT_EQ(::chdir(FRELMORY_SOURCE_DIR), 0);

    TestSupport::TestGame game;
    *game.getConfig()->getBoolPtr(Game::OPTION_MUSIC_ON) = false; // no music: only the effect is heard
    SAL::salController* sal = new SAL::salController;
    KWEP::SoundManager* manager = new KWEP::SoundManager(sal, "data/Config/KWEP_SOUNDS.cfg");
    EVT::Event_Sound grab(EVT::EVENT_SOUND, "GRAB", true, 0, 0);
    EVT::EventBus::instance()->raiseEvent(&grab, false);
    EXPECT_TRUE(sal->isPlaying(HAND_CHANNEL));
    // The channel ends once the driver has mixed the whole effect.
    while (sal->isPlaying(HAND_CHANNEL))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    delete manager;
    delete sal; // closes the device, which finishes the file

    const Mix mix = readMix(wave);
    std::remove(wave.c_str());
    std::remove(conf.c_str());
    ASSERT_EQ(mix.channels, 1);
    ASSERT_EQ(mix.bits, 16);
    ASSERT_GT(mix.rate, 0);
    const auto heard = std::count_if(mix.samples.begin(), mix.samples.end(), [](std::int16_t s) { return s != 0; });
    EXPECT_GT(heard, mix.rate / 20) << "the effect lasts 0.15 s; " << mix.samples.size() << " samples written";
}

} // namespace
