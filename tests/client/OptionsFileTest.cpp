#include "OptionsFixture.h"

#include <algorithm>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Unprivileged.h"

namespace {

using KWEP::Config;
using OptionsTest::Args;

class OptionsFileTest : public OptionsTest::OptionsFixture {
protected:
    // A config over the test's options file.
    struct FileConfig : Config {
        explicit FileConfig(const std::string& file) { *getStringPtr(Game::OPTION_OPTIONS_FILE) = file; }
    };
};

TEST_F(OptionsFileTest, DefaultsAreWrittenAsThirteenLinesAndAnEmptyOne)
{
    setKeys({{"CONFIG_DIR", "data/Config/"}});
    FileConfig config(optionsFile);
    ASSERT_TRUE(config.saveOptFile());
    EXPECT_EQ(OptionsTest::readFile(optionsFile),
              "--fullscreen off\n"
              "--wsize 640 480\n"
              "--music 80\n"
              "--sfxs 100\n"
              "--menu-input data/Config/Input/KWEP_MENU_INPUT_STANDARD.cfg\n"
              "--game-input data/Config/Input/KWEP_GAME_INPUT_STANDARD.cfg\n"
              "--auto-pause 0\n"
              "--sensitivity 0.5\n"
              "--fov 33\n"
              "--revY off\n"
              "--fps off\n"
              "--tilt 4\n"
              "--smooth on\n"
              "\n");
}

TEST_F(OptionsFileTest, WhatIsSavedReadsBackTheSame)
{
    std::map<int, std::string> saved;
    {
        FileConfig config(optionsFile);
        Args args{"--fullscreen", "on", "--wsize", "1024", "768", "--music", "off", "--sfxs", "35",
                  "--menu-input", "my menus.cfg", "--game-input", "g \"1\"\\.cfg", "--auto-pause", "-3",
                  "--sensitivity", "0.1234567", "--fov", "47.5", "--revY", "on", "--fps", "on",
                  "--tilt", "-12", "--smooth", "off"};
        ASSERT_EQ(config.parseGameOpts(args.argc(), args.argv()), Config::RESULT_OK);
        *config.getUIntPtr(Game::OPTION_MUSIC_VOLUME) = 55;  // not kept: music is off
        saved = OptionsTest::snapshot(config);
        ASSERT_TRUE(config.saveOptFile());
    }
    FileConfig config(optionsFile);
    ASSERT_TRUE(config.loadOptFile());
    auto expected = saved;
    expected[Game::OPTION_MUSIC_VOLUME] = "80";
    EXPECT_EQ(OptionsTest::snapshot(config), expected);
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_SENSITIVITY), 0.123457f);
}

// Only the division into tokens matters: blanks, tabs, line ends of either
// kind; flags the writer never writes are read all the same, except "--help"
// and "--optfile", which are no flags in the file.
TEST_F(OptionsFileTest, TokensAreReadHoweverTheLinesRun)
{
    struct Case {
        const char* text;
        std::map<int, std::string> changed;
    };
    const Case cases[] = {
        {"--fov 40 --tilt 2 --fps on",
         {{Game::OPTION_PLAY_FOV, "40"}, {Game::OPTION_TILT, "2"}, {Game::OPTION_SHOW_FRAME_RATE, "on"}}},
        {"--fov\n40\n\n\t--tilt\t2 \r\n--fps\r\non\r\n",
         {{Game::OPTION_PLAY_FOV, "40"}, {Game::OPTION_TILT, "2"}, {Game::OPTION_SHOW_FRAME_RATE, "on"}}},
        {"--vsync off\n--debug ERROR\n", {{Game::OPTION_VSYNC, "off"}, {Game::OPTION_DEBUG_FLAGS, "8"}}},
        {"--help --fov 40\n", {{Game::OPTION_PLAY_FOV, "40"}}},
        {"--optfile other.cfg\n--tilt 3\n", {{Game::OPTION_TILT, "3"}}},
        // names written before quoting: a backslash is an ordinary character
        {"--menu-input a\\b.cfg\n", {{Game::OPTION_MENU_PROFILE, "a\\b.cfg"}}},
        {"", {}},
        {"\n\n \t\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        OptionsTest::writeFile(optionsFile, c.text);
        FileConfig config(optionsFile);
        const auto before = OptionsTest::snapshot(config);
        ::testing::internal::CaptureStdout();
        config.loadOptFile();
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(OptionsTest::changes(before, OptionsTest::snapshot(config)), c.changed);
        EXPECT_FALSE(config.helpShown());
    }
}

// Each bad entry costs itself alone, with one warning naming the file and
// the flag; a flag left without its value does not take the next flag as
// its value.
TEST_F(OptionsFileTest, ABadEntryCostsItselfAloneAndIsReportedOnce)
{
    OptionsTest::writeFile(optionsFile, "--fov 0\n--fullscreen maybe\n--tilt 2\n--sensitivity 0.75\n"
                                        "--fps\n--smooth off\n--wsize 800\n");
    FileConfig config(optionsFile);
    const auto before = OptionsTest::snapshot(config);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(config.loadOptFile());
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(OptionsTest::changes(before, OptionsTest::snapshot(config)),
              (std::map<int, std::string>{
                  {Game::OPTION_SENSITIVITY, "0.75"}, {Game::OPTION_TILT, "2"}, {Game::OPTION_SMOOTH, "off"}}));
    EXPECT_FALSE(config.keepsOptFile());
    for (const char* flag : {"--fov", "--fullscreen", "--fps", "--wsize"})
        EXPECT_NE(warning.find(std::string(flag) + " is missing"), std::string::npos) << warning;
    EXPECT_NE(warning.find(optionsFile), std::string::npos) << warning;
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 4) << warning;
}

