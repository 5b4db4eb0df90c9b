#include "shell/I_Config.h"

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

    const struct { int key; int value; } ints[] = {{0, 14}, {5, 640}, {6, 480}, {26, 0}};
    for (const auto& c : ints) {
        ASSERT_NE(config.getIntPtr(c.key), nullptr) << c.key;
        EXPECT_EQ(*config.getIntPtr(c.key), c.value) << c.key;
    }
    const struct { int key; bool value; } bools[] = {
        {1, true}, {2, false}, {3, false}, {7, false}, {8, false}, {19, true}, {20, true}};
    for (const auto& c : bools) {
        ASSERT_NE(config.getBoolPtr(c.key), nullptr) << c.key;
        EXPECT_EQ(*config.getBoolPtr(c.key), c.value) << c.key;
    }
    const struct { int key; float value; } floats[] = {
        {9, 33.0f}, {10, 33.0f}, {11, 1.0f}, {12, 50000.0f}};
    for (const auto& c : floats) {
        ASSERT_NE(config.getFloatPtr(c.key), nullptr) << c.key;
        EXPECT_EQ(*config.getFloatPtr(c.key), c.value) << c.key;
    }
    ASSERT_NE(config.getULongPtr(4), nullptr);
    EXPECT_EQ(*config.getULongPtr(4), 0ul);
    ASSERT_NE(config.getUIntPtr(21), nullptr);
    EXPECT_EQ(*config.getUIntPtr(21), 80u);
    ASSERT_NE(config.getUIntPtr(22), nullptr);
    EXPECT_EQ(*config.getUIntPtr(22), 100u);
    for (int key = 23; key <= 25; ++key) {
        ASSERT_NE(config.getStringPtr(key), nullptr) << key;
        EXPECT_EQ(*config.getStringPtr(key), "") << key;
    }
    EXPECT_EQ(config.getBoolPtr(4), nullptr);
    EXPECT_EQ(config.getIntPtr(27), nullptr);

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
    EXPECT_EQ(config->getFloatPtr(13)[0], 0.0f);
    EXPECT_EQ(config->getFloatPtr(13)[1], 0.0f);
    EXPECT_EQ(config->getFloatPtr(13)[2], 0.0f);
    for (int key = 14; key <= 18; ++key) {
        ASSERT_NE(config->getFloatPtr(key), nullptr) << key;
        EXPECT_EQ(config->getFloatPtr(key)[0], 0.0f) << key;
        EXPECT_EQ(config->getFloatPtr(key)[1], 0.0f) << key;
    }
    config->~TestConfig();
}

TEST(I_Config, WritesThroughKeyPointersAreSeenByLaterReads)
{
    TestConfig config;
    *config.getFloatPtr(10) = 45.5f;
    *config.getStringPtr(24) = "menu.cfg";
    config.getFloatPtr(17)[1] = 0.25f;
    EXPECT_EQ(*config.getFloatPtr(10), 45.5f);
    EXPECT_EQ(*config.getStringPtr(24), "menu.cfg");
    EXPECT_EQ(config.getFloatPtr(17)[1], 0.25f);
    EXPECT_EQ(config.getFloatPtr(18)[0], 0.0f);
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
