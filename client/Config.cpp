#include "client/Config.h"

#include "client/ConfigImpl.h"
#include "client/OptionText.h"

#include "core/CFG.h"
#include "core/Conversions.h"
#include "shell/OptionKey.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace KWEP {

namespace {

const char* const DEFAULT_OPTIONS_FILE = "KWEP_OPTIONS.cfg";
const char* const MENU_PROFILE = "Input/KWEP_MENU_INPUT_STANDARD.cfg";
const char* const GAME_PROFILE = "Input/KWEP_GAME_INPUT_STANDARD.cfg";
const float DEFAULT_FOV = 33.0f;
// The shell's planes, kept when the configuration gives no usable one: a
// near plane of 0 would leave the perspective without depth resolution.
const float DEFAULT_NEAR = 1.0f;
const float DEFAULT_FAR = 50000.0f;
const unsigned long DEFAULT_BACKGROUND = 0xFFFFFFFFul;

float planeFromConfig(const char* key, float fallback)
{
    const float value = Util::strToNum<float>(CFG::get(key), 10, fallback);
    return (std::isfinite(value) && value > 0.0f) ? value : fallback;
}

} // namespace

Config::Config() : m_impl(new Impl)
{
    const std::string configDir = CFG::get("CONFIG_DIR");
    *getStringPtr(Game::OPTION_OPTIONS_FILE) = DEFAULT_OPTIONS_FILE;
    *getStringPtr(Game::OPTION_MENU_PROFILE) = configDir + MENU_PROFILE;
    *getStringPtr(Game::OPTION_GAME_PROFILE) = configDir + GAME_PROFILE;
    *getFloatPtr(Game::OPTION_MENU_FOV) = DEFAULT_FOV;
    *getFloatPtr(Game::OPTION_PLAY_FOV) = DEFAULT_FOV;
    *getFloatPtr(Game::OPTION_NEAR_PLANE) = planeFromConfig("MIN_Z", DEFAULT_NEAR);
    *getFloatPtr(Game::OPTION_FAR_PLANE) = planeFromConfig("MAX_Z", DEFAULT_FAR);
    *getULongPtr(Game::OPTION_CLEAR_COLOUR) =
        Util::strToNum<unsigned long>(CFG::get("MENU_BACKGROUND"), 16, DEFAULT_BACKGROUND);
    addFloatPtr(Game::OPTION_SENSITIVITY, &m_impl->sensitivity);
    addFloatPtr(Game::OPTION_TILT, &m_impl->tilt);
    addBoolPtr(Game::OPTION_SMOOTH, &m_impl->smooth);
}

Config::~Config()
{
    if (m_impl->saveOnExit && !m_impl->keepFile)
        saveOptFile();
    delete m_impl;
}

// Both passes work on a copy of the line, so that a failure in the second
// leaves the caller's line whole, as one in the first does.
bool Config::initialise(int* argc, char** argv)
{
    static const Parser::Flag l_optFileTable[] = {
        {OPTFILE_OPT, &Config::optFileOptFn},
        {nullptr, nullptr},
    };
    int count = (argc && argv) ? *argc : 0;
    std::vector<char*> line(argv, argv + count);
    line.push_back(nullptr);
    int result = runTable(l_optFileTable, &count, line.data());
    if (result == RESULT_OK) {
        loadOptFile();
        result = parseGameOpts(&count, line.data());
    }
    if (result == RESULT_OK && argc && argv) {
        std::copy(line.begin(), line.begin() + count + 1, argv);
        *argc = count;
    }
    setStatus(result == RESULT_OK);
    return getStatus();
}

bool Config::helpShown() const { return m_impl->helpShown; }

void Config::setSaveOnExit(bool save) { m_impl->saveOnExit = save; }

bool Config::getSaveOnExit() const { return m_impl->saveOnExit; }

int Config::parseGameOpts(int* argc, char** argv)
{
    return runTable(gameFlags(), argc, argv);
}

const Config::Parser::Flag* Config::gameFlags()
{
    static const Parser::Flag l_table[] = {
        {HELP_OPT, &Config::helpOptFn},
        {MENU_INPUT_OPT, &Config::menuInputOptFn},
        {GAME_INPUT_OPT, &Config::gameInputOptFn},
        {AUTOPAUSE_OPT, &Config::autoPauseOptFn},
        {SENSITIVITY_OPT, &Config::sensitivityOptFn},
        {MUSIC_OPT, &Config::musicOptFn},
        {SFXS_OPT, &Config::sfxsOptFn},
        {WSIZE_OPT, &Config::windowSizeOptFn},
        {FULLSCREEN_OPT, &Config::fullscreenOptFn},
        {FOV_OPT, &Config::fovOptFn},
        {REVY_OPT, &Config::reverseYAxisOptFn},
        {VSYNC_OPT, &Config::vsyncOptFn},
        {FPS_OPT, &Config::fpsOptFn},
        {DEBUG_OPT, &Config::debugOptFn},
        {TILT_OPT, &Config::tiltOptFn},
        {SMOOTH_OPT, &Config::smoothOptFn},
        {nullptr, nullptr},
    };
    return l_table;
}

int Config::runTable(const Parser::Flag* table, int* argc, char** argv)
{
    m_impl->helpShown = false;
    m_impl->failedFlag.clear();
    m_impl->failedTakes = "";
    m_impl->failedRange = false;
    Parser parser;
    const int result = parser.parse(*this, table, argc, argv);
    m_impl->helpShown = (result == RESULT_HELP_SHOWN);
    return result;
}

int Config::failed(const char* flag, const char* takes)
{
    m_impl->failedFlag = flag;
    m_impl->failedTakes = takes;
    return RESULT_INVALID;
}

int Config::failedOutside(const char* flag, float low, float high)
{
    m_impl->failedRange = true;
    m_impl->failedLow = low;
    m_impl->failedHigh = high;
    return failed(flag, "a number");
}

std::string Config::failure() const
{
    std::string takes = m_impl->failedTakes;
    if (m_impl->failedRange)
        takes += " from " + OptionText::number(m_impl->failedLow) + " to " + OptionText::number(m_impl->failedHigh);
    return "the value of " + m_impl->failedFlag + " is missing or not valid: it takes " + takes;
}

bool Config::keepsOptFile() const { return m_impl->keepFile; }

void Config::keepOptFile(bool keep) { m_impl->keepFile = keep; }

const std::string& Config::failedFlag() const { return m_impl->failedFlag; }

} // namespace KWEP
