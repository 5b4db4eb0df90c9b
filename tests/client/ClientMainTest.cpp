// Every early end of the program through clientMain, in this process: the
// back ends are fakes, so nothing needs a display.
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "FakeRenderController.h"
#include "FakeWindowApp.h"
#include "RunFolder.h"
#include "client/ClientBackends.h"
#include "client/clientMain.h"
#include "core/CFG.h"
#include "shell/NullSoundController.h"

namespace {

class ClosedWindowApp : public TestSupport::FakeWindowApp {
public:
    explicit ClosedWindowApp(std::vector<std::string>* log) : FakeWindowApp(log) {}
    bool isOpen() const override { return false; }
};

// Fakes that count the windows asked for; the window may refuse to open.
class FakeBackends : public KWEP::ClientBackends {
public:
    Game::I_WindowApp* makeWindowApp(const char*, int, int, bool, int*, char**) override
    {
        ++windows;
        if (windowOpens)
            return new TestSupport::FakeWindowApp(&log);
        return new ClosedWindowApp(&log);
    }
    Render::I_RenderController* makeRenderController(const Render::ViewData&) override
    {
        return new TestSupport::FakeRenderController(&log);
    }
    Sound::I_SoundController* makeSoundController() override { return new Sound::NullSoundController(); }

    bool windowOpens = true;
    int windows = 0;
    std::vector<std::string> log;
};

struct Outcome {
    int code;
    std::string errors;
    int windows;
    bool optionsWritten;
};

Outcome runIn(RunFolder& folder, std::vector<std::string> args, bool windowOpens = true)
{
    EXPECT_TRUE(folder.ok());
    args.insert(args.begin(), "frelmory");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    FakeBackends backends;
    backends.windowOpens = windowOpens;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    const int code = KWEP::clientMain(static_cast<int>(args.size()), argv.data(), backends);
    testing::internal::GetCapturedStdout();
    const std::string errors = testing::internal::GetCapturedStderr();
    return {code, errors, backends.windows, folder.has("KWEP_OPTIONS.cfg")};
}

} // namespace

TEST(ClientMain, EarlyExits)
{
    const std::string badSic = "bad.sic";
    const struct {
        const char* name;
        bool withConfig;
        std::vector<std::string> args;
        const char* extra; // written to extra.cfg
        bool windowOpens;
        int code;
        const char* named;
        int windows;
    } cases[] = {
        {"no KWEP.cfg", false, {}, nullptr, true, 1, "KWEP.cfg", 0},
        {"missing .cfg argument", true, {"more.cfg"}, nullptr, true, 1, "more.cfg", 0},
        {"empty .cfg argument", true, {"extra.cfg"}, "", true, 1, "extra.cfg", 0},
        {".cfg argument that stops half-way", true, {"extra.cfg"}, "A == \"open\nB == 1\n", true, 1, "extra.cfg", 0},
        {"invalid line", true, {"--fullscreen", "maybe"}, nullptr, true, 2, "frelmory: COMMAND LINE NOT VALID", 0},
        {"invalid value, named with what the flag takes", true, {"--fov", "45abc"}, nullptr, true, 2,
         "frelmory: COMMAND LINE NOT VALID\nfrelmory: the value of --fov is missing or not valid: it takes a "
         "number from 1 to 179\n", 0},
        {"help", true, {"--help"}, nullptr, true, 0, "", 0},
        {"window does not open", true, {}, nullptr, false, 1, "", 1},
        {"missing menu profile", true, {"--menu-input", "nowhere.cfg"}, nullptr, true, 1, "nowhere.cfg", 1},
        {"missing menus file", true, {"extra.cfg"}, "MENUS_CONFIG_FILE == no_menus.cfg\n", true, 1, "no_menus.cfg", 1},
        {"missing font", true, {"extra.cfg"}, "FONT == Nope\n", true, 1, "Font_Nope.dmf", 1},
        {"missing level", true, {"extra.cfg"}, "LEVEL_FILE == no_level.cfg\n", true, 1, "no_level.cfg", 1},
        {"level that is a folder", true, {"extra.cfg"}, "LEVEL_FILE == data\n", true, 1,
         "\"data\" is not a regular file", 1},
        {"controller file that does not read", true, {"--game-input", "game.cfg"}, nullptr, true, 1, "bad.sic", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunFolder folder("client_main_run", c.withConfig);
        if (c.extra)
            folder.write("extra.cfg", c.extra);
        folder.write("bad.sic", "not a controller\n");
        folder.write("game.cfg", "GAME_INPUT_FILE == bad.sic\n");
        const Outcome outcome = runIn(folder, c.args, c.windowOpens);
        EXPECT_EQ(c.code, outcome.code);
        EXPECT_NE(std::string::npos, outcome.errors.find(c.named)) << outcome.errors;
        EXPECT_EQ(c.windows, outcome.windows);
        EXPECT_FALSE(outcome.optionsWritten) << "a failed start keeps the options file";
    }
}

TEST(ClientMain, MainConfigurationThatStopsHalfWayEndsWithOne)
{
    RunFolder folder("client_main_half");
    folder.write("KWEP.cfg", "CONFIG_DIR == data/Config/\nALL_ITEMS == \"ITEM: GROUND LEVEL x.cfg\n");
    const Outcome outcome = runIn(folder, {});
    EXPECT_EQ(1, outcome.code);
    EXPECT_NE(std::string::npos, outcome.errors.find("KWEP.cfg")) << outcome.errors;
    EXPECT_EQ(0, outcome.windows);
}

TEST(ClientMain, SettingsFileAndFurtherConfigurationAreLayered)
{
    // Each level named here is missing: the message names the one that won.
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* settingsFile;
        const char* settings;
        const char* extra; // written to extra.cfg
        const char* named;
    } cases[] = {
        {"the settings file overrides the further file", {"SETTINGS_test.cfg", "extra.cfg"}, "SETTINGS_test.cfg",
         "LEVEL_FILE == settings_level.cfg\n", "LEVEL_FILE == extra_level.cfg\n", "settings_level.cfg"},
        {"the further file after a settings file", {"SETTINGS_test.cfg", "extra.cfg"}, "SETTINGS_test.cfg",
         "UNUSED_KEY == 1\n", "LEVEL_FILE == extra_level.cfg\n", "extra_level.cfg"},
        {"the further file alone", {"extra.cfg"}, "SETTINGS_test.cfg", "LEVEL_FILE == settings_level.cfg\n",
         "LEVEL_FILE == extra_level.cfg\n", "extra_level.cfg"},
        {"the default settings file", {"extra.cfg"}, "SETTINGS_KWEP.cfg", "LEVEL_FILE == default_level.cfg\n",
         "LEVEL_FILE == extra_level.cfg\n", "default_level.cfg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CFG::s_Overrides.reset(); // each run starts as a new process would
        RunFolder folder("client_main_layers");
        folder.write(c.settingsFile, c.settings);
        folder.write("extra.cfg", c.extra);
        const Outcome outcome = runIn(folder, c.args);
        EXPECT_EQ(1, outcome.code);
        EXPECT_NE(std::string::npos, outcome.errors.find(c.named)) << outcome.errors;
    }
}
