// The OpenAL back end on OpenAL Soft's loopback output, which mixes only when
// the test asks for samples: loading, refusals, channels that were never
// played, playing to the end or until stopped, and what volume and pitch do
// to what is heard, all measured in samples of output, not on the wall clock.

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
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

const std::string SOUNDS = std::string(FRELMORY_SOURCE_DIR) + "/data/Sounds/";
const int RATE = 44100;

enum Channel { MUSIC = 1, FX = 2 };
enum SoundId { GRAB = 1, TONE = 2 };

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The stretch of output from its first sound to its last: where it starts,
// its number of samples, its loudest sample and its number of sign changes.
struct Heard {
    std::size_t first = 0;
    std::size_t length = 0;
    float peak = 0.0f;
    int crossings = 0;
};

Heard heardIn(const std::vector<float>& samples)
{
    Heard heard;
    heard.first = samples.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (samples[i] != 0.0f) {
            heard.first = std::min(heard.first, i);
            last = i;
        }
    if (heard.first == samples.size())
        return heard;
    heard.length = last - heard.first + 1;
    for (std::size_t i = heard.first; i <= last; ++i) {
        heard.peak = std::max(heard.peak, std::fabs(samples[i]));
        heard.crossings += i > heard.first && (samples[i] < 0.0f) != (samples[i - 1] < 0.0f);
    }
    return heard;
}

// The output from now until the channel has fallen silent, or until five
// seconds of it when it does not.
std::vector<float> renderWhilePlaying(SAL::salController& sal, int channel)
{
    std::vector<float> all;
    while (sal.isPlaying(channel) && all.size() < static_cast<std::size_t>(5 * RATE)) {
        const std::vector<float> more = sal.render(1024);
        all.insert(all.end(), more.begin(), more.end());
    }
    return all;
}

class Backend : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sal.initLoopback(RATE)) << "OpenAL Soft's loopback output did not open";
        ASSERT_TRUE(sal.addSource(MUSIC, true));
        ASSERT_TRUE(sal.addSource(FX, false));
    }
    SAL::salController sal;
};

TEST_F(Backend, LoadsEveryShippedSound)
{
    const char* files[] = {"title.ogg",        "game.mod",         "win.ogg",        "die.ogg",
                           "grab.wav",         "release.wav",      "throw_rock.wav", "snowman_fall.wav",
                           "carrot_smash.wav", "snowman_smash.wav", "rock_hit.wav"};
    int id = 1;
    for (const char* file : files)
        EXPECT_TRUE(sal.load(id++, SOUNDS + file)) << file;
    EXPECT_TRUE(sal.init()) << "a second init answers true";
}

TEST_F(Backend, RefusesUnknownExtensionsAndBadFilesWithOneLine)
{
    const std::string upper = TestSupport::tempPath("win.OGG");
    {
        std::ifstream in(SOUNDS + "win.ogg", std::ios::binary);
        std::ofstream(upper, std::ios::binary) << in.rdbuf();
    }
    const std::string text = TestSupport::tempPath("text.wav");
    std::ofstream(text) << "not a sound\n";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(sal.load(1, upper));
    EXPECT_FALSE(sal.load(2, text));
    EXPECT_FALSE(sal.load(3, TestSupport::tempPath("missing.ogg")));
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find(upper), std::string::npos) << messages;
    EXPECT_NE(messages.find("not a RIFF/WAVE file"), std::string::npos) << messages;
    EXPECT_NE(messages.find("cannot be opened"), std::string::npos) << messages;
    std::remove(upper.c_str());
    std::remove(text.c_str());
}

int openDescriptors()
{
    int count = 0;
    for (int fd = 0; fd < 4096; ++fd)
        count += ::fcntl(fd, F_GETFD) != -1;
    return count;
}

// Every refusal closes what it opened: a file, a decoder's stream, a pipe.
TEST_F(Backend, RefusedLoadsLeaveNoFileOpen)
{
    const std::string title = readFile(SOUNDS + "title.ogg");
    const std::string text = "not a sound\n";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"text.wav", text}, {"text.ogg", text}, {"cut.ogg", title.substr(0, title.size() / 2)},
        {"text.mod", text}, {"text.xm", text}, {"cut.wav", readFile(SOUNDS + "grab.wav").substr(0, 60)}};
    std::vector<std::string> paths;
    for (const auto& file : files) {
        paths.push_back(TestSupport::tempPath(file.first));
        std::ofstream(paths.back(), std::ios::binary) << file.second;
    }
    paths.push_back(TestSupport::tempPath("missing.wav"));
    const int before = openDescriptors();
    testing::internal::CaptureStderr();
    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(sal.load(GRAB, paths[static_cast<std::size_t>(i) % paths.size()])) << i;
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(openDescriptors(), before);
    for (const std::string& path : paths)
        std::remove(path.c_str());
}

