#include "OptionsFixture.h"

namespace {

using KWEP::Config;

class HelpTextTest : public OptionsTest::OptionsFixture {
protected:
    std::string help(const Config& config) const
    {
        std::ostringstream out;
        config.writeHelp(out);
        return out.str();
    }
};

const char* const INTRODUCTION =
    "NOTE: First parameter can optionally be a config override file\n"
    "      For example to change MENUS_CONFIG_FILE, but leave everything else\n"
    "Flags:\n";

TEST_F(HelpTextTest, PaddedHeadsExplanationsAndCurrentValues)
{
    setKeys({{"CONFIG_DIR", "cfg/"},
             {"INFO_PADLEN", "20"},
             {"INFO_DEFSTR", "\"now: \""},
             {"HELP_FLAGSTR_INFO", "Shows this text."},
             {"MENU_INPUT_FLAGSTR_INFO", "Menu profile."},
             {"AUTOPAUSE_FLAGSTR_INFO", "Pause after idle."}});
    Config config;
    const std::string text = help(config);
    const std::string column(20, ' ');
    ASSERT_EQ(text.compare(0, std::string(INTRODUCTION).size(), INTRODUCTION), 0) << text;
    // "--help  " is 8 characters and gets 12 blanks; "--menu-input <file> "
    // is exactly 20; "--auto-pause <seconds> " is longer and stays whole.
    // --help has no value of its own: no "now:" line follows it.
    EXPECT_NE(text.find("\n   --help              Shows this text.\n   --optfile"),
              std::string::npos) << text;
    EXPECT_NE(text.find("\n   --menu-input <file> Menu profile.\n   " + column
                        + "now: cfg/Input/KWEP_MENU_INPUT_STANDARD.cfg\n"),
              std::string::npos) << text;
    EXPECT_NE(text.find("\n   --auto-pause <seconds> Pause after idle.\n   " + column + "now: 0\n"),
              std::string::npos) << text;
    EXPECT_NE(text.find("\n   --debug <NONE | ERROR+WARN+INFO+DEBUG+STACK> \n   " + column
                        + "now: ERROR+WARN+INFO\n"),
              std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
}

TEST_F(HelpTextTest, EveryFlagInOrderWithItsValue)
{
    setKeys({{"INFO_PADLEN", "0"}});
    Config config;
    *config.getStringPtr(Game::OPTION_MENU_PROFILE) = "";
    *config.getIntPtr(Game::OPTION_DEBUG_FLAGS) = 0;
    *config.getBoolPtr(Game::OPTION_EFFECTS_ON) = false;
    *config.getFloatPtr(Game::OPTION_SENSITIVITY) = 0.125f;
    const std::string expected = std::string(INTRODUCTION)
        + "   --help  \n"
        + "   --optfile <file> \n    KWEP_OPTIONS.cfg\n"
        + "   --menu-input <file> \n    <NONE>\n"
        + "   --game-input <file> \n    Input/KWEP_GAME_INPUT_STANDARD.cfg\n"
        + "   --auto-pause <seconds> \n    0\n"
        + "   --sensitivity <value> \n    0.125\n"
        + "   --music <off | volume percent> \n    80\n"
        + "   --sfxs <off | volume percent> \n    off\n"
        + "   --wsize <width> <height> \n    640 480\n"
        + "   --fullscreen <on | off> \n    off\n"
        + "   --fov <angle> \n    33\n"
        + "   --revY <on | off> \n    off\n"
        + "   --vsync <on | off> \n    on\n"
        + "   --fps <on | off> \n    off\n"
        + "   --debug <NONE | ERROR+WARN+INFO+DEBUG+STACK> \n    NONE\n"
        + "   --tilt <angle> \n    4\n"
        + "   --smooth <on | off> \n    on\n"
        + "\n";
    EXPECT_EQ(help(config), expected);
}

// A missing or unreadable width prints the heads as they are, and the value
// column is one blank wide, as for a width of 0.
TEST_F(HelpTextTest, WithoutAUsableWidthHeadsAreNotPadded)
{
    const char* const widths[] = {nullptr, "wide", "-3"};
    for (const char* width : widths) {
        CFG::s_GlobalConfig.reset();
        if (width)
            CFG::s_GlobalConfig.add("INFO_PADLEN", width);
        Config config;
        const std::string text = help(config);
        EXPECT_NE(text.find("\n   --help  \n   --optfile <file> \n    KWEP_OPTIONS.cfg\n"),
                  std::string::npos) << text;
    }
}

} // namespace
