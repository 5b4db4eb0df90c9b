// Reading the sound configuration: channels, sound files and effect records, seen
// through the calls the sound manager makes on a recording controller.

#include "RecordingController.h"
#include "CaseName.h"
#include "TempPath.h"
#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event.h"
#include "core/Event_Sound.h"
#include "sound/SoundManager.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

std::string writeConfig(const std::string& text)
{
    const std::string path = TestSupport::tempPath("sounds.cfg");
    std::ofstream(path) << text;
    return path;
}

void playEffect(const std::string& name)
{
    EVT::Event_Sound event(EVT::EVENT_SOUND, name, true, 0, 0);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// The calls after init, when the file is read and the effects are played.
Log callsFor(const std::string& text, const std::vector<std::string>& effects, const std::set<int>& busy = {})
{
    TestSupport::TestGame game;
    SoundTest::RecordingController controller;
    controller.busy = busy;
    const std::string path = writeConfig(text);
    {
        KWEP::SoundManager manager(&controller, path);
        for (const std::string& name : effects)
            playEffect(name);
    }
    std::remove(path.c_str());
    Log calls(controller.log.begin() + 1, controller.log.end() - 1); // without init and shutdown
    return calls;
}

struct ConfigCase {
    const char* what;
    std::string text;
    std::vector<std::string> effects;
    std::set<int> busy;
    Log expected;
};

const std::string TWO_SOURCES = "SOUND_SOURCES == FX1, FX2\nSOUND_DIR == d/\nSOUND_FILES == A:a.wav, B:b.wav\n";

class ConfigTable : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(ConfigTable, MakesTheseCalls)
{
    const ConfigCase& c = GetParam();
    EXPECT_EQ(callsFor(c.text, c.effects, c.busy), c.expected) << c.what;
}

const ConfigCase CONFIG_CASES[] = {
    {"a looping source and two plain ones, numbered in order",
     "SOUND_SOURCES == MUSIC:LOOPS, FX1, FX2\n", {}, {},
     {"addSource 1 loop", "addSource 2", "addSource 3"}},
    {"a name listed twice keeps its first id and is made again",
     "SOUND_SOURCES == A , B,,A\n", {}, {},
     {"addSource 1", "addSource 2", "addSource 1"}},
    {"file items without exactly one colon are skipped; the folder is put in front as written",
     "SOUND_SOURCES == FX\nSOUND_DIR == snd/\nSOUND_FILES == A:a.wav, bad, B : b.ogg , C:x:y,, D:d.mod\n", {}, {},
     {"addSource 1", "load 1 snd/a.wav", "load 2 snd/b.ogg", "load 3 snd/d.mod"}},
    {"a record written before the files it names still finds them",
     "GAME_EFFECTS == SFX:HIT,B,FX2,70,110,1,0 SFX:MISS,A,FX1,60,100,1,0\n" + TWO_SOURCES, {"HIT", "MISS"}, {},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav", "play 2 2 70 110", "play 1 1 60 100"}},
    {"of two records of one name with sounds the first stays",
     TWO_SOURCES + "GAME_EFFECTS == SFX:HIT,A,FX1,70,100,1,0 SFX:HIT,B,FX2,50,100,1,0\n", {"HIT"}, {},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav", "play 1 1 70 100"}},
    {"a record of an unknown sound does nothing and gives way to a later one",
     TWO_SOURCES + "GAME_EFFECTS == SFX:HIT,NOPE,FX1,70,100,1,0 SFX:MISS,NOPE,FX1,70,100,1,0 SFX:HIT,B,FX2,50,100,1,0\n",
     {"HIT", "MISS"}, {},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav", "play 2 2 50 100"}},
    {"a record of an unknown source is dropped",
     TWO_SOURCES + "GAME_EFFECTS == SFX:HIT,A,NOPE,70,100,1,0\n", {"HIT"}, {},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav"}},
    {"an unreadable volume is all bits set, which arrives as -1",
     TWO_SOURCES + "GAME_EFFECTS == SFX:HIT,A,FX1,loud,100,1,0\n", {"HIT"}, {},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav", "play 1 1 -1 100"}},
    {"blanks and a line end after the busy field leave it readable",
     TWO_SOURCES + "GAME_EFFECTS == \"\nSFX: HIT, A, FX1, 70, 100, 1,  -1  \nSFX: MISS, B, FX2, 70, 100, 1, 0\n\"\n",
     {"HIT"}, {1},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav", "stop 1", "play 1 1 70 100"}},
    {"a comma after the last field makes an eighth and drops the record",
     TWO_SOURCES + "GAME_EFFECTS == \"\nSFX: HIT, A, FX1, 70, 100, 1, 0,\nSFX: MISS, B, FX2, 70, 100, 1, 0\n\"\n",
     {"HIT", "MISS"}, {},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav", "play 2 2 70 100"}},
    {"a record of six fields is ignored",
     TWO_SOURCES + "GAME_EFFECTS == SFX:HIT,A,FX1,70,100,1\n", {"HIT"}, {},
     {"addSource 1", "addSource 2", "load 1 d/a.wav", "load 2 d/b.wav"}},
};

SOUND_TEST_TABLE(SoundConfig, ConfigTable, ConfigCase, CONFIG_CASES);

// A damaged file the game can do without leaves out that sound alone: the
// music and the other effects still play.
TEST(SoundConfig, AFailingLoadLeavesOutThatSoundAndTheRestPlay)
{
    TestSupport::TestGame game;
    SoundTest::RecordingController controller;
    controller.failingFile = "d/b.wav";
    const std::string path = writeConfig(
        "SOUND_SOURCES == MUSIC:LOOPS, FX\nSOUND_DIR == d/\nSOUND_FILES == T:t.ogg, B:b.wav, C:c.wav\n"
        "GAME_EFFECTS == SFX:TITLE_MUSIC,T,MUSIC,100,100,1,-1 SFX:GRAB,B,FX,70,100,1,-1 SFX:DROP,C,FX,60,100,1,-1\n");
    controller.busy = {2};
    KWEP::SoundManager manager(&controller, path);
    std::remove(path.c_str());
    playEffect("GRAB");
    playEffect("DROP");
    EXPECT_EQ(controller.log, (Log{"init", "addSource 1 loop", "addSource 2", "load 1 d/t.ogg", "load 2 d/b.wav",
                                   "load 3 d/c.wav", "play 1 1 80 100", "stop 2", "play 2 3 60 100"}));
}

TEST(SoundConfig, NoFileNameFailsAndAMissingFileLoadsNothing)
{
    TestSupport::TestGame game;
    SoundTest::RecordingController controller;
    KWEP::SoundManager manager(&controller, "");
    EXPECT_FALSE(manager.loadSounds(""));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(manager.loadSounds(TestSupport::tempPath("no-such-sounds.cfg")));
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("no-such-sounds.cfg"), std::string::npos) << message;
    EXPECT_EQ(controller.log, (Log{"init"}));
}

} // namespace

namespace {

TEST(SoundConfig, TheShippedConfigurationGivesEveryEffectAndBothMusics)
{
    TestSupport::TestGame game;
    SoundTest::RecordingController controller;
    KWEP::SoundManager manager(&controller, std::string(FRELMORY_SOURCE_DIR) + "/data/Config/KWEP_SOUNDS.cfg");
    EXPECT_EQ(controller.calls("addSource"),
              (Log{"addSource 1 loop", "addSource 2", "addSource 3", "addSource 4", "addSource 5"}));
    EXPECT_EQ(controller.calls("load").size(), 11u);
    for (const std::string& load : controller.calls("load"))
        EXPECT_NE(load.find(" data/Sounds/"), std::string::npos) << load;
    // The title music (sound 1) on the looping channel at the music volume.
    EXPECT_EQ(controller.calls("play"), (Log{"play 1 1 80 100"}));
    const std::vector<std::string> effects = {"WIN_SONG",   "DIE_SONG", "GRAB",         "RELEASE",      "SNOWMAN_FALL",
                                              "THROW_ROCK", "ROCK_HIT", "CARROT_SMASH", "SNOWMAN_SMASH"};
    for (std::size_t i = 0; i < effects.size(); ++i) {
        playEffect(effects[i]);
        const Log plays = controller.calls("play");
        ASSERT_EQ(plays.size(), i + 2) << effects[i] << " made no play call";
        int channel = 0, sound = 0, volume = 0, pitch = 0;
        ASSERT_EQ(std::sscanf(plays.back().c_str(), "play %d %d %d %d", &channel, &sound, &volume, &pitch), 4);
        EXPECT_NE(channel, 1) << effects[i] << " must not take the music channel";
        EXPECT_GE(volume, 80) << plays.back();
        EXPECT_LE(volume, 100) << plays.back();
        EXPECT_EQ(pitch, 100) << plays.back();
    }
    // Play takes the music channel from the title music while it plays.
    controller.busy.insert(1);
    EVT::Event play(EVT::EVENT_PLAY);
    EVT::EventBus::instance()->raiseEvent(&play, false);
    EXPECT_EQ(controller.calls("play").back(), "play 1 2 80 100");
}

} // namespace