TEST_F(Backend, ChannelsNeverPlayedIgnoreEveryCall)
{
    ASSERT_TRUE(sal.load(GRAB, SOUNDS + "grab.wav"));
    for (int channel : {static_cast<int>(FX), 7}) {
        sal.pause(channel);
        sal.resume(channel);
        sal.setVolume(channel, 50);
        sal.stop(channel);
        EXPECT_FALSE(sal.isPlaying(channel)) << channel;
    }
    sal.play(7, GRAB, 100, 100); // unknown channel
    sal.play(FX, 99, 100, 100);  // unknown sound
    EXPECT_FALSE(sal.isPlaying(7));
    EXPECT_FALSE(sal.isPlaying(FX));
}

// A pitch of 0 or less plays at the normal speed: as long as at 100, not
// for ever.
TEST_F(Backend, AShortSoundPlaysThenStopsAlsoAtPitchZero)
{
    ASSERT_TRUE(sal.load(GRAB, SOUNDS + "grab.wav")); // 0.15 s
    std::size_t normal = 0;
    for (int pitch : {100, 0, -5}) {
        sal.play(FX, GRAB, 50, pitch);
        EXPECT_TRUE(sal.isPlaying(FX)) << pitch;
        const Heard heard = heardIn(renderWhilePlaying(sal, FX));
        EXPECT_FALSE(sal.isPlaying(FX)) << pitch;
        EXPECT_NEAR(heard.length, 0.15 * RATE, 0.02 * RATE) << pitch;
        if (pitch == 100)
            normal = heard.length;
        EXPECT_NEAR(static_cast<double>(heard.length), static_cast<double>(normal), 2.0) << pitch;
    }
}

// A negative volume plays at 0; the loop goes on, silent, until the volume
// rises; a paused or stopped channel is silent.
TEST_F(Backend, ALoopingChannelPlaysUntilStoppedAndPauses)
{
    ASSERT_TRUE(sal.load(GRAB, SOUNDS + "grab.wav"));
    sal.play(MUSIC, GRAB, -1, 100);
    EXPECT_EQ(heardIn(sal.render(RATE * 6 / 10)).length, 0u);
    EXPECT_TRUE(sal.isPlaying(MUSIC)) << "four times the sound's length later";
    sal.setVolume(MUSIC, 100);
    EXPECT_GT(heardIn(sal.render(RATE / 10)).peak, 0.0f);
    sal.pause(MUSIC);
    EXPECT_FALSE(sal.isPlaying(MUSIC));
    EXPECT_EQ(heardIn(sal.render(RATE / 10)).length, 0u);
    sal.resume(MUSIC);
    EXPECT_TRUE(sal.isPlaying(MUSIC));
    EXPECT_GT(heardIn(sal.render(RATE / 10)).peak, 0.0f);
    sal.stop(MUSIC);
    EXPECT_FALSE(sal.isPlaying(MUSIC));
    EXPECT_EQ(heardIn(sal.render(RATE / 10)).length, 0u);
}

// Volume and pitch reach OpenAL as gain and pitch: the same tone played at
// volume 100 and pitch 100, then at volume 50 and pitch 200, is heard at half
// the loudness, for half the time, at twice the frequency.
TEST_F(Backend, VolumeScalesTheGainAndPitchTheSpeed)
{
    const std::string tone = TestSupport::tempPath("tone.wav");
    std::vector<std::int16_t> samples(11025); // 0.5 s of 441 Hz at 22050 Hz
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(16000 * std::sin(2 * M_PI * 441 * i / 22050.0));
    ASSERT_TRUE(SoundMaker::WAVWriter::write(tone, samples, 1, 22050, 16, ""));
    const bool loaded = sal.load(TONE, tone);
    std::remove(tone.c_str());
    ASSERT_TRUE(loaded);
    sal.play(FX, TONE, 100, 100);
    const Heard plain = heardIn(renderWhilePlaying(sal, FX));
    sal.play(FX, TONE, 50, 200);
    const Heard changed = heardIn(renderWhilePlaying(sal, FX));
    ASSERT_GT(plain.length, 0u);
    ASSERT_GT(changed.length, 0u);
    EXPECT_NEAR(plain.length, RATE / 2, RATE / 100);
    EXPECT_NEAR(changed.peak / plain.peak, 0.5, 0.05);
    EXPECT_NEAR(static_cast<double>(changed.length) / plain.length, 0.5, 0.05);
    const double plainRate = static_cast<double>(plain.crossings) / plain.length;
    EXPECT_NEAR(static_cast<double>(changed.crossings) / changed.length / plainRate, 2.0, 0.1);
}

