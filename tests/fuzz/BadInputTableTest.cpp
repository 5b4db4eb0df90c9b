#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
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

// The game announces where it is when asked to, and the run follows these
// lines, never the clock: its first frame (start-up is over then, and it is
// stopped), each change of state, the level that begins and the menu line
// the band is on. A game that neither ends nor announces the next line in
// this time hangs; a busy machine takes far less.
const char FIRST_FRAME[] = "frelmory: first frame drawn";
const std::chrono::seconds HANG_ALLOWANCE(600);
const char MENUS_SHOWN[] = "frelmory: state menus";
const char STORY_SHOWN[] = "frelmory: state story";
const char LEVEL_BEGUN[] = "frelmory: level 0 begun";
const char ON_LEAVE[] = "frelmory: menu line LEAVE FRELMORY";
// Once the menus show, Return starts a game; once the story shows, Return
// leaves it for the first level. Down Down brings the band to "leave".
const char RETURN_KEY[] = "xdotool search --name '^Frelmory' key Return >/dev/null 2>&1";
const char DOWN_KEYS[] = "xdotool search --name '^Frelmory' key Down Down >/dev/null 2>&1";
// The game runs on its own clock, each frame moving it on by FRAME_MS and
// announcing it; a level that has begun is watched for three seconds of that
// clock, where a damaged item would show, however slow the machine.
const char FRAME_MS[] = "50";
const char CLOCK_LINE[] = "frelmory: clock ";
const std::size_t PLAY_FRAMES = 3000 / 50;
const char OPTIONS_FILE[] = "KWEP_OPTIONS.cfg";
// The player's saved options, in the form the game writes them, so that a
// normal end writes back the same bytes.
const char PLAYER_OPTIONS[] = "--fov 45\n--tilt 3\n--smooth off\n";
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

// The options text as the game writes it after reading these flags (the
// main configuration must be loaded).
std::string savedForm(const std::string& flags)
{
    const fs::path file = TestSupport::tempPath("saved_form.cfg");
    writeFile(file, flags);
    Fuzz::OptionsOnFile options(file.string());
    options.loadOptFile();
    options.saveOptFile();
    std::string text = readFile(file);
    fs::remove(file);
    return text;
}

