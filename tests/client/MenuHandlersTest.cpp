#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "FakeRenderController.h"
#include "FakeWindowApp.h"
#include "MenusFixture.h"
#include "client/I_MenuItemChosen.h"
#include "shell/I_Config.h"
#include "shell/OptionKey.h"

namespace {

typedef void (Menu::I_MenuItemChosen::*Handler)(const std::string&, int);

// The option key's value as text, whatever its type.
std::string keyValue(const Game::I_Config& config, int key)
{
    std::ostringstream out;
    if (const bool* b = config.getBoolPtr(key))
        out << (*b ? "on" : "off");
    else if (const float* f = config.getFloatPtr(key))
        out << *f;
    else if (const unsigned int* u = config.getUIntPtr(key))
        out << *u;
    else if (const int* i = config.getIntPtr(key))
        out << *i;
    else if (const std::string* s = config.getStringPtr(key))
        out << *s;
    return out.str();
}

struct HandlerCase {
    const char* name;
    Handler handler;
    std::string text;
    int index;
    int key;
    std::string before; // written into the key first
    std::string after;  // the key afterwards
    bool announced;
};

void setKey(Game::I_Config& config, int key, const std::string& value)
{
    if (bool* b = config.getBoolPtr(key))
        *b = value == "on";
    else if (float* f = config.getFloatPtr(key))
        *f = std::stof(value);
    else if (unsigned int* u = config.getUIntPtr(key))
        *u = static_cast<unsigned int>(std::stoul(value));
    else if (int* i = config.getIntPtr(key))
        *i = std::stoi(value);
    else if (std::string* s = config.getStringPtr(key))
        *s = value;
}

const HandlerCase HANDLER_CASES[] = {
    {"smooth off", &Menu::I_MenuItemChosen::choseSmooth, "SMOOTH OFF", 0,
     Game::OPTION_SMOOTH, "on", "off", true},
    {"smooth on", &Menu::I_MenuItemChosen::choseSmooth, "SMOOTH ON", 1,
     Game::OPTION_SMOOTH, "off", "on", true},
    {"fullscreen third choice", &Menu::I_MenuItemChosen::choseFullscreen, "FULL X", 2,
     Game::OPTION_FULLSCREEN, "off", "on", true},
    {"fullscreen first", &Menu::I_MenuItemChosen::choseFullscreen, "FULL OFF", 0,
     Game::OPTION_FULLSCREEN, "on", "off", true},
    {"vsync", &Menu::I_MenuItemChosen::choseVSync, "VSYNC OFF", 0,
     Game::OPTION_VSYNC, "on", "off", true},
    {"sfx", &Menu::I_MenuItemChosen::choseEnableSfx, "SFX ON", 1,
     Game::OPTION_EFFECTS_ON, "off", "on", true},
    {"music", &Menu::I_MenuItemChosen::choseEnableMusic, "MUSIC OFF", 0,
     Game::OPTION_MUSIC_ON, "on", "off", true},
    {"reverse y", &Menu::I_MenuItemChosen::choseReverseY, "", 1,
     Game::OPTION_REVERSE_Y, "off", "on", true},
    {"fov with a word", &Menu::I_MenuItemChosen::choseFieldOfView, "60 degrees", 3,
     Game::OPTION_PLAY_FOV, "33", "60", true},
    {"fov without number", &Menu::I_MenuItemChosen::choseFieldOfView, "wide", 0,
     Game::OPTION_PLAY_FOV, "33", "33", false},
    {"fov at its top", &Menu::I_MenuItemChosen::choseFieldOfView, "179", 0,
     Game::OPTION_PLAY_FOV, "33", "179", true},
    {"fov above the flag's range", &Menu::I_MenuItemChosen::choseFieldOfView, "180", 0,
     Game::OPTION_PLAY_FOV, "33", "33", false},
    {"fov below the flag's range", &Menu::I_MenuItemChosen::choseFieldOfView, "0.5", 0,
     Game::OPTION_PLAY_FOV, "33", "33", false},
    {"tilt", &Menu::I_MenuItemChosen::choseTilt, "2.5", 0,
     Game::OPTION_TILT, "4", "2.5", true},
    {"music volume two-word label", &Menu::I_MenuItemChosen::choseMusicVol, "MUSIC VOLUME 80", 2,
     Game::OPTION_MUSIC_VOLUME, "50", "80", true},
    {"music volume taken as given", &Menu::I_MenuItemChosen::choseMusicVol, "MUSIC 150", 2,
     Game::OPTION_MUSIC_VOLUME, "50", "150", true},
    {"music volume not a number", &Menu::I_MenuItemChosen::choseMusicVol, "MUSIC VOLUME loud", 1,
     Game::OPTION_MUSIC_VOLUME, "50", "50", false},
    {"music volume no word", &Menu::I_MenuItemChosen::choseMusicVol, "   ", 1,
     Game::OPTION_MUSIC_VOLUME, "50", "50", false},
    {"sfx volume", &Menu::I_MenuItemChosen::choseSfxVol, "EFFECTS 30", 1,
     Game::OPTION_EFFECTS_VOLUME, "100", "30", true},
    {"sfx volume negative", &Menu::I_MenuItemChosen::choseSfxVol, "EFFECTS -5", 1,
     Game::OPTION_EFFECTS_VOLUME, "100", "100", false},
    {"sfx volume empty", &Menu::I_MenuItemChosen::choseSfxVol, "", 0,
     Game::OPTION_EFFECTS_VOLUME, "100", "100", false},
    {"auto-pause", &Menu::I_MenuItemChosen::choseAutoPause, "PAUSE AFTER -1", 0,
     Game::OPTION_AUTO_PAUSE, "0", "-1", true},
    {"auto-pause without number", &Menu::I_MenuItemChosen::choseAutoPause, "NEVER", 0,
     Game::OPTION_AUTO_PAUSE, "7", "7", false},
    {"menu input without parts", &Menu::I_MenuItemChosen::choseMenuInput, "keys", 0,
     Game::OPTION_MENU_PROFILE, "x", "/keys", true},
    {"game input without parts", &Menu::I_MenuItemChosen::choseGameInput, "switch", 0,
     Game::OPTION_GAME_PROFILE, "x", "/switch", true},
};

void PrintTo(const HandlerCase& c, std::ostream* out) { *out << c.name; }

class MenuHandlers : public ::testing::TestWithParam<HandlerCase> {
protected:
    MenusTest::MenusGame game;
    MenusTest::ConfigRecorder recorder;
    Menu::I_MenuItemChosen handlers;
};

} // namespace