// The sound manager plays the grab effect when the event is raised, and not
// before: the output is silent up to the event and the effect starts within
// the first few milliseconds rendered after it.
TEST(BackendWithManager, TheMixIsSilentBeforeGrabAndNotAfter)
{
    // The shipped configuration names its sounds relative to the game's folder.
    ASSERT_EQ(::chdir(FRELMORY_SOURCE_DIR), 0);
    TestSupport::TestGame game;
    *game.getConfig()->getBoolPtr(Game::OPTION_MUSIC_ON) = false; // no music: only the effect is heard
    SAL::salController sal;
    ASSERT_TRUE(sal.initLoopback(RATE));
    KWEP::SoundManager manager(&sal, "data/Config/KWEP_SOUNDS.cfg");
    EXPECT_EQ(heardIn(sal.render(RATE / 2)).length, 0u);
    EVT::Event_Sound grab(EVT::EVENT_SOUND, "GRAB", true, 0, 0);
    EVT::EventBus::instance()->raiseEvent(&grab, false);
    const Heard heard = heardIn(sal.render(RATE / 2));
    ASSERT_GT(heard.length, 0u) << "nothing was heard";
    EXPECT_LT(heard.first, static_cast<std::size_t>(RATE / 100));
    EXPECT_NEAR(heard.length, 0.15 * RATE, 0.02 * RATE) << "the effect lasts 0.15 s";
}

// The loopback output is only for the controller that opened it.
TEST(BackendWithoutDevice, OnlyALoopbackOutputRenders)
{
    SAL::salController none;
    EXPECT_TRUE(none.render(64).empty());
    SAL::salController twice;
    ASSERT_TRUE(twice.initLoopback(RATE));
    EXPECT_FALSE(twice.initLoopback(RATE)) << "already open";
    EXPECT_EQ(twice.render(64).size(), 64u);
    EXPECT_TRUE(twice.render(0).empty());
    SAL::salController bad;
    EXPECT_FALSE(bad.initLoopback(0));
    EXPECT_TRUE(bad.render(64).empty());
}

// Nothing is decoded for an output that is not open: a damaged file too
// gets only that reason.
TEST(BackendWithoutDevice, BeforeInitNothingIsMadeAndALoadSaysWhy)
{
    SAL::salController sal;
    EXPECT_FALSE(sal.addSource(FX, false));
    const std::string text = TestSupport::tempPath("text.wav");
    std::ofstream(text) << "not a sound\n";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(sal.load(GRAB, SOUNDS + "grab.wav"));
    EXPECT_FALSE(sal.load(GRAB, text));
    const std::string message = testing::internal::GetCapturedStderr();
    std::remove(text.c_str());
    EXPECT_NE(message.find("grab.wav\": no audio output is open\n"), std::string::npos) << message;
    EXPECT_NE(message.find("text.wav\": no audio output is open\n"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 2) << message;
    sal.play(FX, GRAB, 100, 100);
    EXPECT_FALSE(sal.isPlaying(FX));
}

TEST(BackendWithoutDevice, TheManagerRunsOnTheNullController)
{
    // In a process of its own: OpenAL Soft reads the driver list when first used.
    ::setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    SAL::salController sal;
    EXPECT_FALSE(sal.init());
    TestSupport::TestGame game;
    testing::internal::CaptureStderr();
    KWEP::SoundManager manager(&sal, std::string(FRELMORY_SOURCE_DIR) + "/data/Config/KWEP_SOUNDS.cfg");
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("plays without sound"), std::string::npos) << message;
    EXPECT_FALSE(sal.isPlaying(1));
}

} // namespace
