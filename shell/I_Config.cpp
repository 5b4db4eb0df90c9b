#include "shell/I_Config.h"

#include "core/Conversions.h"
#include "core/Debug.h"

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

// Keys 13 to 18 get no value from any component; they start at zero so that
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
    addIntPtr(0, &m_debugFlags);
    addBoolPtr(1, &m_vsync);
    addBoolPtr(2, &m_unused);
    addBoolPtr(3, &m_fps);
    addULongPtr(4, &m_clearColour);
    addIntPtr(5, &m_width);
    addIntPtr(6, &m_height);
    addBoolPtr(7, &m_fullScreen);
    addBoolPtr(8, &m_reverseY);
    addFloatPtr(9, &m_menuFov);
    addFloatPtr(10, &m_playFov);
    addFloatPtr(11, &m_nearPlane);
    addFloatPtr(12, &m_farPlane);
    addFloatPtr(13, m_directionSpeed);
    addFloatPtr(14, m_rollSpeed);
    addFloatPtr(15, m_sideSpeed);
    addFloatPtr(16, m_upSpeed);
    addFloatPtr(17, m_yawSpeed);
    addFloatPtr(18, m_pitchSpeed);
    addBoolPtr(19, &m_music);
    addBoolPtr(20, &m_effects);
    addUIntPtr(21, &m_musicVolume);
    addUIntPtr(22, &m_effectsVolume);
    addStringPtr(23, &m_optionsFile);
    addStringPtr(24, &m_menuInputFile);
    addStringPtr(25, &m_gameInputFile);
    addIntPtr(26, &m_autoPause);
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
