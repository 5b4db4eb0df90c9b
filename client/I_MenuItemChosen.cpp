#include "client/I_MenuItemChosen.h"

#include <algorithm>

#include <cstddef>
#include <limits>
#include <vector>

#include "client/Config.h"
#include "core/Conversions.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_ConfigChange.h"
#include "shell/I_Config.h"
#include "shell/I_Game.h"
#include "shell/I_WindowApp.h"
#include "shell/OptionKey.h"

namespace Menu {

namespace {

Game::I_Config* options()
{
    Game::I_Game* game = Game::I_Game::instance();
    return game != nullptr ? game->getConfig() : nullptr;
}

// The last blank-separated word of the text as a whole number. False when
// there is no word or the word does not start with a number that fits T.
template <typename T>
bool lastWordNumber(const std::string& text, T& value)
{
    std::vector<std::string> words;
    if (Util::splitString(text, " ", words, false) == 0)
        return false;
    // Two different defaults tell a number from a failed read, since every
    // value of T is a number some text can hold.
    const T first = Util::strToNum<T>(words.back(), 10, T(0));
    const T second = Util::strToNum<T>(words.back(), 10, T(1));
    if (first != second)
        return false;
    value = first;
    return true;
}

// Stores the value through the key's pointer; false when the key is missing.
template <typename T>
bool store(T* target, const T& value)
{
    if (target == nullptr)
        return false;
    *target = value;
    return true;
}

// Stores the last word's number; false, storing nothing, when the key is
// missing or the text holds no number.
template <typename T>
bool storeLastWord(T* target, const std::string& text)
{
    T value = T(0);
    return lastWordNumber(text, value) && store(target, value);
}

} // namespace

I_MenuItemChosen::I_MenuItemChosen() = default;

void I_MenuItemChosen::choseSmooth(const std::string&, int index) { setBool(Game::OPTION_SMOOTH, index); }
void I_MenuItemChosen::choseFullscreen(const std::string&, int index) { setBool(Game::OPTION_FULLSCREEN, index); }
void I_MenuItemChosen::choseVSync(const std::string&, int index) { setBool(Game::OPTION_VSYNC, index); }
void I_MenuItemChosen::choseEnableSfx(const std::string&, int index) { setBool(Game::OPTION_EFFECTS_ON, index); }
void I_MenuItemChosen::choseEnableMusic(const std::string&, int index) { setBool(Game::OPTION_MUSIC_ON, index); }
void I_MenuItemChosen::choseReverseY(const std::string&, int index) { setBool(Game::OPTION_REVERSE_Y, index); }
void I_MenuItemChosen::choseFieldOfView(const std::string& text, int)
{
    setFloat(Game::OPTION_PLAY_FOV, text, KWEP::MIN_FOV, KWEP::MAX_FOV);
}

void I_MenuItemChosen::choseTilt(const std::string& text, int)
{
    setFloat(Game::OPTION_TILT, text, -std::numeric_limits<float>::max(), std::numeric_limits<float>::max());
}
void I_MenuItemChosen::choseMusicVol(const std::string& text, int) { setVolume(Game::OPTION_MUSIC_VOLUME, text); }
void I_MenuItemChosen::choseSfxVol(const std::string& text, int) { setVolume(Game::OPTION_EFFECTS_VOLUME, text); }

void I_MenuItemChosen::choseAutoPause(const std::string& text, int)
{
    Game::I_Config* config = options();
    if (config != nullptr && storeLastWord(config->getIntPtr(Game::OPTION_AUTO_PAUSE), text))
        changedConfig(Game::OPTION_AUTO_PAUSE);
}

void I_MenuItemChosen::choseMenuInput(const std::string& text, int)
{
    setString(Game::OPTION_MENU_PROFILE, m_menuInput, text);
}

void I_MenuItemChosen::choseGameInput(const std::string& text, int)
{
    setString(Game::OPTION_GAME_PROFILE, m_gameInput, text);
}

void I_MenuItemChosen::choseResolution(const std::string&, int index)
{
    Game::I_Game* game = Game::I_Game::instance();
    if (index < 0 || static_cast<std::size_t>(index) >= m_resolutions.size() || game == nullptr
        || game->getWindowApp() == nullptr)
        return;
    game->getWindowApp()->setSize(m_resolutions[index]);
}

void I_MenuItemChosen::setResolutions(const Resolutions& resolutions)
{
    m_allowed = resolutions;
    m_resolutions = resolutions;
}

void I_MenuItemChosen::offerSizeInForce(int width, int height)
{
    m_resolutions = m_allowed;
    const std::pair<int, int> inForce(width, height);
    if (width < 1 || height < 1
        || std::find(m_resolutions.begin(), m_resolutions.end(), inForce) != m_resolutions.end())
        return;
    Resolutions::iterator at = m_resolutions.begin();
    while (at != m_resolutions.end() && *at < inForce)
        ++at;
    m_resolutions.insert(at, inForce);
}

const I_MenuItemChosen::Resolutions& I_MenuItemChosen::getResolutions() const
{
    return m_resolutions;
}

void I_MenuItemChosen::setMenuInputFileInfo(const std::string& directory,
                                            const std::string& prefix, const std::string& suffix)
{
    m_menuInput = FileInfo{directory, prefix, suffix};
}

void I_MenuItemChosen::setGameInputFileInfo(const std::string& directory,
                                            const std::string& prefix, const std::string& suffix)
{
    m_gameInput = FileInfo{directory, prefix, suffix};
}

void I_MenuItemChosen::changedConfig(int key) const
{
    EVT::Event_ConfigChange event(EVT::EVENT_CONFIGCHANGE, key);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

void I_MenuItemChosen::setBool(int key, int index) const
{
    Game::I_Config* config = options();
    if (config != nullptr && store(config->getBoolPtr(key), index != 0))
        changedConfig(key);
}

void I_MenuItemChosen::setFloat(int key, const std::string& text, float low, float high) const
{
    Game::I_Config* config = options();
    const float value = Util::strToNum<float>(text, 10, 0.0f);
    if (value < low || value > high)
        return;
    if (config != nullptr && store(config->getFloatPtr(key), value))
        changedConfig(key);
}

void I_MenuItemChosen::setVolume(int key, const std::string& text) const
{
    Game::I_Config* config = options();
    if (config != nullptr && storeLastWord(config->getUIntPtr(key), text))
        changedConfig(key);
}

void I_MenuItemChosen::setString(int key, const FileInfo& info, const std::string& text) const
{
    Game::I_Config* config = options();
    const std::string path = info.directory + "/" + info.prefix + text + info.suffix;
    if (config != nullptr && store(config->getStringPtr(key), path))
        changedConfig(key);
}

} // namespace Menu
