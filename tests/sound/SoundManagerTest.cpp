// The sound manager's policy: scripts of game events, sound events and option
// changes against a recording controller whose channels can be made busy.

#include "RecordingController.h"
#include "CaseName.h"
#include "TempPath.h"
#include "TestGame.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_ConfigChange.h"
#include "core/Event_Sound.h"
#include "shell/OptionKey.h"
#include "sound/SoundManager.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Channels: 1 MUSIC (looping), 2 FX, 3 FX2. Sounds: 1 T, 2 G, 3 A, 4 B, 5 C.
const char* const CONFIG =
    "SOUND_SOURCES == MUSIC:LOOPS, FX, FX2\n"
    "SOUND_DIR == d/\n"
    "SOUND_FILES == T:t.ogg, G:g.mod, A:a.wav, B:b.wav, C:c.wav\n"
    "GAME_EFFECTS == \"\n"
    "SFX: TITLE_MUSIC, T, MUSIC, 100, 100, 1, -1\n"
    "SFX: GAME_MUSIC,  G, MUSIC, 100, 100, 2, -1\n"
    "SFX: LOW,  A, FX,  90, 100, 1, -1\n"
    "SFX: HIGH, B, FX,  80, 120, 5, -1\n"
    "SFX: SOFT, C, FX2, 70, 100, 1, 30\n"
    "SFX: KEEP, C, FX2, 70, 100, 1, 0\n"
    "\"\n";

class ManagerScript {
public:
    ManagerScript()
    {
        const std::string path = TestSupport::tempPath("manager-sounds.cfg");
        std::ofstream(path) << CONFIG;
        m_manager = new KWEP::SoundManager(&controller, path);
        std::remove(path.c_str());
    }
    ~ManagerScript() { delete m_manager; }

    // Runs the steps, one a line:
    //   sound NAME [VOLUME]   a sound event with the play flag (volume 0 unless given)
    //   stopsound NAME        a sound event without it
    //   event ID              a plain event
    //   opt NAME VALUE        sets the option and announces it; set NAME VALUE only sets it
    //                         (names: music, effects, music-volume, effects-volume)
    //   busy N / idle N       the channel's isPlaying answer
    //   clear                 forgets the calls so far
    //   raw ID                an event of another class with that id
    Log run(const std::string& script)
    {
        std::istringstream lines(script);
        std::string line;
        while (std::getline(lines, line))
            step(line);
        Log calls;
        for (const std::string& entry : controller.log)
            if (entry != "init")
                calls.push_back(entry);
        return calls;
    }

    SoundTest::RecordingController controller;

private:
    TestSupport::TestGame m_game;
    KWEP::SoundManager* m_manager;

    static void raise(EVT::I_Event& event) { EVT::EventBus::instance()->raiseEvent(&event, false); }

    // The option key a script names; -1 for a name it does not know.
    static int optionKey(const std::string& name)
    {
        static const std::map<std::string, int> l_keys = {
            {"music", Game::OPTION_MUSIC_ON},
            {"effects", Game::OPTION_EFFECTS_ON},
            {"music-volume", Game::OPTION_MUSIC_VOLUME},
            {"effects-volume", Game::OPTION_EFFECTS_VOLUME},
        };
        const auto found = l_keys.find(name);
        return found != l_keys.end() ? found->second : -1;
    }

    void setOption(int key, const std::string& value)
    {
        Game::I_Config* config = m_game.getConfig();
        if (key == Game::OPTION_MUSIC_ON || key == Game::OPTION_EFFECTS_ON)
            *config->getBoolPtr(key) = value == "on";
        else
            *config->getUIntPtr(key) = static_cast<unsigned int>(std::stoul(value));
    }

    void step(const std::string& line)
    {
        std::istringstream in(line);
        std::string word, name, value;
        in >> word;
        if (word == "sound" || word == "stopsound") {
            int volume = 0;
            in >> name >> volume;
            EVT::Event_Sound event(EVT::EVENT_SOUND, name, word == "sound", volume, 0);
            raise(event);
        } else if (word == "event") {
            int id = 0;
            in >> id;
            EVT::Event event(id);
            raise(event);
        } else if (word == "opt" || word == "set") {
            in >> name >> value;
            const int key = optionKey(name);
            if (key < 0) {
                ADD_FAILURE() << "no option named " << name;
                return;
            }
            setOption(key, value);
            EVT::Event_ConfigChange event(EVT::EVENT_CONFIGCHANGE, key);
            if (word == "opt")
                raise(event);
        } else if (word == "busy" || word == "idle") {
            int channel = 0;
            in >> channel;
            if (word == "busy")
                controller.busy.insert(channel);
            else
                controller.busy.erase(channel);
        } else if (word == "clear") {
            controller.log.clear();
        } else if (word == "raw") {
            int id = 0;
            in >> id;
            EVT::EventWithString event(id, "LOW");
            raise(event);
        }
    }
};