// A file that is there but does not read is reported and never written
// over: one too large for the gate (sparse, so it costs no disk), and one
// of mode 000, read by an ordinary user (the tests may run as root).
TEST_F(OptionsFileTest, AFileThatDoesNotReadIsReportedAndKept)
{
    const std::string folder = TestSupport::Unprivileged::folder("options_kept");
    const std::string file = folder + "/KWEP_OPTIONS.cfg";
    const struct {
        const char* name;
        off_t size;
        mode_t mode;
        const char* reason;
    } cases[] = {
        {"sparse file over 64 MB", 65 * 1024 * 1024, 0644, "larger than 64 MB"},
        {"no permission to read", 9, 0, "Permission denied"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OptionsTest::writeFile(file, "--fov 50\n");
        ASSERT_EQ(::truncate(file.c_str(), c.size), 0);
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        const int answer = TestSupport::Unprivileged::run([&file, &c] {
            FileConfig config(file);
            ::testing::internal::CaptureStderr();
            const bool loaded = config.loadOptFile();
            const std::string warning = ::testing::internal::GetCapturedStderr();
            config.setSaveOnExit(true);
            const bool named = warning.find(file) != std::string::npos && warning.find(c.reason) != std::string::npos
                && warning.find("not saved") != std::string::npos;
            return !loaded && config.keepsOptFile() && named ? 0 : 1;
        });
        EXPECT_EQ(answer, 0);
        struct stat info;
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_size, c.size) << "the file was written over";
        EXPECT_EQ(info.st_mode & 0777, c.mode);
        std::remove(file.c_str());
    }
    ::rmdir(folder.c_str());
}

// An unclosed quote ends with its line, so the entries after it still
// apply; a name holding line ends is saved on one line and reads back whole.
TEST_F(OptionsFileTest, AQuoteEndsAtItsLineAndLineEndsInANameReadBack)
{
    OptionsTest::writeFile(optionsFile, "--fov \"45\n--tilt 3\r\n--menu-input \"menus\\\n--smooth off\n");
    {
        FileConfig config(optionsFile);
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(config.loadOptFile());
        const std::string warning = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(*config.getFloatPtr(Game::OPTION_PLAY_FOV), 45.0f);
        EXPECT_EQ(*config.getFloatPtr(Game::OPTION_TILT), 3.0f);
        EXPECT_EQ(*config.getStringPtr(Game::OPTION_MENU_PROFILE), "menus\\");
        EXPECT_FALSE(*config.getBoolPtr(Game::OPTION_SMOOTH));
        EXPECT_EQ(warning, "");
    }
    const std::string name = "my\r\nmenus \"\r\".cfg\r";
    {
        FileConfig config(optionsFile);
        *config.getStringPtr(Game::OPTION_MENU_PROFILE) = name;
        ASSERT_TRUE(config.saveOptFile());
    }
    const std::string text = OptionsTest::readFile(optionsFile);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14) << text;
    EXPECT_EQ(text.find('\r'), std::string::npos) << text;
    FileConfig config(optionsFile);
    EXPECT_TRUE(config.loadOptFile());
    EXPECT_EQ(*config.getStringPtr(Game::OPTION_MENU_PROFILE), name);
}

