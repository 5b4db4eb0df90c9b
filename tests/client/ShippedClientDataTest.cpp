// The data the game client ships: the splash picture equals what the code
// draws, the phrase rules expand, and the main configuration defines every
// key once.
#include <map>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "client/CarrotRecord.h"
#include "client/SplashPicture.h"
#include "core/Info.h"
#include "core/Spurt.h"
#include "core/TGA.h"
#include "core/TextFile.h"

namespace {

const std::string SOURCE = FRELMORY_SOURCE_DIR;

} // namespace

TEST(ShippedClientData, SplashEqualsTheDrawing)
{
    unsigned int width = 0, height = 0, bits = 0;
    unsigned char* data = nullptr;
    ASSERT_TRUE(Media::TGA::loadFromFile((SOURCE + "/data/Textures/KWEP_SPLASH.tga").c_str(), &width, &height,
                                         &bits, &data))
        << "rewrite it with the splash-file target";
    const std::vector<unsigned char> shipped(data, data + width * height * bits / 8);
    delete[] data;
    EXPECT_EQ(512u, width);
    EXPECT_EQ(384u, height);
    EXPECT_EQ(24u, bits);
    EXPECT_TRUE(shipped == KWEP::SplashPicture().pixels()) << "rewrite it with the splash-file target";
}

TEST(ShippedClientData, EveryPhraseRuleOfTheGameExpands)
{
    CFG::Info config(SOURCE + "/KWEP.cfg", nullptr);
    Stuff::Spurt spurt(nullptr);
    std::string error;
    ASSERT_TRUE(spurt.parse(SOURCE + "/" + config.get("STORY_SPG"), error)) << error;
    std::vector<std::string> rules;
    for (const char* key : {"STORY_START_RULE", "WON_GAME_RULE", "LOST_GAME_RULE", "CARROT_BANG_RULE"})
        rules.push_back(config.get(key));
    // The lost game's words for each thing the carrot can have done.
    for (int outcome = KWEP::CarrotRecord::UNTAKEN; outcome <= KWEP::CarrotRecord::SHORT; ++outcome)
        rules.push_back(config.get("LOST_GAME_RULE")
                        + KWEP::CarrotRecord::suffix(static_cast<KWEP::CarrotRecord::Outcome>(outcome)));
    for (const std::string& rule : rules) {
        SCOPED_TRACE(rule);
        for (int draw = 0; draw < 20; ++draw) {
            std::string text;
            EXPECT_TRUE(spurt.get(text, rule));
            EXPECT_FALSE(text.empty());
            // The pages treat bracketed words as layout commands.
            EXPECT_EQ(std::string::npos, text.find_first_of("<>"));
        }
    }
}

TEST(ShippedClientData, MainConfigurationDefinesEachKeyOnceAndNamesShippedFiles)
{
    std::string text;
    ASSERT_TRUE(Files::TextFile::load(SOURCE + "/KWEP.cfg", text, "\n"));
    std::map<std::string, int> seen;
    std::istringstream lines(text);
    bool quoted = false;
    for (std::string line; std::getline(lines, line);) {
        const std::string::size_type separator = line.find(" == ");
        if (!quoted && !line.empty() && line[0] != '#' && separator != std::string::npos)
            ++seen[line.substr(0, separator)];
        // A quoted value that stays open runs over the following lines.
        if (!line.empty() && line[0] != '#')
            for (char c : line)
                quoted = c == '"' ? !quoted : quoted;
    }
    for (const auto& key : seen)
        EXPECT_EQ(1, key.second) << key.first;
    CFG::Info config(SOURCE + "/KWEP.cfg", nullptr);
    for (const char* key : {"SPLASH_SCREEN", "STORY_SPG", "FONT_YADJ_FILE", "SOUNDS_CONFIG_FILE",
                            "MENUS_CONFIG_FILE", "LEVEL_FILE"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Files::TextFile::whyUnusable(SOURCE + "/" + config.get(key)), "");
    }
    EXPECT_EQ(Files::TextFile::whyUnusable(SOURCE + "/" + config.get("MODELS_DIR") + "/Font_" + config.get("FONT") + ".dmf"), "");
    EXPECT_EQ("KWEP_HIGHSCORE.cfg", config.get("SCORE_FILE"));
}
