#include "shell/I_Config.h"

#include "core/Conversions.h"
#include "core/Debug.h"
#include "shell/OptionKey.h"

#include <vector>

namespace Game {

namespace {

struct FlagName {
    const char* name;
    int bit;
};

// In the order the text form names them.
const FlagName FLAG_NAMES[] = {
    {"ERROR", Util::Debug::FLAG_ERROR},
    {"WARN", Util::Debug::FLAG_WARN},
    {"INFO", Util::Debug::FLAG_INFO},
    {"DEBUG", Util::Debug::FLAG_DEBUG},
    {"STACK", Util::Debug::FLAG_STACK},
};
// Accepted in text only: the number form never writes them.
const char* const ALL_FLAGS = "ALL";
const char* const NO_FLAGS = "NONE";
const char* const FLAG_JOIN = "+";

} // namespace

// The speed keys get no value from any component; they start at zero so that
// nothing reads indeterminate speeds.
I_Config::I_Config()
    : m_status(true),
      m_debugFlags(Util::Debug::FLAG_DEFAULT),
      m_vsync(true),
      m_fps(false),
      m_unused(false),
      m_clearColour(0),
      m_width(640),
      m_height(480),
      m_fullScreen(false),
      m_reverseY(false),
      m_menuFov(33.0f),
      m_playFov(33.0f),
      m_nearPlane(1.0f),
      m_farPlane(50000.0f),
      m_directionSpeed(),
      m_rollSpeed(),
      m_sideSpeed(),
      m_upSpeed(),
      m_yawSpeed(),
      m_pitchSpeed(),
      m_music(true),
      m_effects(true),
      m_musicVolume(80),
      m_effectsVolume(100),
      m_autoPause(0)
{
    addIntPtr(OPTION_DEBUG_FLAGS, &m_debugFlags);
    addBoolPtr(OPTION_VSYNC, &m_vsync);
    addBoolPtr(OPTION_UNUSED, &m_unused);
    addBoolPtr(OPTION_SHOW_FRAME_RATE, &m_fps);
    addULongPtr(OPTION_CLEAR_COLOUR, &m_clearColour);
    addIntPtr(OPTION_WINDOW_WIDTH, &m_width);
    addIntPtr(OPTION_WINDOW_HEIGHT, &m_height);
    addBoolPtr(OPTION_FULLSCREEN, &m_fullScreen);
    addBoolPtr(OPTION_REVERSE_Y, &m_reverseY);
    addFloatPtr(OPTION_MENU_FOV, &m_menuFov);
    addFloatPtr(OPTION_PLAY_FOV, &m_playFov);
    addFloatPtr(OPTION_NEAR_PLANE, &m_nearPlane);
    addFloatPtr(OPTION_FAR_PLANE, &m_farPlane);
    addFloatPtr(OPTION_DIRECTION_SPEED, m_directionSpeed);
    addFloatPtr(OPTION_ROLL_SPEED, m_rollSpeed);
    addFloatPtr(OPTION_SIDE_SPEED, m_sideSpeed);
    addFloatPtr(OPTION_UP_SPEED, m_upSpeed);
    addFloatPtr(OPTION_YAW_SPEED, m_yawSpeed);
    addFloatPtr(OPTION_PITCH_SPEED, m_pitchSpeed);
    addBoolPtr(OPTION_MUSIC_ON, &m_music);
    addBoolPtr(OPTION_EFFECTS_ON, &m_effects);
    addUIntPtr(OPTION_MUSIC_VOLUME, &m_musicVolume);
    addUIntPtr(OPTION_EFFECTS_VOLUME, &m_effectsVolume);
    addStringPtr(OPTION_OPTIONS_FILE, &m_optionsFile);
    addStringPtr(OPTION_MENU_PROFILE, &m_menuInputFile);
    addStringPtr(OPTION_GAME_PROFILE, &m_gameInputFile);
    addIntPtr(OPTION_AUTO_PAUSE, &m_autoPause);
}

I_Config::~I_Config() {}

std::string I_Config::getDebugFlags(int flags)
{
    std::string text;
    for (const FlagName& flag : FLAG_NAMES) {
        if ((flags & flag.bit) != 0) {
            if (!text.empty())
                text += FLAG_JOIN;
            text += flag.name;
        }
    }
    return text;
}

int I_Config::getDebugFlags(const std::string& text)
{
    if (text == NO_FLAGS)
        return 0;
    std::vector<std::string> names;
    Util::splitString(text, FLAG_JOIN, names, false);
    int flags = 0;
    for (const std::string& name : names) {
        if (name == ALL_FLAGS)
            flags |= Util::Debug::FLAG_ALL;
        for (const FlagName& flag : FLAG_NAMES) {
            if (name == flag.name)
                flags |= flag.bit;
        }
    }
    return flags;
}

} // namespace Game
