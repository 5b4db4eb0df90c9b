// The flag handlers of KWEP::Config. Each takes its values from the parser
// and returns RESULT_OK, or RESULT_INVALID (after noting its flag) when a
// value is missing or does not fit the option, leaving the option as it was.
#include "client/Config.h"

#include "client/OptionNumber.h"
#include "shell/OptionKey.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <vector>

namespace KWEP {

namespace {

const float ANY_LOW = std::numeric_limits<float>::lowest();
const float ANY_HIGH = std::numeric_limits<float>::max();

// The first word of the next token; false when no token was left.
bool nextWord(Config::Parser* parser, std::string& word)
{
    std::vector<std::string> words;
    if (!parser->getNext(words, 1))
        return false;
    word = words[0];
    return true;
}

} // namespace

int Config::optFileOptFn(Parser* parser)
{
    return fileValue(parser, Game::OPTION_OPTIONS_FILE, OPTFILE_OPT);
}

int Config::menuInputOptFn(Parser* parser)
{
    return fileValue(parser, Game::OPTION_MENU_PROFILE, MENU_INPUT_OPT);
}

int Config::gameInputOptFn(Parser* parser)
{
    return fileValue(parser, Game::OPTION_GAME_PROFILE, GAME_INPUT_OPT);
}

int Config::autoPauseOptFn(Parser* parser)
{
    std::string word;
    int seconds = 0;
    if (!nextWord(parser, word) || !OptionNumber::read(word, seconds))
        return failed(AUTOPAUSE_OPT, "a whole number of seconds");
    *getIntPtr(Game::OPTION_AUTO_PAUSE) = seconds;
    return RESULT_OK;
}

int Config::sensitivityOptFn(Parser* parser)
{
    return floatValue(parser, Game::OPTION_SENSITIVITY, ANY_LOW, ANY_HIGH, SENSITIVITY_OPT);
}

int Config::musicOptFn(Parser* parser)
{
    return volumeValue(parser, Game::OPTION_MUSIC_ON, Game::OPTION_MUSIC_VOLUME, MUSIC_OPT);
}

int Config::sfxsOptFn(Parser* parser)
{
    return volumeValue(parser, Game::OPTION_EFFECTS_ON, Game::OPTION_EFFECTS_VOLUME, SFXS_OPT);
}

// Both sides or neither: a window narrower or lower than one pixel cannot
// be opened. One too small to read the menus in opens at the smallest size
// that can, and that size is what the options file keeps.
int Config::windowSizeOptFn(Parser* parser)
{
    std::vector<std::string> words;
    int width = 0;
    int height = 0;
    if (!parser->getNext(words, 2) || !OptionNumber::read(words[0], width)
        || !OptionNumber::read(words[1], height) || width < 1 || height < 1)
        return failed(WSIZE_OPT, "a width and a height, whole numbers of pixels from 1");
    if (width < MIN_WINDOW_WIDTH || height < MIN_WINDOW_HEIGHT) {
        std::cerr << "The window size " << width << " x " << height << " is too small to read the menus; "
                  << "the window opens at " << std::max(width, MIN_WINDOW_WIDTH) << " x "
                  << std::max(height, MIN_WINDOW_HEIGHT) << std::endl;
        width = std::max(width, MIN_WINDOW_WIDTH);
        height = std::max(height, MIN_WINDOW_HEIGHT);
    }
    *getIntPtr(Game::OPTION_WINDOW_WIDTH) = width;
    *getIntPtr(Game::OPTION_WINDOW_HEIGHT) = height;
    return RESULT_OK;
}

int Config::fullscreenOptFn(Parser* parser)
{
    return onOffValue(parser, Game::OPTION_FULLSCREEN, FULLSCREEN_OPT);
}

int Config::fovOptFn(Parser* parser)
{
    return floatValue(parser, Game::OPTION_PLAY_FOV, MIN_FOV, MAX_FOV, FOV_OPT);
}

int Config::reverseYAxisOptFn(Parser* parser)
{
    return onOffValue(parser, Game::OPTION_REVERSE_Y, REVY_OPT);
}

int Config::vsyncOptFn(Parser* parser) { return onOffValue(parser, Game::OPTION_VSYNC, VSYNC_OPT); }

int Config::fpsOptFn(Parser* parser)
{
    return onOffValue(parser, Game::OPTION_SHOW_FRAME_RATE, FPS_OPT);
}

// Unknown names add nothing; only a missing value fails.
int Config::debugOptFn(Parser* parser)
{
    std::string word;
    if (!nextWord(parser, word))
        return failed(DEBUG_OPT, "the names of diagnostic flags joined by +");
    *getIntPtr(Game::OPTION_DEBUG_FLAGS) = getDebugFlags(word);
    return RESULT_OK;
}

int Config::tiltOptFn(Parser* parser)
{
    return floatValue(parser, Game::OPTION_TILT, ANY_LOW, ANY_HIGH, TILT_OPT);
}

int Config::smoothOptFn(Parser* parser)
{
    return onOffValue(parser, Game::OPTION_SMOOTH, SMOOTH_OPT);
}

// A missing value keeps the file name (and fails only when there is none);
// an empty one fails and keeps it too. The name is the whole argument, so a
// name with blanks stays whole.
int Config::fileValue(Parser* parser, int key, const char* flag)
{
    std::string& file = *getStringPtr(key);
    std::string name;
    if (parser->getNextToken(name) && name.empty())
        return failed(flag, "a file name");
    if (!name.empty())
        file = name;
    return file.empty() ? failed(flag, "a file name") : RESULT_OK;
}

int Config::onOffValue(Parser* parser, int key, const char* flag)
{
    std::string word;
    if (!nextWord(parser, word) || (word != "on" && word != "off"))
        return failed(flag, "on or off");
    *getBoolPtr(key) = (word == "on");
    return RESULT_OK;
}

// "off" and "on" switch the sound kind and keep its volume; a number also
// sets the volume, above 100 included (the sound back end caps the gain).
int Config::volumeValue(Parser* parser, int onKey, int volumeKey, const char* flag)
{
    std::string word;
    unsigned int percent = 0;
    const char* const takes = "off, on or a volume in per cent";
    if (!nextWord(parser, word))
        return failed(flag, takes);
    if (word == "off" || word == "on") {
        *getBoolPtr(onKey) = (word == "on");
        return RESULT_OK;
    }
    if (!OptionNumber::read(word, percent))
        return failed(flag, takes);
    *getBoolPtr(onKey) = true;
    *getUIntPtr(volumeKey) = percent;
    return RESULT_OK;
}

int Config::floatValue(Parser* parser, int key, float low, float high, const char* flag)
{
    std::string word;
    float value = 0.0f;
    if (!nextWord(parser, word) || !OptionNumber::read(word, value) || value < low
        || value > high)
        return low == ANY_LOW ? failed(flag, "a number") : failedOutside(flag, low, high);
    *getFloatPtr(key) = value;
    return RESULT_OK;
}

} // namespace KWEP
