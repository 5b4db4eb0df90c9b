// The OpenAL back end on OpenAL Soft's null output (ALSOFT_DRIVERS=null): loading,
// refusals, channels that were never played, and playing to the end or until stopped.

#include "TempPath.h"
#include "TestGame.h"
#include "sound/SoundManager.h"
#include "sound/salController.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>

namespace {

const std::string SOUNDS = std::string(FRELMORY_SOURCE_DIR) + "/data/Sounds/";

enum Channel { MUSIC = 1, FX = 2 };
enum SoundId { GRAB = 1 };

// Waits, in small steps, up to the limit for the channel to fall silent.
std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool stopsWithin(SAL::salController& sal, int channel, int limitMs)
{
    for (int waited = 0; waited < limitMs; waited += 20) {
        if (!sal.isPlaying(channel))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return !sal.isPlaying(channel);
}

class Backend : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sal.init()) << "OpenAL Soft's null output did not open";
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

TEST_F(Backend, AShortSoundPlaysThenStopsAlsoAtPitchZero)
{
    ASSERT_TRUE(sal.load(GRAB, SOUNDS + "grab.wav")); // 0.15 s
    for (int pitch : {100, 0, -5}) {
        sal.play(FX, GRAB, 50, pitch);
        EXPECT_TRUE(sal.isPlaying(FX)) << pitch;
        EXPECT_TRUE(stopsWithin(sal, FX, 5000)) << pitch;
    }
}

TEST_F(Backend, ALoopingChannelPlaysUntilStoppedAndPauses)
{
    ASSERT_TRUE(sal.load(GRAB, SOUNDS + "grab.wav"));
    sal.play(MUSIC, GRAB, -1, 100);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_TRUE(sal.isPlaying(MUSIC));
    sal.pause(MUSIC);
    EXPECT_FALSE(sal.isPlaying(MUSIC));
    sal.resume(MUSIC);
    EXPECT_TRUE(sal.isPlaying(MUSIC));
    sal.stop(MUSIC);
    EXPECT_FALSE(sal.isPlaying(MUSIC));
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
