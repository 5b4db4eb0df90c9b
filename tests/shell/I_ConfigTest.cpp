#include "shell/I_Config.h"

#include "shell/OptionKey.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

namespace {

class TestConfig : public Game::I_Config {
public:
    bool initialise(int*, char**) override
    {
        setStatus(false);
        return getStatus();
    }
};

TEST(I_Config, RegistersEveryKeyWithItsTypeAndDefault)
{
    TestConfig config;
    EXPECT_TRUE(config.getStatus());

    const struct { int key; int value; } ints[] = {{Game::OPTION_DEBUG_FLAGS, 14},
                                                   {Game::OPTION_WINDOW_WIDTH, 640},
                                                   {Game::OPTION_WINDOW_HEIGHT, 480},
                                                   {Game::OPTION_AUTO_PAUSE, 0}};
    for (const auto& c : ints) {
        ASSERT_NE(config.getIntPtr(c.key), nullptr) << c.key;
        EXPECT_EQ(*config.getIntPtr(c.key), c.value) << c.key;
    }
    const struct { int key; bool value; } bools[] = {
        {Game::OPTION_VSYNC, true},
        {Game::OPTION_UNUSED, false},
        {Game::OPTION_SHOW_FRAME_RATE, false},
        {Game::OPTION_FULLSCREEN, false},
        {Game::OPTION_REVERSE_Y, false},
        {Game::OPTION_MUSIC_ON, true},
        {Game::OPTION_EFFECTS_ON, true}};
    for (const auto& c : bools) {
        ASSERT_NE(config.getBoolPtr(c.key), nullptr) << c.key;
        EXPECT_EQ(*config.getBoolPtr(c.key), c.value) << c.key;
    }
    const struct { int key; float value; } floats[] = {{Game::OPTION_MENU_FOV, 33.0f},
                                                       {Game::OPTION_PLAY_FOV, 33.0f},
                                                       {Game::OPTION_NEAR_PLANE, 1.0f},
                                                       {Game::OPTION_FAR_PLANE, 50000.0f}};
    for (const auto& c : floats) {
        ASSERT_NE(config.getFloatPtr(c.key), nullptr) << c.key;
        EXPECT_EQ(*config.getFloatPtr(c.key), c.value) << c.key;
    }
    ASSERT_NE(config.getULongPtr(Game::OPTION_CLEAR_COLOUR), nullptr);
    EXPECT_EQ(*config.getULongPtr(Game::OPTION_CLEAR_COLOUR), 0ul);
    ASSERT_NE(config.getUIntPtr(Game::OPTION_MUSIC_VOLUME), nullptr);
    EXPECT_EQ(*config.getUIntPtr(Game::OPTION_MUSIC_VOLUME), 80u);
    ASSERT_NE(config.getUIntPtr(Game::OPTION_EFFECTS_VOLUME), nullptr);
    EXPECT_EQ(*config.getUIntPtr(Game::OPTION_EFFECTS_VOLUME), 100u);
    for (int key : {Game::OPTION_OPTIONS_FILE, Game::OPTION_MENU_PROFILE, Game::OPTION_GAME_PROFILE}) {
        ASSERT_NE(config.getStringPtr(key), nullptr) << key;
        EXPECT_EQ(*config.getStringPtr(key), "") << key;
    }
    EXPECT_EQ(config.getBoolPtr(Game::OPTION_CLEAR_COLOUR), nullptr);
    EXPECT_EQ(config.getIntPtr(Game::OPTION_SENSITIVITY), nullptr);

    EXPECT_FALSE(config.initialise(nullptr, nullptr));
    EXPECT_FALSE(config.getStatus());
}

TEST(I_Config, SpeedTablesStartAtZero)
{
    // Filled with garbage first, so zeros are the constructor's doing.
    alignas(TestConfig) unsigned char storage[sizeof(TestConfig)];
    for (unsigned char& byte : storage)
        byte = 0x7f;
    TestConfig* config = new (storage) TestConfig;
    EXPECT_EQ(config->getFloatPtr(Game::OPTION_DIRECTION_SPEED)[0], 0.0f);
    EXPECT_EQ(config->getFloatPtr(Game::OPTION_DIRECTION_SPEED)[1], 0.0f);
    EXPECT_EQ(config->getFloatPtr(Game::OPTION_DIRECTION_SPEED)[2], 0.0f);
    for (int key : {Game::OPTION_ROLL_SPEED, Game::OPTION_SIDE_SPEED, Game::OPTION_UP_SPEED, Game::OPTION_YAW_SPEED,
                    Game::OPTION_PITCH_SPEED}) {
        ASSERT_NE(config->getFloatPtr(key), nullptr) << key;
        EXPECT_EQ(config->getFloatPtr(key)[0], 0.0f) << key;
        EXPECT_EQ(config->getFloatPtr(key)[1], 0.0f) << key;
    }
    config->~TestConfig();
}

TEST(I_Config, WritesThroughKeyPointersAreSeenByLaterReads)
{
    TestConfig config;
    *config.getFloatPtr(Game::OPTION_PLAY_FOV) = 45.5f;
    *config.getStringPtr(Game::OPTION_MENU_PROFILE) = "menu.cfg";
    config.getFloatPtr(Game::OPTION_YAW_SPEED)[1] = 0.25f;
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_PLAY_FOV), 45.5f);
    EXPECT_EQ(*config.getStringPtr(Game::OPTION_MENU_PROFILE), "menu.cfg");
    EXPECT_EQ(config.getFloatPtr(Game::OPTION_YAW_SPEED)[1], 0.25f);
    EXPECT_EQ(config.getFloatPtr(Game::OPTION_PITCH_SPEED)[0], 0.0f);
}

TEST(I_Config, DebugFlagsFromText)
{
    const struct { const char* text; int flags; } cases[] = {
        {"", 0},
        {"NONE", 0},
        {"NONE+ERROR", 8},
        {"ERROR+DEBUG", 9},
        {"DEBUG+ERROR", 9},
        {"+WARN++INFO+", 6},
        {"STACK", 16},
        {"ALL", 0xffff},
        {"error", 0},
        {"ERROR + WARN", 0},
        {"ERROR+BOGUS", 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Game::I_Config::getDebugFlags(std::string(c.text)), c.flags) << c.text;
}

TEST(I_Config, DebugFlagsToText)
{
    const struct { int flags; const char* text; } cases[] = {
        {0, ""},
        {9, "ERROR+DEBUG"},
        {14, "ERROR+WARN+INFO"},
        {16, "STACK"},
        {0x20, ""},
        {0xffff, "ERROR+WARN+INFO+DEBUG+STACK"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Game::I_Config::getDebugFlags(c.flags), c.text) << c.flags;
}

} // namespace