// One pass over the file: a huge number of bad or repeated entries costs
// time in proportion to the file, names the first few and counts the rest,
// and the good entries still apply.
TEST_F(OptionsFileTest, AFileOfManyBadEntriesReadsInOnePassWithFewMessages)
{
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += i % 2 ? "--fov 0\n" : "--tilt 2\n";
    text += "--smooth off\n\x1b[2J\n";
    OptionsTest::writeFile(optionsFile, text);
    FileConfig config(optionsFile);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(config.loadOptFile());
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(*config.getFloatPtr(Game::OPTION_TILT), 2.0f);
    EXPECT_FALSE(*config.getBoolPtr(Game::OPTION_SMOOTH));
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 11) << warning;
    EXPECT_NE(warning.find("99990 more entries"), std::string::npos) << warning;
    EXPECT_EQ(warning.find('\x1b'), std::string::npos) << "control characters reach the terminal";
}

// Two games in one folder: each writes at exit only what it changed, over
// what the file holds then, so neither loses the other's choices.
TEST_F(OptionsFileTest, TwoGamesAtOnceKeepEachOthersChanges)
{
    OptionsTest::writeFile(optionsFile, "--fov 40\n--tilt 2\n--smooth off\n");
    FileConfig first(optionsFile);
    ASSERT_TRUE(first.loadOptFile());
    const pid_t second = ::fork();
    ASSERT_GE(second, 0);
    if (second == 0) {
        FileConfig config(optionsFile);
        const bool loaded = config.loadOptFile();
        *config.getFloatPtr(Game::OPTION_TILT) = 7.0f;
        ::_exit(loaded && config.saveOptFile() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(second, &status, 0), second);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    *first.getFloatPtr(Game::OPTION_PLAY_FOV) = 50.0f;
    ASSERT_TRUE(first.saveOptFile());
    const std::string text = OptionsTest::readFile(optionsFile);
    for (const char* line : {"--fov 50\n", "--tilt 7\n", "--smooth off\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST_F(OptionsFileTest, TheLineWinsAndIsSavedAtExit)
{
    OptionsTest::writeFile(optionsFile, "--fov 40\n--wsize 800 600\n--smooth on\n");
    {
        Config config;
        Args args{"frelmory", "--optfile", optionsFile, "--smooth", "off", "--wsize", "400", "300"};
        ASSERT_TRUE(config.initialise(args.argc(), args.argv()));
        EXPECT_EQ(*config.getFloatPtr(Game::OPTION_PLAY_FOV), 40.0f);
        config.setSaveOnExit(true);
    }
    const std::string text = OptionsTest::readFile(optionsFile);
    EXPECT_NE(text.find("--wsize 400 300\n"), std::string::npos) << text;
    EXPECT_NE(text.find("--fov 40\n"), std::string::npos) << text;
    EXPECT_NE(text.find("--smooth off\n"), std::string::npos) << text;
}

TEST_F(OptionsFileTest, MissingEmptyBinaryAndHugeFilesLeaveTheDefaults)
{
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    const std::string cases[] = {
        "",
        binary,
        std::string(3000000, 'x'),
        "--wsize " + std::string(200000, '9') + " 5",
        "--menu-input " + std::string(1, '\0') + "x.cfg",
        "--tilt",
    };
    {
        FileConfig config(optionsFile + ".missing");
        EXPECT_TRUE(config.loadOptFile());
        EXPECT_FALSE(config.keepsOptFile());
    }
    for (const std::string& bytes : cases) {
        OptionsTest::writeFile(optionsFile, bytes);
        FileConfig config(optionsFile);
        const auto before = OptionsTest::snapshot(config);
        ::testing::internal::CaptureStderr();
        config.loadOptFile();
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(OptionsTest::changes(before, OptionsTest::snapshot(config)),
                  (std::map<int, std::string>{})) << bytes.substr(0, 40);
    }
}

TEST_F(OptionsFileTest, AFailedSaveWarnsAndKeepsTheOldFile)
{
    const std::string folder = optionsFile + ".d";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    FileConfig config(folder);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(config.saveOptFile());
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find(folder), std::string::npos) << warning;
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_EQ(::rmdir(folder.c_str()), 0);  // still empty: nothing was left inside
    EXPECT_EQ(OptionsTest::filesStartingWith(folder), (std::vector<std::string>{}));

    FileConfig missingFolder(optionsFile + ".none/options.cfg");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(missingFolder.saveOptFile());
    EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
}

} // namespace