// The text of the saved options; computed once the configuration is loaded.
const std::string& optionsText()
{
    static const std::string l_text = savedForm(PLAYER_OPTIONS);
    return l_text;
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
    writeFile(folder / OPTIONS_FILE, optionsText());
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

// Waits until the game ends (true) or has announced the line.
bool waitForLine(pid_t child, int& status, const fs::path& errors, const char* line)
{
    return waitForEnd(child, status, HANG_ALLOWANCE, [&] { return mentions(readFile(errors), line); });
}

// Sends the keys once the game has announced the line; true when it ended
// before that.
bool keysOnLine(pid_t child, int& status, const fs::path& errors, const char* line, const char* keys)
{
    if (waitForLine(child, status, errors, line))
        return true;
    if (std::system(keys) == -1)
        ADD_FAILURE() << "xdotool did not run";
    return false;
}

// The frames the game has announced since the line.
std::size_t framesSince(const std::string& errors, const char* line)
{
    std::size_t frames = 0;
    std::size_t at = errors.find(line);
    while (at != std::string::npos && (at = errors.find(CLOCK_LINE, at + 1)) != std::string::npos)
        ++frames;
    return frames;
}

// From the menus into the first level, watched for PLAY_FRAMES frames once it
// has begun (a failing level start ends the game on the way); true when it
// ended.
bool enterLevel(pid_t child, int& status, const fs::path& errors)
{
    if (keysOnLine(child, status, errors, MENUS_SHOWN, RETURN_KEY)
        || keysOnLine(child, status, errors, STORY_SHOWN, RETURN_KEY)
        || waitForLine(child, status, errors, LEVEL_BEGUN))
        return true;
    return waitForEnd(child, status, HANG_ALLOWANCE,
                      [&] { return framesSince(readFile(errors), LEVEL_BEGUN) >= PLAY_FRAMES; });
}

// The player leaves from the first menu; true when the game ended.
bool quitFromMenus(pid_t child, int& status, const fs::path& errors)
{
    if (keysOnLine(child, status, errors, MENUS_SHOWN, DOWN_KEYS)
        || keysOnLine(child, status, errors, ON_LEAVE, RETURN_KEY))
        return true;
    return waitForEnd(child, status, HANG_ALLOWANCE, [] { return false; });
}

// What a run does once the first frame is drawn.
enum AfterStart {
    STOP,         // nothing: it is stopped
    ENTER_LEVEL,  // it goes on into the first level, then is stopped
    QUIT          // the player quits from the first menu: a normal end
};

// Runs the game in the folder, its error stream caught in a file, with the
// arguments after the program name.
GameRun runGame(const fs::path& folder, AfterStart after, const std::vector<std::string>& args = {})
{
    std::vector<const char*> argv{FRELMORY_BINARY};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    argv.push_back(nullptr);
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
        ::setenv("FRELMORY_FRAME_MS", FRAME_MS, 1);
        // Mesa's driver leaves blocks behind that the leak check cannot tell
        // from ours once the driver is unloaded; every other report stays on.
        ::setenv("ASAN_OPTIONS", "halt_on_error=1:abort_on_error=0:detect_leaks=0", 1);
        // Only the leak check's suppression of those blocks needs the full
        // unwinding on every allocation, which slows start-up by half.
        ::setenv("LSAN_OPTIONS", "fast_unwind_on_malloc=1", 1);
        ::execv(FRELMORY_BINARY, const_cast<char* const*>(argv.data()));
        ::_exit(98);
    }
    GameRun run;
    int status = 0;
    bool ended = waitForLine(child, status, errors, FIRST_FRAME);
    const bool framed = mentions(readFile(errors), FIRST_FRAME);
    if (!ended && after != STOP && framed)
        ended = after == QUIT ? quitFromMenus(child, status, errors) : enterLevel(child, status, errors);
    run.started = (!ended || after == QUIT) && framed;
    run.hung = !ended && !run.started;
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    if (ended) {
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
        const GameRun run = runGame(folder, file.atLevelStart ? ENTER_LEVEL : STOP);
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
        EXPECT_EQ(readFile(folder / OPTIONS_FILE), optionsText());
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

// Damage that is no damaged copy of a shipped file: a bad options entry, an
// options file that does not read, files that never end or count too much,
// a window larger than the screen, arguments the game does not know.
struct Case {
    const char* name;
    std::function<void(const fs::path& folder)> setUp;
    std::vector<std::string> args;
    AfterStart after;        // QUIT: ends normally; STOP: plays on; else fails
    bool fails;              // ends by itself with a failure code
    std::vector<std::string> messages;  // each is on the error stream
    // The options the file holds after the run, as the flags the game writes
    // them from; "" when it is as before.
    std::string flagsAfter;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

void replaceInFile(const fs::path& file, const std::string& from, const std::string& to)
{
    std::string text = readFile(file);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << file << " lacks " << from;
    writeFile(file, text.replace(at, from.size(), to));
}

const char MENU_PROFILE[] = "data/Config/Input/KWEP_MENU_INPUT_STANDARD.cfg";
const char MENU_SIC[] = "data/Config/Input/KWEP_MENUS_STANDARD.sic";

std::vector<Case> cases()
{
    const std::string longFlag = "--" + std::string(100000, 'x');
    return {
        {"bad_options_entry",
         [](const fs::path& folder) { replaceInFile(folder / OPTIONS_FILE, "--fov 45", "--fov 0"); },
         {}, QUIT, false, {"KWEP_OPTIONS.cfg", "--fov"},
         "--tilt 3\n--smooth off\n"},
        {"options_file_is_a_pipe",
         [](const fs::path& folder) { ASSERT_EQ(::mkfifo((folder / "pipe.cfg").c_str(), 0644), 0); },
         {"--optfile", "pipe.cfg"}, QUIT, false, {"pipe.cfg", "not saved"}, ""},
        {"profile_reads_an_endless_device",
         [](const fs::path& folder) { replaceInFile(folder / MENU_PROFILE, MENU_SIC, "/dev/zero"); },
         {}, STOP, true, {"/dev/zero"}, ""},
        {"profile_counts_100000_areas",
         [](const fs::path& folder) { replaceInFile(folder / MENU_SIC, "NumAreas: 4", "NumAreas: 100000"); },
         {}, STOP, true, {"KWEP_MENUS_STANDARD.sic"}, ""},
        {"font_without_objects",
         [](const fs::path& folder) { replaceInFile(folder / "data/Models/Font_Block.dmf", "\n96;\n", "\n0;\n"); },
         {}, STOP, false, {"Font_Block.dmf\" lacks every letter"}, ""},
        // The standard profile stands in, so the quit keys work; the
        // player's choice stays in the options.
        {"menu_profile_without_input",
         [](const fs::path& folder) {
             fs::copy_file(folder / MENU_PROFILE, folder / "broken_menu.cfg");
             replaceInFile(folder / "broken_menu.cfg", "MENUS_USE_KEYS == YES", "MENUS_USE_KEYS == 7");
             replaceInFile(folder / "broken_menu.cfg", "MENU_INPUT_FILE", "MENU_INPUT_FLIE");
         },
         {"--menu-input", "broken_menu.cfg"}, QUIT, false, {"\"broken_menu.cfg\" gives no input that acts"},
         std::string(PLAYER_OPTIONS) + "--menu-input broken_menu.cfg\n"},
        {"hand_item_without_bodies",
         [](const fs::path& folder) {
             replaceInFile(folder / "data/Config/Items/HAND.cfg", "PART_BODY_LIST", "PART_BODY_LIZT");
         },
         {}, ENTER_LEVEL, true, {"data/Config/Items/HAND.cfg"}, ""},
        {"window_larger_than_the_screen", nullptr, {"--wsize", "100000", "100000"}, STOP, false,
         {"larger than the screen"}, ""},
        {"unknown_arguments", nullptr, {"--nosuch", "-x", "--", "--fov=45", "", longFlag}, STOP, false,
         {"\"--nosuch\" is no option", "\"-x\"", "\"--\"", "\"--fov=45\"", "\"\" is no", "--xxxx"}, ""},
        {"profile_name_with_a_blank",
         [](const fs::path& folder) { fs::copy_file(folder / MENU_PROFILE, folder / "My Menu Profile.cfg"); },
         {"--menu-input", "My Menu Profile.cfg"}, QUIT, false, {},
         std::string(PLAYER_OPTIONS) + "--menu-input \"My Menu Profile.cfg\"\n"},
    };
}

class BadInputCases : public ::testing::TestWithParam<Case> {};

TEST_P(BadInputCases, EndsAsExpectedKeepingThePlayersFiles)
{
    ASSERT_TRUE(CFG::setConfig(FRELMORY_SOURCE_DIR "/KWEP.cfg"));
    const Case& c = GetParam();
    const fs::path folder = makeGameFolder(std::string("case_") + c.name);
    if (c.setUp)
        c.setUp(folder);
    const GameRun run = runGame(folder, c.after, c.args);
    const std::string& err = run.errors;
    EXPECT_FALSE(mentions(err, "Sanitizer") || mentions(err, "runtime error:")) << err;
    EXPECT_EQ(run.signal, 0) << err;
    EXPECT_FALSE(run.hung) << err;
    if (c.fails) {
        EXPECT_FALSE(run.started) << err;
        EXPECT_NE(run.exitCode, 0) << err;
    } else {
        EXPECT_TRUE(run.started) << err;
    }
    if (c.after == QUIT) {
        EXPECT_EQ(run.exitCode, 0) << err;
    }
    for (const std::string& message : c.messages)
        EXPECT_TRUE(mentions(err, message)) << message << " not in:\n" << err.substr(0, 4000);
    const std::string options = c.flagsAfter.empty() ? optionsText() : savedForm(c.flagsAfter);
    EXPECT_EQ(readFile(folder / OPTIONS_FILE), options);
    EXPECT_EQ(readFile(folder / SCORE_FILE), SCORE_TEXT);
    fs::remove_all(folder);
}

std::string caseTitle(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Case, BadInputCases, ::testing::ValuesIn(cases()), caseTitle);

} // namespace
