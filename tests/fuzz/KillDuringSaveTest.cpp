#include <gtest/gtest.h>

#include <glob.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "FileText.h"
#include "TempPath.h"
#include "client/Config.h"
#include "client/GameClient.h"
#include "core/CFG.h"
#include "fuzz/OptionsOnFile.h"

namespace {

using FuzzTest::readFile;

const int VERSIONS = 40;
const int KILLS = 200;

// A writer killed between creating its temporary file and the rename
// leaves that file beside the target.
void removeLeftovers(const std::string& path)
{
    glob_t found = {};
    if (::glob((path + ".*").c_str(), 0, nullptr, &found) == 0) {
        for (std::size_t i = 0; i < found.gl_pathc; ++i)
            std::remove(found.gl_pathv[i]);
    }
    ::globfree(&found);
}

// Option keys that differ in every version, spread over the whole file.
void setVersion(Fuzz::OptionsOnFile& config, int version)
{
    std::vector<std::string> words{"--wsize", std::to_string(640 + version), std::to_string(480 + version),
                                   "--fov", std::to_string(20 + version), "--tilt", std::to_string(version),
                                   "--music", std::to_string(1 + version), "--sfxs", std::to_string(2 + version)};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    int argc = static_cast<int>(words.size());
    ASSERT_EQ(config.parseGameOpts(&argc, argv.data()), KWEP::Config::RESULT_OK);
}

// Version by version the bytes a complete save writes.
std::map<std::string, int> completeVersions(const std::string& path)
{
    std::map<std::string, int> texts;
    for (int version = 0; version < VERSIONS; ++version) {
        Fuzz::OptionsOnFile config(path);
        setVersion(config, version);
        EXPECT_TRUE(config.saveOptFile());
        texts[readFile(path)] = version;
    }
    std::remove(path.c_str());
    return texts;
}

// Saves the versions round and round until it is killed.
[[noreturn]] void saveOptionsForever(const std::string& path, int first)
{
    for (int version = first;; version = (version + 1) % VERSIONS) {
        Fuzz::OptionsOnFile config(path);
        setVersion(config, version);
        config.saveOptFile();
    }
}

// High scores of different lengths, so a cut one cannot pass for another.
int highScore(int version)
{
    int score = 7;
    for (int i = 0; i < version % 9; ++i)
        score = score * 10 + version % 10;
    return version % 2 == 0 ? score : -score;
}

[[noreturn]] void saveHighScoreForever(const std::string& path, int first)
{
    for (int version = first;; version = (version + 1) % VERSIONS)
        KWEP::GameClient::writeHighScore(path, highScore(version));
}

// Kills a writer that runs save after save at seeded random moments; after
// each kill the file must be one of the complete versions.
template <class Writer, class Check>
void killWhileSaving(const std::string& path, Writer writer, Check check)
{
    // Seeded, so a failing kill moment comes again.
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    for (int kill = 0; kill < KILLS; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            writer(path, kill % VERSIONS);
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        check(kill, readFile(path));
    }
}

// The options file after a kill at any moment of a save is one whole
// version, never a cut or mixed one, and it reads back.
TEST(KillDuringSave, TheOptionsFileIsAlwaysOneWholeVersion)
{
    CFG::s_GlobalConfig.reset();
    const std::string path = TestSupport::tempPath("killed_options.cfg");
    const std::map<std::string, int> versions = completeVersions(TestSupport::tempPath("version_options.cfg"));
    ASSERT_EQ(versions.size(), static_cast<std::size_t>(VERSIONS));
    {
        Fuzz::OptionsOnFile config(path);
        setVersion(config, 0);
        ASSERT_TRUE(config.saveOptFile());
    }
    int mixed = 0;
    killWhileSaving(path, saveOptionsForever, [&](int kill, const std::string& text) {
        if (versions.count(text) == 0) {
            ++mixed;
            ADD_FAILURE() << "kill " << kill << " left " << text.size() << " bytes:\n" << text;
            return;
        }
        Fuzz::OptionsOnFile reader(path);
        EXPECT_TRUE(reader.loadOptFile()) << "kill " << kill;
    });
    EXPECT_EQ(mixed, 0);
    std::remove(path.c_str());
    removeLeftovers(path);
}

// The same for the high score, which the game writes at its end.
TEST(KillDuringSave, TheHighScoreFileIsAlwaysOneWholeVersion)
{
    const std::string path = TestSupport::tempPath("killed_highscore.cfg");
    std::map<std::string, int> versions;
    for (int version = 0; version < VERSIONS; ++version) {
        ASSERT_TRUE(KWEP::GameClient::writeHighScore(path, highScore(version)));
        versions[readFile(path)] = version;
    }
    killWhileSaving(path, saveHighScoreForever, [&](int kill, const std::string& text) {
        const auto found = versions.find(text);
        ASSERT_NE(found, versions.end()) << "kill " << kill << " left:\n" << text;
        EXPECT_EQ(KWEP::GameClient::readHighScore(path), highScore(found->second)) << "kill " << kill;
    });
    std::remove(path.c_str());
    removeLeftovers(path);
}

} // namespace
