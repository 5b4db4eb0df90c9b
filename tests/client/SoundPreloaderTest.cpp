// The early sound loading: what the game thread sees must be what loading
// the sounds itself would have given, with the thread's work done first.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <thread>
#include <memory>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../sound/RecordingController.h"
#include "TempPath.h"
#include "client/SoundPreloader.h"

namespace {

class SoundPreloaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(m_config) << "SOUND_DIR == snd/\n"
                                   "SOUND_FILES == A:a.wav, B : b.ogg, broken, C:c.mod\n"
                                   "a stray line the sound manager reports";
    }
    void TearDown() override { std::remove(m_config.c_str()); }

    // A preloader over a fresh recording controller, which it owns.
    KWEP::SoundPreloader* make(const std::string& failing = "", bool opens = true)
    {
        m_recorder = new SoundTest::RecordingController();
        m_recorder->failingFile = failing;
        m_recorder->initResult = opens;
        return new KWEP::SoundPreloader(std::unique_ptr<Sound::I_SoundController>(m_recorder), m_config);
    }

    std::string m_config = TestSupport::tempPath("preload_sounds.cfg");
    SoundTest::RecordingController* m_recorder = nullptr;
};

TEST_F(SoundPreloaderTest, ListsTheConfiguredFilesInOrderQuietly)
{
    // The damage is the sound manager's to report, once.
    ::testing::internal::CaptureStderr();
    const std::vector<std::string> files = KWEP::SoundPreloader::soundFiles(m_config);
    EXPECT_EQ("", ::testing::internal::GetCapturedStderr());
    EXPECT_EQ((std::vector<std::string>{"snd/a.wav", "snd/b.ogg", "snd/c.mod"}), files);
    EXPECT_TRUE(KWEP::SoundPreloader::soundFiles("").empty());
}

// The quiet read must not silence the error stream for the whole process:
// what another thread says meanwhile still arrives, every line of it.
TEST_F(SoundPreloaderTest, OtherThreadsMessagesArriveWhileTheListIsRead)
{
    std::string damaged = "SOUND_FILES == A:a.wav\n";
    for (int i = 0; i < 20000; ++i)
        damaged += "stray line " + std::to_string(i) + "\n";
    std::ofstream(m_config) << damaged;
    std::atomic<bool> reading(true);
    int said = 0;
    ::testing::internal::CaptureStderr();
    std::thread other([&] {
        for (; reading || said < 100; ++said)
            std::cerr << "other thread\n";
    });
    for (int i = 0; i < 20; ++i)
        KWEP::SoundPreloader::soundFiles(m_config);
    reading = false;
    other.join();
    const std::string heard = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), '\n'), said);
}

TEST_F(SoundPreloaderTest, LoadsAheadAndTranslatesTheCallersNumbers)
{
    std::unique_ptr<KWEP::SoundPreloader> sounds(make());
    ASSERT_TRUE(sounds->init());
    // Every file before the module was loaded by the thread before the caller asked.
    EXPECT_EQ((std::vector<std::string>{"init", "load 1 snd/a.wav", "load 2 snd/b.ogg"}), m_recorder->log);
    EXPECT_TRUE(sounds->load(7, "snd/b.ogg"));
    EXPECT_TRUE(sounds->load(8, "snd/a.wav"));
    // The module, and a file the configuration did not list, load when asked.
    EXPECT_TRUE(sounds->load(6, "snd/c.mod"));
    EXPECT_EQ("load 3 snd/c.mod", m_recorder->log.back());
    EXPECT_TRUE(sounds->load(9, "snd/extra.wav"));
    EXPECT_EQ("load 4 snd/extra.wav", m_recorder->log.back());
    sounds->play(1, 7, 80, 100);
    sounds->play(1, 8, 80, 100);
    sounds->play(1, 9, 80, 100);
    sounds->play(1, 42, 80, 100); // an unknown sound plays nothing
    EXPECT_EQ((std::vector<std::string>{"play 1 2 80 100", "play 1 1 80 100", "play 1 4 80 100"}),
              m_recorder->calls("play"));
}

// A MOD that renders in this process loads early like any other sound; a
// module that may render in a child process stops the thread, and it and
// what follows load on the game thread.
TEST_F(SoundPreloaderTest, LoadsAModThatRendersHereEarlyAndLeavesOneThatMayNot)
{
    const std::string dir = std::string(FRELMORY_SOURCE_DIR) + "/";
    std::ofstream(m_config) << "SOUND_DIR == " << dir << "\n"
                            << "SOUND_FILES == A:data/Sounds/game.mod, B:tests/corpus/mod/runaway_slide.mod, "
                               "C:data/Sounds/grab.wav\n";
    std::unique_ptr<KWEP::SoundPreloader> sounds(make());
    ASSERT_TRUE(sounds->init());
    EXPECT_EQ((std::vector<std::string>{"init", "load 1 " + dir + "data/Sounds/game.mod"}), m_recorder->log);
    EXPECT_TRUE(sounds->load(1, dir + "data/Sounds/game.mod"));
    EXPECT_TRUE(sounds->load(2, dir + "tests/corpus/mod/runaway_slide.mod"));
    EXPECT_EQ("load 2 " + dir + "tests/corpus/mod/runaway_slide.mod", m_recorder->log.back());
}

TEST_F(SoundPreloaderTest, GoesOnPastAFailureAsTheCallerDoes)
{
    std::unique_ptr<KWEP::SoundPreloader> sounds(make("snd/a.wav"));
    ASSERT_TRUE(sounds->init());
    EXPECT_EQ((std::vector<std::string>{"init", "load 1 snd/a.wav", "load 2 snd/b.ogg"}), m_recorder->log);
    // The failure is answered without a second attempt.
    EXPECT_FALSE(sounds->load(1, "snd/a.wav"));
    EXPECT_TRUE(sounds->load(2, "snd/b.ogg"));
    EXPECT_EQ(3u, m_recorder->log.size());
    sounds->play(1, 1, 80, 100);
    sounds->play(1, 2, 80, 100);
    EXPECT_EQ((std::vector<std::string>{"play 1 2 80 100"}), m_recorder->calls("play"));
}

TEST_F(SoundPreloaderTest, NoOutputLoadsNothingAndAnswersTheFirstInit)
{
    std::unique_ptr<KWEP::SoundPreloader> sounds(make("", false));
    EXPECT_FALSE(sounds->init());
    EXPECT_EQ((std::vector<std::string>{"init"}), m_recorder->log);
    // Going without a call joins the thread and deletes the controller.
    KWEP::SoundPreloader idle(nullptr, m_config);
    EXPECT_FALSE(idle.init());
}

} // namespace
