#ifndef KWEP_CONFIG_H
#define KWEP_CONFIG_H

#include "core/CmdLineParser.h"
#include "shell/I_Config.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace KWEP {

// The flag texts, shared by the flag tables, the options-file writer and the
// help text.
inline constexpr char HELP_OPT[] = "--help";
inline constexpr char OPTFILE_OPT[] = "--optfile";
inline constexpr char MENU_INPUT_OPT[] = "--menu-input";
inline constexpr char GAME_INPUT_OPT[] = "--game-input";
inline constexpr char AUTOPAUSE_OPT[] = "--auto-pause";
inline constexpr char SENSITIVITY_OPT[] = "--sensitivity";
inline constexpr char MUSIC_OPT[] = "--music";
inline constexpr char SFXS_OPT[] = "--sfxs";
inline constexpr char WSIZE_OPT[] = "--wsize";
inline constexpr char FULLSCREEN_OPT[] = "--fullscreen";
inline constexpr char FOV_OPT[] = "--fov";
inline constexpr char REVY_OPT[] = "--revY";
inline constexpr char VSYNC_OPT[] = "--vsync";
inline constexpr char FPS_OPT[] = "--fps";
inline constexpr char DEBUG_OPT[] = "--debug";
inline constexpr char TILT_OPT[] = "--tilt";
inline constexpr char SMOOTH_OPT[] = "--smooth";

// The fields of view the flag and the menus accept, degrees. 0 means "keep"
// to the render back end, and 180 or more gives a projection with no area;
// either would also be saved and stop the options file at the next start.
inline constexpr float MIN_FOV = 1.0f;
inline constexpr float MAX_FOV = 179.0f;

// The smallest window the menus can be read in, pixels.
inline constexpr int MIN_WINDOW_WIDTH = 320;
inline constexpr int MIN_WINDOW_HEIGHT = 240;

// The game's option keys: the shell's keys with some defaults taken from the
// configuration store, plus the sensitivity, the tilt and the line smoothing
// (see shell/OptionKey.h for all of them).
//
// Options arrive in three layers, each over the one before: these defaults,
// the options file (OPTION_OPTIONS_FILE), the command line. The
// configuration store must be loaded before construction. The destructor
// writes the options file back, but only once the owner has allowed it with
// setSaveOnExit(true), so a run that ends through "--help", a bad command
// line or a failed start-up leaves the file as it was.
class Config : public Game::I_Config {
public:
    // Results of a flag handler and of a parse.
    enum Result {
        RESULT_OK = 0,
        RESULT_INVALID = 1,    // a flag had a missing or bad value
        RESULT_HELP_SHOWN = 2  // "--help" printed the help text
    };

    typedef Util::CmdLineParser<Config> Parser;

    Config();
    ~Config() override;

    // "--optfile" first (over the whole line, program name included), then
    // the options file, then the rest of the line. True when all of it was
    // accepted; argc and argv then hold the tokens no flag used. On false
    // they are as the caller passed them, and helpShown() tells whether the
    // help was printed or the line was not valid.
    bool initialise(int* argc, char** argv) override;

    // True when the last parse stopped because "--help" printed the help.
    bool helpShown() const;

    // Whether the destructor writes the options file; false at first.
    void setSaveOnExit(bool save);
    bool getSaveOnExit() const;

    // Runs the game's flag table over the argc tokens of argv (the first
    // one included); returns a Result. On RESULT_OK argc and argv hold the
    // tokens no flag used, followed by a null pointer (argv needs argc + 1
    // entries); otherwise they are unchanged.
    int parseGameOpts(int* argc, char** argv);

    // Reads the file named by OPTION_OPTIONS_FILE in one pass and applies
    // its flags, "--help" and "--optfile" excepted. A bad entry is skipped
    // with one warning naming the file and the flag; the other entries
    // apply. Words that are no option are ignored, each with a warning;
    // after ten warnings the rest are only counted. False, with a
    // warning, when the file is there but cannot be read (see keepsOptFile);
    // a missing or empty file is no fault.
    bool loadOptFile();

    // True when the last loadOptFile found a file it could not read; the
    // destructor then leaves that file as it is.
    bool keepsOptFile() const;

    // Replaces the file named by OPTION_OPTIONS_FILE with the current
    // options, whole or not at all; a failure prints one warning naming the
    // file. After a load, only the options this run changed since are
    // written over what the file holds at that moment (another game in the
    // same folder may have saved meanwhile); the rest keep the file's
    // values.
    bool saveOptFile();

    // Why the last parse failed, naming the flag and what it takes ("the
    // value of --fov is missing or not valid: it takes ...").
    std::string failure() const;

    // The help text with the current values; "--help" prints it on the
    // standard output stream.
    void writeHelp(std::ostream& out) const;

private:
    struct Impl;
    Impl* m_impl;

    // The game's flags in the order they are applied, "--help" first.
    static const Parser::Flag* gameFlags();
    int runTable(const Parser::Flag* table, int* argc, char** argv);
    void keepOptFile(bool keep);
    struct FileMessages;
    static bool isFlag(const std::string& token);
    // The game's table entry of the flag; null for a token that is none.
    static const Parser::Flag* gameFlag(const std::string& token);
    void applyFileText(const std::string& text, FileMessages& messages);
    static void takeValues(const std::string& text, std::size_t& at, int count, std::vector<std::string>& values);
    // The entry's tokens as one key, each ended by a null character.
    static void entryKey(const std::vector<std::string>& entryTokens, std::string& key);
    static void reportFailure(const std::string& failure, FileMessages& messages);
    static void reportRepeat(const std::string& flag, FileMessages& messages);
    bool applyEntry(const Parser::Flag& flag, std::vector<std::string>& entryTokens, FileMessages& messages);
    bool linesToSave(std::vector<std::string>& lines) const;
    // The options file's thirteen lines; the text file's save adds the
    // final empty line.
    std::vector<std::string> optionsLines() const;

    // The flag handlers: RESULT_OK, or RESULT_INVALID after noting the flag.
    int optFileOptFn(Parser* parser);
    int helpOptFn(Parser* parser);
    int menuInputOptFn(Parser* parser);
    int gameInputOptFn(Parser* parser);
    int autoPauseOptFn(Parser* parser);
    int sensitivityOptFn(Parser* parser);
    int musicOptFn(Parser* parser);
    int sfxsOptFn(Parser* parser);
    int windowSizeOptFn(Parser* parser);
    int fullscreenOptFn(Parser* parser);
    int fovOptFn(Parser* parser);
    int reverseYAxisOptFn(Parser* parser);
    int vsyncOptFn(Parser* parser);
    int fpsOptFn(Parser* parser);
    int debugOptFn(Parser* parser);
    int tiltOptFn(Parser* parser);
    int smoothOptFn(Parser* parser);

    // Shared steps of the handler families.
    int fileValue(Parser* parser, int key, const char* flag);
    int onOffValue(Parser* parser, int key, const char* flag);
    int volumeValue(Parser* parser, int onKey, int volumeKey, const char* flag);
    int floatValue(Parser* parser, int key, float low, float high, const char* flag);
    // Notes the flag that failed and what it takes ("on or off").
    int failed(const char* flag, const char* takes);
    // The same for a number outside low to high.
    int failedOutside(const char* flag, float low, float high);
    // The flag that stopped the last parse; "" when none did.
    const std::string& failedFlag() const;
};

} // namespace KWEP

#endif
