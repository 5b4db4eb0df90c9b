#include "OptionsFixture.h"

#include "core/TextFile.h"

namespace {

using KWEP::Config;

class ConfigDefaultsTest : public OptionsTest::OptionsFixture {};

TEST_F(ConfigDefaultsTest, TheConfigurationGivesFoldersPlanesAndBackground)
{
    setKeys({{"CONFIG_DIR", "data/Config/"},
             {"MIN_Z", "2.5"},
             {"MAX_Z", "5000"},
             {"MENU_BACKGROUND", "0x102030FF"}});
    Config config;
    EXPECT_EQ(*config.getStringPtr(Game::OPTION_OPTIONS_FILE), "KWEP_OPTIONS.cfg");
    EXPECT_EQ(*config.getStringPtr(Game::OPTION_MENU_PROFILE), "data/Config/Input/KWEP_MENU_INPUT_STANDARD.cfg");
    EXPECT_EQ(*config.getStringPtr(Game::OPTION_GAME_PROFILE), "data/Config/Input/KWEP_GAME_INPUT_STANDARD.cfg");
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_NEAR_PLANE), 2.5f);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_FAR_PLANE), 5000.0f);
    EXPECT_EQ(*config.getULongPtr(Game::OPTION_CLEAR_COLOUR), 0x102030FFul);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_MENU_FOV), 33.0f);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_PLAY_FOV), 33.0f);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_SENSITIVITY), 0.5f);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_TILT), 4.0f);
    EXPECT_TRUE(*config.getBoolPtr(Game::OPTION_SMOOTH));
    EXPECT_TRUE(config.getStatus());
    EXPECT_FALSE(config.getSaveOnExit());
}

// Without usable planes the shell's 1 and 50000 stay: a near plane of 0
// would leave the perspective without depth resolution.
TEST_F(ConfigDefaultsTest, MissingOrUnusableKeysKeepSoundValues)
{
    const std::vector<std::pair<const char*, const char*> > rows[] = {
        {},
        {{"MIN_Z", "near"}, {"MAX_Z", ""}, {"MENU_BACKGROUND", "night"}},
        {{"MIN_Z", "0"}, {"MAX_Z", "-4"}, {"MENU_BACKGROUND", "-"}},
    };
    for (const auto& row : rows) {
        CFG::s_GlobalConfig.reset();
        for (const auto& key : row)
            CFG::s_GlobalConfig.add(key.first, key.second);
        Config config;
        EXPECT_EQ(*config.getStringPtr(Game::OPTION_MENU_PROFILE), "Input/KWEP_MENU_INPUT_STANDARD.cfg");
        EXPECT_EQ(*config.getStringPtr(Game::OPTION_GAME_PROFILE), "Input/KWEP_GAME_INPUT_STANDARD.cfg");
        EXPECT_EQ(*config.getFloatPtr(Game::OPTION_NEAR_PLANE), 1.0f);
        EXPECT_EQ(*config.getFloatPtr(Game::OPTION_FAR_PLANE), 50000.0f);
        EXPECT_EQ(*config.getULongPtr(Game::OPTION_CLEAR_COLOUR), 0xFFFFFFFFul);
    }
}

TEST_F(ConfigDefaultsTest, TheFileIsWrittenAtDestructionOnlyOnceAllowed)
{
    {
        Config config;
        *config.getStringPtr(Game::OPTION_OPTIONS_FILE) = optionsFile;
    }
    EXPECT_EQ(OptionsTest::readFile(optionsFile), "");
    {
        Config config;
        *config.getStringPtr(Game::OPTION_OPTIONS_FILE) = optionsFile;
        config.setSaveOnExit(true);
        EXPECT_TRUE(config.getSaveOnExit());
    }
    EXPECT_NE(OptionsTest::readFile(optionsFile).find("--smooth on\n"), std::string::npos);
}

// The main configuration as shipped: every flag explained, real profiles.
TEST_F(ConfigDefaultsTest, TheShippedConfigurationFillsTheOptionsAndTheHelp)
{
    const std::string root = std::string(FRELMORY_SOURCE_DIR) + "/";
    ASSERT_TRUE(CFG::s_GlobalConfig.addConfig(root + "KWEP.cfg"));
    Config config;
    EXPECT_EQ(Files::TextFile::whyUnusable(root + *config.getStringPtr(Game::OPTION_MENU_PROFILE)), "");
    EXPECT_EQ(Files::TextFile::whyUnusable(root + *config.getStringPtr(Game::OPTION_GAME_PROFILE)), "");
    EXPECT_GT(*config.getFloatPtr(Game::OPTION_NEAR_PLANE), 0.0f);
    EXPECT_GT(*config.getFloatPtr(Game::OPTION_FAR_PLANE), 700.0f * 2);
    EXPECT_NE(*config.getULongPtr(Game::OPTION_CLEAR_COLOUR), 0xFFFFFFFFul);
    EXPECT_EQ(CFG::get("INFO_DEFSTR"), "now: ");
    const char* const explained[] = {
        "HELP", "OPTFILE", "MENU_INPUT", "GAME_INPUT", "AUTOPAUSE", "SENSITIVITY",
        "MUSIC", "SFXS", "WSIZE", "FULLSCREEN", "FOV", "REVY", "VSYNC", "FPS", "DEBUG",
        "TILT", "SMOOTH"};
    for (const char* flag : explained)
        EXPECT_NE(CFG::get(std::string(flag) + "_FLAGSTR_INFO"), "") << flag;
    std::ostringstream help;
    config.writeHelp(help);
    EXPECT_NE(help.str().find("   --help                      Shows "), std::string::npos)
        << help.str();
}

} // namespace
