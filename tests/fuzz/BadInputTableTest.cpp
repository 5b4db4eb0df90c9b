#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FileText.h"
#include "TempPath.h"
#include "core/CFG.h"
#include "fuzz/OptionsOnFile.h"

namespace {

namespace fs = std::filesystem;
using FuzzTest::readFile;

// The game announces its first frame when asked to: start-up is over then, and
// it is stopped. One that neither ends nor gets there in this time hangs.
const char FIRST_FRAME[] = "frelmory: first frame drawn";
const std::chrono::seconds HANG_ALLOWANCE(120);
// From the first menu, Return starts a game and Return again leaves the story
// page for the first level.
const char START_LEVEL_KEYS[] =
    "xdotool search --name '^Frelmory' key --delay 700 Return Return >/dev/null 2>&1";
const std::chrono::seconds LEVEL_ALLOWANCE(10);
const char OPTIONS_FILE[] = "KWEP_OPTIONS.cfg";
const char OPTIONS_TEXT[] = "--fov 45\n--tilt 3\n";
const char SCORE_FILE[] = "KWEP_HIGHSCORE.cfg";
const char SCORE_TEXT[] = "HIGH_SCORE == 4321\n";

enum Damage { MISSING, EMPTY, HALF, RANDOM };
const char* const DAMAGE_NAMES[] = {"missing", "empty", "cut to half", "random bytes"};

// What the game does with a damaged file. Either way it says so in a message
// that names the file, and every outcome is clean: no sanitizer report, no
// abort, the player's files untouched.
enum Outcome {
    FAILS_NAMED,   // ends with a failure code
    STARTS_NAMED   // plays on without what it could not read
};
const char* const OUTCOME_NAMES[] = {"fails naming it", "starts naming it"};

struct DataFile {
    const char* path;
    Outcome outcome[4];  // by damage
    // Read when a level starts: the run goes on from the menus into play,
    // and a game still running a while after that has started the level.
    bool atLevelStart = false;
};

// The file's path stands for the case in the listing.
void PrintTo(const DataFile& file, std::ostream* out)
{
    *out << file.path;
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The game's folder: the main configuration and the data, a player's options
// and high score.
fs::path makeGameFolder(const std::string& name)
{
    const fs::path folder = TestSupport::tempPath(name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(FRELMORY_SOURCE_DIR "/KWEP.cfg", folder / "KWEP.cfg");
    fs::copy(FRELMORY_SOURCE_DIR "/data", folder / "data", fs::copy_options::recursive);
    writeFile(folder / OPTIONS_FILE, OPTIONS_TEXT);
    writeFile(folder / "options_before.cfg", OPTIONS_TEXT);
    writeFile(folder / SCORE_FILE, SCORE_TEXT);
    return folder;
}

void damage(const fs::path& file, Damage how, unsigned seed)
{
    const std::string bytes = readFile(file);
    switch (how) {
    case MISSING: fs::remove(file); break;
    case EMPTY: writeFile(file, ""); break;
    case HALF: writeFile(file, bytes.substr(0, bytes.size() / 2)); break;
    case RANDOM: {
        std::mt19937 random(seed);
        std::string noise(std::max<std::size_t>(bytes.size(), 64), '\0');
        for (char& c : noise)
            c = static_cast<char>(random());
        writeFile(file, noise);
        break;
    }
    }
}

struct GameRun {
    bool started = false;   // drew its first frame, then stopped
    bool hung = false;      // neither ended nor drew a frame
    int exitCode = -1;      // when it ended by itself
    int signal = 0;         // when a signal ended it by itself
    std::string errors;
};

// Every option key's value after reading the options file: a game that ends
// normally writes the file again in full, which is no change while each
// value stays what it was.
std::vector<std::string> optionValues(const fs::path& file)
{
    Fuzz::OptionsOnFile options(file.string());
    options.loadOptFile();
    std::vector<std::string> values;
    for (int key = 0; key <= Fuzz::OptionsOnFile::LAST_KEY; ++key) {
        if (key == Fuzz::OptionsOnFile::OPTIONS_FILE_KEY)
            continue;
        std::ostringstream value;
        if (const bool* b = options.getBoolPtr(key))
            value << *b;
        else if (const int* i = options.getIntPtr(key))
            value << *i;
        else if (const unsigned int* u = options.getUIntPtr(key))
            value << *u;
        else if (const unsigned long* ul = options.getULongPtr(key))
            value << *ul;
        else if (const float* f = options.getFloatPtr(key))
            value << *f;
        else if (const std::string* text = options.getStringPtr(key))
            value << *text;
        values.push_back(value.str());
    }
    return values;
}

bool mentions(const std::string& errors, const std::string& text)
{
    return errors.find(text) != std::string::npos;
}

// Waits until the game ends (true) or the allowance is over or enough() holds.
bool waitForEnd(pid_t child, int& status, std::chrono::seconds allowance, const std::function<bool()>& enough)
{
    const auto start = std::chrono::steady_clock::now();
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (enough() || std::chrono::steady_clock::now() - start > allowance)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// Runs the game in the folder, its error stream caught in a file; with
// levelStart it goes on into the first level.
GameRun runGame(const fs::path& folder, bool levelStart)
{
    const fs::path errors = folder / "errors.txt";
    const pid_t child = ::fork();
    if (child == 0) {
        const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int none = ::open("/dev/null", O_WRONLY);
        if (::chdir(folder.c_str()) != 0 || err < 0 || none < 0)
            ::_exit(99);
        ::dup2(none, 1);
        ::dup2(err, 2);
        ::setenv("ALSOFT_DRIVERS", "null", 1);
        ::setenv("FRELMORY_TRACE_START", "1", 1);
        // Mesa's driver leaves blocks behind that the leak check cannot tell
        // from ours once the driver is unloaded; every other report stays on.
        ::setenv("ASAN_OPTIONS", "halt_on_error=1:abort_on_error=0:detect_leaks=0", 1);
        ::execl(FRELMORY_BINARY, FRELMORY_BINARY, static_cast<char*>(nullptr));
        ::_exit(98);
    }
    GameRun run;
    int status = 0;
    bool ended = waitForEnd(child, status, HANG_ALLOWANCE, [&] { return mentions(readFile(errors), FIRST_FRAME); });
    if (!ended && levelStart && mentions(readFile(errors), FIRST_FRAME)) {
        // Keys reach the game through the X server; the game answers them
        // within frames, and a failing level start ends it soon after.
        if (std::system(START_LEVEL_KEYS) == -1)
            ADD_FAILURE() << "xdotool did not run";
        ended = waitForEnd(child, status, LEVEL_ALLOWANCE, [] { return false; });
    }
    run.started = !ended && mentions(readFile(errors), FIRST_FRAME);
    run.hung = !ended && !run.started;
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    if (!run.started && !run.hung) {
        if (WIFEXITED(status))
            run.exitCode = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            run.signal = WTERMSIG(status);
    }
    run.errors = readFile(errors);
    return run;
}

class BadInputTable : public ::testing::TestWithParam<DataFile> {};

// Each damage of a file the game reads at start-up ends as the table says,
// never with a sanitizer report, a signal, an abort inside a library, or a
// changed options or high-score file.
TEST_P(BadInputTable, EachDamageEndsCleanly)
{
    // Option defaults come from the main configuration, as in the game.
    ASSERT_TRUE(CFG::setConfig(FRELMORY_SOURCE_DIR "/KWEP.cfg"));
    const DataFile& file = GetParam();
    const std::string base = fs::path(file.path).filename().string();
    for (Damage how : {MISSING, EMPTY, HALF, RANDOM}) {
        const Outcome expected = file.outcome[how];
        SCOPED_TRACE(std::string(file.path) + " " + DAMAGE_NAMES[how] + ": " + OUTCOME_NAMES[expected]);
        const fs::path folder = makeGameFolder("game_" + base);
        damage(folder / file.path, how, 1234u + how);
        const GameRun run = runGame(folder, file.atLevelStart);
        const std::string& err = run.errors;
        EXPECT_FALSE(mentions(err, "Sanitizer") || mentions(err, "runtime error:")) << err;
        EXPECT_FALSE(mentions(err, "Chipmunk error") || mentions(err, "Assertion")) << err;
        EXPECT_EQ(run.signal, 0) << err;
        EXPECT_FALSE(run.hung) << err;
        EXPECT_EQ(run.started, expected == STARTS_NAMED) << err;
        if (!run.started && !run.hung) {
            EXPECT_NE(run.exitCode, 0) << err;
        }
        EXPECT_TRUE(mentions(err, file.path) || mentions(err, base)) << err;
        EXPECT_EQ(optionValues(folder / OPTIONS_FILE), optionValues(folder / "options_before.cfg"));
        EXPECT_EQ(readFile(folder / SCORE_FILE), SCORE_TEXT);
        fs::remove_all(folder);
    }
}

// The files read before the first menu shows, then those read on the way into
// the first level; by damage: missing, empty, cut to half, random bytes.
const DataFile FILES[] = {
    {"KWEP.cfg", {FAILS_NAMED, FAILS_NAMED, FAILS_NAMED, FAILS_NAMED}},
    {"data/Config/KWEP_MENUS.cfg", {FAILS_NAMED, FAILS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Config/KWEP_SOUNDS.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/grab.wav", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/title.ogg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/game.mod", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/release.wav", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/throw_rock.wav", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/rock_hit.wav", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/snowman_fall.wav", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/snowman_smash.wav", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/carrot_smash.wav", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/die.ogg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Sounds/win.ogg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Models/Font_Block.dmf", {FAILS_NAMED, FAILS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Config/Font_Block.yadj", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Textures/KWEP_SPLASH.tga", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Config/Input/KWEP_MENU_INPUT_STANDARD.cfg", {FAILS_NAMED, FAILS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Config/Input/KWEP_GAME_INPUT_STANDARD.cfg", {FAILS_NAMED, FAILS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Config/Input/KWEP_MENUS_STANDARD.sic", {FAILS_NAMED, FAILS_NAMED, FAILS_NAMED, FAILS_NAMED}},
    {"data/Config/Input/KWEP_GAME_STANDARD.sic", {FAILS_NAMED, FAILS_NAMED, FAILS_NAMED, FAILS_NAMED}},
    {"data/Config/Items/HAND.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Config/Items/LETTER.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Text/KWEP_STORY.spg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}},
    {"data/Config/Levels/LEVEL.cfg", {FAILS_NAMED, FAILS_NAMED, FAILS_NAMED, FAILS_NAMED}, true},
    {"data/Config/Levels/PHYSICS.cfg", {FAILS_NAMED, FAILS_NAMED, STARTS_NAMED, STARTS_NAMED}, true},
    {"data/Config/Items/GROUND.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}, true},
    {"data/Config/Items/CARROT.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}, true},
    {"data/Config/Items/SNOWMAN.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}, true},
    {"data/Config/Items/ROCK.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}, true},
    {"data/Config/Items/BALL.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}, true},
    {"data/Config/Items/BANG.cfg", {STARTS_NAMED, STARTS_NAMED, STARTS_NAMED, STARTS_NAMED}, true},
};

std::string caseName(const ::testing::TestParamInfo<DataFile>& info)
{
    std::string name = fs::path(info.param.path).filename().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(File, BadInputTable, ::testing::ValuesIn(FILES), caseName);

} // namespace
