#include "OptionsFixture.h"

namespace {

using KWEP::Config;
using OptionsTest::Args;

class ConfigFlagsTest : public OptionsTest::OptionsFixture {};

struct FlagCase {
    std::vector<std::string> args;         // after the program name
    int result;
    std::map<int, std::string> changed;    // every key that changes, new text
    std::vector<std::string> left;         // after the program name, on success
};

// Flags run in table order, not in the order of the line; a failing flag
// keeps what the flags before it in table order applied.
const FlagCase FLAG_CASES[] = {
    {{}, Config::RESULT_OK, {}, {}},
    {{"stray", "--unknown", "7"}, Config::RESULT_OK, {}, {"stray", "--unknown", "7"}},
    // on/off family
    {{"--fullscreen", "on"}, Config::RESULT_OK, {{Game::OPTION_FULLSCREEN, "on"}}, {}},
    {{"--fullscreen", "ON"}, Config::RESULT_INVALID, {}, {}},
    {{"--revY", "on", "--fps", "on", "--smooth", "off"}, Config::RESULT_OK,
     {{Game::OPTION_REVERSE_Y, "on"}, {Game::OPTION_SHOW_FRAME_RATE, "on"}, {Game::OPTION_SMOOTH, "off"}},
     {}},
    {{"--fps", "--vsync", "on"}, Config::RESULT_INVALID, {}, {}},
    {{"--fps", "--vsync", "off"}, Config::RESULT_INVALID, {{Game::OPTION_VSYNC, "off"}}, {}},
    {{"--vsync"}, Config::RESULT_INVALID, {}, {}},
    // numbers
    // a number is its whole word
    {{"--wsize", "800x600", "480"}, Config::RESULT_INVALID, {}, {}},
    {{"--fov", "45abc"}, Config::RESULT_INVALID, {}, {}},
    {{"--auto-pause", "3s"}, Config::RESULT_INVALID, {}, {}},
    {{"--wsize", "1024", "300"}, Config::RESULT_OK,
     {{Game::OPTION_WINDOW_WIDTH, "1024"}, {Game::OPTION_WINDOW_HEIGHT, "300"}}, {}},
    // too small to read the menus: the smallest size that can
    {{"--wsize", "1", "1"}, Config::RESULT_OK,
     {{Game::OPTION_WINDOW_WIDTH, "320"}, {Game::OPTION_WINDOW_HEIGHT, "240"}}, {}},
    {{"--wsize", "1024", "100"}, Config::RESULT_OK,
     {{Game::OPTION_WINDOW_WIDTH, "1024"}, {Game::OPTION_WINDOW_HEIGHT, "240"}}, {}},
    {{"--wsize", "800"}, Config::RESULT_INVALID, {}, {}},
    {{"--wsize", "0", "480"}, Config::RESULT_INVALID, {}, {}},
    {{"--wsize", "800", "-1"}, Config::RESULT_INVALID, {}, {}},
    {{"--wsize", "x800", "600"}, Config::RESULT_INVALID, {}, {}},
    {{"--auto-pause", "-5"}, Config::RESULT_OK, {{Game::OPTION_AUTO_PAUSE, "-5"}}, {}},
    {{"--auto-pause", "99999999999"}, Config::RESULT_INVALID, {}, {}},
    {{"--auto-pause", ""}, Config::RESULT_INVALID, {}, {}},
    {{"--sensitivity", ".25", "--tilt", "-2.5"}, Config::RESULT_OK,
     {{Game::OPTION_SENSITIVITY, "0.25"}, {Game::OPTION_TILT, "-2.5"}}, {}},
    {{"--tilt", "x"}, Config::RESULT_INVALID, {}, {}},
    {{"--tilt", "nan"}, Config::RESULT_INVALID, {}, {}},
    {{"--sensitivity", "1e99"}, Config::RESULT_INVALID, {}, {}},
    {{"--fov", "40", "--fov", "50"}, Config::RESULT_OK, {{Game::OPTION_PLAY_FOV, "40"}}, {"--fov", "50"}},
    {{"--fov", "179"}, Config::RESULT_OK, {{Game::OPTION_PLAY_FOV, "179"}}, {}},
    {{"--fov", "200"}, Config::RESULT_INVALID, {}, {}},
    {{"--fov", "0"}, Config::RESULT_INVALID, {}, {}},
    {{"--fov", "0.5"}, Config::RESULT_INVALID, {}, {}},
    // volumes
    {{"--music", "off"}, Config::RESULT_OK, {{Game::OPTION_MUSIC_ON, "off"}}, {}},
    {{"--music", "120"}, Config::RESULT_OK, {{Game::OPTION_MUSIC_VOLUME, "120"}}, {}},
    {{"--music", "loud"}, Config::RESULT_INVALID, {}, {}},
    {{"--music", "-5"}, Config::RESULT_INVALID, {}, {}},
    {{"--music"}, Config::RESULT_INVALID, {}, {}},
    {{"--sfxs", "off", "--music", "7"}, Config::RESULT_OK,
     {{Game::OPTION_EFFECTS_ON, "off"}, {Game::OPTION_MUSIC_VOLUME, "7"}}, {}},
    // diagnostic flags
    {{"--debug", "ERROR+WARN"}, Config::RESULT_OK, {{Game::OPTION_DEBUG_FLAGS, "12"}}, {}},
    {{"--debug", "NONE+ERROR"}, Config::RESULT_OK, {{Game::OPTION_DEBUG_FLAGS, "8"}}, {}},
    {{"--debug", "NONE"}, Config::RESULT_OK, {{Game::OPTION_DEBUG_FLAGS, "0"}}, {}},
    {{"--debug", "loudly"}, Config::RESULT_OK, {{Game::OPTION_DEBUG_FLAGS, "0"}}, {}},
    {{"--debug"}, Config::RESULT_INVALID, {}, {}},
    // files
    {{"--menu-input"}, Config::RESULT_OK, {}, {}},
    {{"--menu-input", ""}, Config::RESULT_INVALID, {}, {}},
    {{"--game-input", "my profile.cfg", "rest"}, Config::RESULT_OK,
     {{Game::OPTION_GAME_PROFILE, "my profile.cfg"}}, {"rest"}},
    // a value is taken by whichever flag comes first in table order
    {{"--smooth", "maybe", "--tilt", "3"}, Config::RESULT_INVALID, {{Game::OPTION_TILT, "3"}}, {}},
    {{"--fov", "--tilt", "9"}, Config::RESULT_INVALID, {}, {}},
};

TEST_F(ConfigFlagsTest, EachLineGivesItsResultKeysAndLeftovers)
{
    for (const FlagCase& c : FLAG_CASES) {
        std::vector<std::string> tokens{"frelmory"};
        tokens.insert(tokens.end(), c.args.begin(), c.args.end());
        std::string line;
        for (const std::string& token : tokens)
            line += "[" + token + "]";
        SCOPED_TRACE(line);

        Config config;
        const auto before = OptionsTest::snapshot(config);
        Args args(tokens);
        EXPECT_EQ(config.parseGameOpts(args.argc(), args.argv()), c.result);
        EXPECT_EQ(OptionsTest::changes(before, OptionsTest::snapshot(config)), c.changed);
        if (c.result == Config::RESULT_OK) {
            std::vector<std::string> left{"frelmory"};
            left.insert(left.end(), c.left.begin(), c.left.end());
            EXPECT_EQ(args.left(), left);
            EXPECT_EQ(args.argv()[left.size()], nullptr);
        } else {
            EXPECT_TRUE(args.untouched());
            EXPECT_FALSE(config.helpShown());
        }
    }
}

TEST_F(ConfigFlagsTest, OnAndOffSwitchTheSoundAndKeepItsVolume)
{
    Config config;
    Args first{"--music", "30", "--sfxs", "off"};
    ASSERT_EQ(config.parseGameOpts(first.argc(), first.argv()), Config::RESULT_OK);
    Args second{"--music", "off", "--sfxs", "on"};
    ASSERT_EQ(config.parseGameOpts(second.argc(), second.argv()), Config::RESULT_OK);
    EXPECT_FALSE(*config.getBoolPtr(Game::OPTION_MUSIC_ON));
    EXPECT_EQ(*config.getUIntPtr(Game::OPTION_MUSIC_VOLUME), 30u);
    EXPECT_TRUE(*config.getBoolPtr(Game::OPTION_EFFECTS_ON));
    EXPECT_EQ(*config.getUIntPtr(Game::OPTION_EFFECTS_VOLUME), 100u);
}

TEST_F(ConfigFlagsTest, HostileLinesNeitherCrashNorReadOutOfBounds)
{
    std::vector<std::string> many{"frelmory"};
    for (int i = 0; i < 600; ++i)
        many.push_back(i % 3 == 0 ? "--fov" : (i % 3 == 1 ? "\xff\xfe" : ""));
    const std::vector<std::vector<std::string> > lines = {
        many,
        {"", "", ""},
        {"--tilt"},
        {"--wsize", "\x80\x81", "\xc3\xa9"},
        {"--menu-input", "\xe2\x82\xac.cfg"},
        {std::string(100000, '7')},
        {"--auto-pause", std::string(100000, '9')},
    };
    for (const auto& line : lines) {
        Config config;
        Args args(line);
        const int result = config.parseGameOpts(args.argc(), args.argv());
        EXPECT_TRUE(result == Config::RESULT_OK || result == Config::RESULT_INVALID);
    }
}

TEST_F(ConfigFlagsTest, HelpIsHandledBeforeEveryOtherFlagAndStopsTheParse)
{
    Config config;
    Args args{"frelmory", "--fov", "50", "--help"};
    ::testing::internal::CaptureStdout();
    const int result = config.parseGameOpts(args.argc(), args.argv());
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(result, Config::RESULT_HELP_SHOWN);
    EXPECT_TRUE(config.helpShown());
    EXPECT_TRUE(args.untouched());
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_PLAY_FOV), 33.0f);
    EXPECT_NE(printed.find("--fov <angle> "), std::string::npos);
    EXPECT_NE(printed.find("33\n"), std::string::npos);
}