struct ScriptCase {
    const char* what;
    const char* script;
    Log expected;
};

class ManagerTable : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ManagerTable, RunsTheScript)
{
    ManagerScript manager;
    EXPECT_EQ(manager.run(GetParam().script), GetParam().expected) << GetParam().what;
}

// Stopping every record goes in name order: GAME_MUSIC, HIGH, KEEP, LOW, SOFT, TITLE_MUSIC.
const Log STOP_ALL = {"stop 1", "stop 2", "stop 3", "stop 2", "stop 3", "stop 1"};

Log join(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const ScriptCase SCRIPT_CASES[] = {
    {"the title music starts with the manager, at the music volume", "", {"addSource 1 loop", "addSource 2",
     "addSource 3", "load 1 d/t.ogg", "load 2 d/g.mod", "load 3 d/a.wav", "load 4 d/b.wav", "load 5 d/c.wav",
     "play 1 1 80 100"}},
    {"a lower priority is dropped while the channel plays and plays once it is silent",
     "clear\nsound HIGH\nbusy 2\nsound LOW\nidle 2\nsound LOW", {"play 2 4 80 120", "play 2 3 90 100"}},
    {"a stopped effect leaves its channel at priority 0",
     "clear\nsound HIGH\nbusy 2\nstopsound HIGH\nsound LOW", {"play 2 4 80 120", "stop 2", "stop 2", "play 2 3 90 100"}},
    {"a busy rule of another value sets the busy channel's volume; 0 leaves it",
     "clear\nbusy 3\nsound SOFT\nsound KEEP", {"setVolume 3 30", "play 3 5 70 100", "play 3 5 70 100"}},
    {"the event's volume wins over the record's", "clear\nsound LOW 50", {"play 2 3 50 100"}},
    {"the effects volume scales effects and leaves music alone",
     "clear\nopt effects-volume 50\nsound LOW\nsound LOW 50\nevent 1",
     {"play 2 3 45 100", "play 2 3 25 100", "play 1 2 80 100"}},
    {"music off stops it; on again restarts it at the music volume",
     "clear\nopt music off\nset music-volume 40\nopt music on", {"stop 1", "play 1 1 40 100"}},
    {"pause stops every effect and starts the title music; resume the game music",
     "clear\nevent 3\nevent 4", join(STOP_ALL, {"play 1 1 80 100", "play 1 2 80 100"})},
    {"back to the menus while the title music is current changes nothing", "clear\nevent 2", {}},
    {"back to the menus from play stops everything and starts the title music",
     "clear\nevent 1\nevent 2", join(join({"play 1 2 80 100"}, STOP_ALL), {"play 1 1 80 100"})},
    {"with effects off sound events do nothing and the music follows the game",
     "clear\nopt effects off\nsound LOW\nstopsound ALL\nevent 1", {"play 1 2 80 100"}},
    {"a stop of ALL stops every record", "clear\nstopsound ALL", STOP_ALL},
    {"names without a record do nothing", "clear\nsound NOPE\nstopsound NOPE", {}},
    {"events of another class under the sound and option ids are ignored", "clear\nraw 34\nraw 21", {}},
};

SOUND_TEST_TABLE(SoundManager, ManagerTable, ScriptCase, SCRIPT_CASES);

TEST(SoundManager, WithoutAnOutputItRunsSilentOnTheNullController)
{
    TestSupport::TestGame game;
    SoundTest::RecordingController controller;
    controller.initResult = false;
    testing::internal::CaptureStderr();
    {
        KWEP::SoundManager manager(&controller, "unused.cfg");
        EVT::Event play(EVT::EVENT_PLAY);
        EVT::EventBus::instance()->raiseEvent(&play, false);
        KWEP::SoundManager none(nullptr, "unused.cfg");
        EXPECT_TRUE(none.loadSounds(TestSupport::tempPath("missing.cfg")));
    }
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("without sound"), std::string::npos) << message;
    EXPECT_EQ(controller.log, (Log{"init"}));
}

TEST(SoundManager, ShutsTheControllerDownAndUnsubscribesWhenDeleted)
{
    TestSupport::TestGame game;
    SoundTest::RecordingController controller;
    {
        KWEP::SoundManager manager(&controller, TestSupport::tempPath("missing.cfg"));
    }
    EXPECT_EQ(controller.log.back(), "shutdown");
    // Under the address sanitizer a deleted manager still subscribed would be reached here.
    EVT::Event play(EVT::EVENT_PLAY);
    EVT::EventBus::instance()->raiseEvent(&play, false);
}

} // namespace