TEST_P(MenuHandlers, WriteTheirKeyAndAnnounceIt)
{
    const HandlerCase& c = GetParam();
    Game::I_Config& config = *game.getConfig();
    setKey(config, c.key, c.before);
    (handlers.*c.handler)(c.text, c.index);
    EXPECT_EQ(keyValue(config, c.key), c.after);
    EXPECT_EQ(recorder.keys, c.announced ? std::vector<int>{c.key} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Table, MenuHandlers, ::testing::ValuesIn(HANDLER_CASES),
                         MenusTest::CaseName());

TEST(MenuHandlerFiles, InputFilesJoinTheStoredParts)
{
    MenusTest::MenusGame game;
    Menu::I_MenuItemChosen handlers;
    handlers.setMenuInputFileInfo("data/Config/Input", "MENU_", ".cfg");
    handlers.setGameInputFileInfo("profiles", "GAME_", ".sic");
    handlers.choseMenuInput("KEYS", 0);
    handlers.choseGameInput("MOUSE", 0);
    EXPECT_EQ(*game.getConfig()->getStringPtr(Game::OPTION_MENU_PROFILE), "data/Config/Input/MENU_KEYS.cfg");
    EXPECT_EQ(*game.getConfig()->getStringPtr(Game::OPTION_GAME_PROFILE), "profiles/GAME_MOUSE.sic");
}

TEST(MenuHandlerFiles, ChangedConfigAnnouncesTheKeyAtOnce)
{
    MenusTest::MenusGame game;
    MenusTest::ConfigRecorder recorder;
    const Menu::I_MenuItemChosen handlers;
    handlers.changedConfig(Game::OPTION_WINDOW_WIDTH);
    EXPECT_EQ(recorder.keys, std::vector<int>{Game::OPTION_WINDOW_WIDTH});
}

TEST(MenuHandlerFiles, KeysTheOptionsLackAreLeftAloneUnannounced)
{
    TestSupport::TestGame game; // the shell's keys only: no tilt, no smoothing
    MenusTest::ConfigRecorder recorder;
    Menu::I_MenuItemChosen handlers;
    handlers.choseSmooth("SMOOTH ON", 1);
    handlers.choseTilt("3", 0);
    EXPECT_TRUE(recorder.keys.empty());
}

namespace {

// Records the sizes the window is asked to take.
class SizingWindowApp : public TestSupport::FakeWindowApp {
public:
    SizingWindowApp() : TestSupport::FakeWindowApp(&log) {}
    void setSize(const std::pair<int, int>& size) override { sizes.push_back(size); }

    std::vector<std::string> log;
    std::vector<std::pair<int, int> > sizes;
};

} // namespace

TEST(MenuHandlerResolution, ResizesOnlyForAnIndexInsideTheList)
{
    MenusTest::MenusGame game;
    SizingWindowApp window;
    TestSupport::FakeRenderController render;
    game.initResult = false; // the root keeps the window application, runs no loop
    game.runGame(nullptr, nullptr, &window, &render, nullptr);
    MenusTest::ConfigRecorder recorder;

    Menu::I_MenuItemChosen handlers;
    handlers.setResolutions({{640, 480}, {800, 600}});
    EXPECT_EQ(handlers.getResolutions().size(), 2u);
    for (int index : {1, 2, -1, 0})
        handlers.choseResolution("ignored", index);
    const std::vector<std::pair<int, int> > expected{{800, 600}, {640, 480}};
    EXPECT_EQ(window.sizes, expected);
    EXPECT_TRUE(recorder.keys.empty());
}

TEST(MenuHandlers, TheSizeInForceJoinsTheOfferedSizesInItsPlace)
{
    typedef Menu::I_MenuItemChosen::Resolutions Sizes;
    const Sizes allowed{{800, 600}, {1024, 768}, {1280, 1024}};
    const struct {
        int width, height;
        Sizes offered;
    } cases[] = {
        {640, 480, {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}}},
        {1024, 600, {{800, 600}, {1024, 600}, {1024, 768}, {1280, 1024}}},
        {1920, 1080, {{800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}}},
        {1024, 768, allowed},
        {0, 0, allowed},
    };
    Menu::I_MenuItemChosen handlers;
    handlers.setResolutions(allowed);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        // Each offer starts from the allowed sizes: an earlier size in force is gone.
        handlers.offerSizeInForce(c.width, c.height);
        EXPECT_EQ(handlers.getResolutions(), c.offered);
    }
}