class ConfigInitialiseTest : public OptionsTest::OptionsFixture {};

TEST_F(ConfigInitialiseTest, OptfileThenFileThenLineEachOverTheOneBefore)
{
    OptionsTest::writeFile(optionsFile, "--fov 40\n--tilt 2\n");
    Config config;
    Args args{"frelmory", "--fov", "50", "--optfile", optionsFile, "--optfile", "other", "x"};
    ASSERT_TRUE(config.initialise(args.argc(), args.argv()));
    EXPECT_TRUE(config.getStatus());
    EXPECT_EQ(*config.getStringPtr(Game::OPTION_OPTIONS_FILE), optionsFile);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_PLAY_FOV), 50.0f);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_TILT), 2.0f);
    // a second "--optfile" is no flag of the game table: it stays over
    EXPECT_EQ(args.left(), (std::vector<std::string>{"frelmory", "--optfile", "other", "x"}));
}

// "--help" comes first in the table, so it shows the defaults and the file,
// never the line's own values.
TEST_F(ConfigInitialiseTest, HelpShowsTheValuesOfTheFile)
{
    OptionsTest::writeFile(optionsFile, "--fov 40\n");
    Config config;
    Args args{"frelmory", "--fov", "50", "--help", "--optfile", optionsFile};
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(config.initialise(args.argc(), args.argv()));
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(config.helpShown());
    EXPECT_NE(printed.find("\n   --fov <angle> \n    40\n"), std::string::npos) << printed;
}

TEST_F(ConfigInitialiseTest, FailuresLeaveTheLineAndTellHelpFromAnInvalidLine)
{
    struct Case {
        std::vector<std::string> args;
        bool help;
    };
    const Case cases[] = {
        {{"frelmory", "--optfile", ""}, false},
        {{"frelmory", "--optfile", optionsFile, "--fullscreen", "yes"}, false},
        {{"frelmory", "--optfile", optionsFile, "--vsync", "off", "--help"}, true},
    };
    for (const Case& c : cases) {
        Config config;
        Args args(c.args);
        ::testing::internal::CaptureStdout();
        EXPECT_FALSE(config.initialise(args.argc(), args.argv()));
        const std::string printed = ::testing::internal::GetCapturedStdout();
        EXPECT_FALSE(config.getStatus());
        EXPECT_EQ(config.helpShown(), c.help);
        EXPECT_EQ(printed.empty(), !c.help);
        EXPECT_TRUE(args.untouched());
        EXPECT_TRUE(*config.getBoolPtr(Game::OPTION_VSYNC));
    }
}

} // namespace
