#include "client/GameClient.h"

#include <iostream>

#include "client/GameClientImpl.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "core/TextFile.h"
#include "input/CreateSicFiles.h"
#include "input/InputController.h"
#include "input/Switch.h"
#include "input/TriggerId.h"
#include "input/rglScreenAreaRenderer.h"
#include "menu/MenuController.h"
#include "shell/I_Config.h"
#include "shell/OptionKey.h"

namespace KWEP {

namespace {

const unsigned MENU_SLOT = 1;
const unsigned TPAGE_SLOT = 2;
const unsigned GAME_SLOT = 3;

bool isYes(const CFG::Info& info, const char* key) { return info.get(key) == "YES"; }

std::vector<std::string> fileList(const std::string& text)
{
    std::vector<std::string> pieces;
    Util::splitString(text, ",", pieces, false);
    for (std::string& piece : pieces)
        piece = Util::trim(piece, Util::BLANKS);
    return pieces;
}

// True when a switch of the controller raises an action from a trigger the
// controller heeds (mouse switches are not heeded with the mouse off).
bool raisesActions(const Input::InputController* controller, bool mouseOn)
{
    for (unsigned int n = 1; controller && controller->getSwitch(n); ++n) {
        const Input::Switch& sw = *controller->getSwitch(n);
        if (!mouseOn && sw.getTriggerId().getType() == Input::TriggerId::MOUSE)
            continue;
        for (const Input::ActionId* action : {&sw.getPressActionId(), &sw.getReleaseActionId(),
                                              &sw.getHoldPressActionId(), &sw.getHoldReleaseActionId()})
            if (action->getId() != 0)
                return true;
    }
    return false;
}

// Names a profile the generators build in memory rather than a file.
const std::string BUILT_IN_FILE = "built-in:";

// The keys of the standard profile of the slot as the game ships them, for
// when that file gives no input that acts.
std::vector<std::pair<std::string, std::string> > builtInProfile(int key)
{
    if (key == Game::OPTION_MENU_PROFILE)
        return {{"MOUSE_ON", "YES"},
                {"MENUS_USE_KEYS", "YES"},
                {"MENUS_WRAP_AROUND", "YES"},
                {"MENU_INPUT_FILE", BUILT_IN_FILE + "KWEP_MENUS_STANDARD.sic"},
                {"TPAGE_INPUT_FILE", BUILT_IN_FILE + "KWEP_MENUS_TPAGE_STANDARD.sic"}};
    return {{"MOUSE_ON", "YES"}, {"GAME_INPUT_FILE", BUILT_IN_FILE + "KWEP_GAME_STANDARD.sic"}};
}

// The profile the game ships for the slot, in the configuration's folder.
std::string standardProfile(int key)
{
    return CFG::get("CONFIG_DIR")
        + (key == Game::OPTION_MENU_PROFILE ? "Input/KWEP_MENU_INPUT_STANDARD.cfg"
                                            : "Input/KWEP_GAME_INPUT_STANDARD.cfg");
}

} // namespace

GameClient::InputConfig::InputConfig(const std::string& fileName)
    : CFG::Info(fileName, CFG::getDefaultOverrides()), m_fileName(fileName)
{
    readKeys();
}

GameClient::InputConfig::InputConfig(const std::string& name,
                                     const std::vector<std::pair<std::string, std::string> >& keys)
    : CFG::Info(CFG::getDefaultOverrides()), m_fileName(name)
{
    for (const auto& key : keys)
        add(key.first, key.second);
    readKeys();
}

void GameClient::InputConfig::readKeys()
{
    m_mouseOn = isYes(*this, "MOUSE_ON");
    m_useKeys = isYes(*this, "MENUS_USE_KEYS");
    m_wrapAround = isYes(*this, "MENUS_WRAP_AROUND");
    m_powerSelectWrapAround = isYes(*this, "POWER_SELECT_WRAP_AROUND");
    m_powerFile = get("POWER_CONFIG_FILE");
    m_busFile = get("BUS_CONFIG_FILE");
    m_otherFiles = fileList(get("OTHER_INPUT_FILES"));
}

bool GameClient::setInputController(unsigned index, const std::string& file)
{
    Impl& d = *m_impl;
    if (d.controllers.size() <= index)
        d.controllers.resize(index + 1, nullptr);
    Input::InputController*& slot = d.controllers[index];
    if (file.empty()) {
        delete slot;
        slot = nullptr;
        return true;
    }
    if (!slot)
        slot = new Input::InputController(static_cast<int>(index), d.areaRenderer);
    const bool builtIn = file.compare(0, BUILT_IN_FILE.size(), BUILT_IN_FILE) == 0;
    if (builtIn ? CreateSicFiles::readBuiltIn(*slot, file.substr(BUILT_IN_FILE.size()))
                : CreateSicFiles::deser(*slot, file))
        return true;
    std::cerr << getProgramName() << ": the input controller file \"" << Format::printable(file)
              << "\" does not read" << std::endl;
    return false;
}

bool GameClient::addOtherInputs(const std::vector<std::string>& files)
{
    bool read = true;
    for (const std::string& file : files)
        read = setInputController(static_cast<unsigned>(m_impl->controllers.size() + 1), file) && read;
    return read;
}

// Replaces the profile by the one the source gives; false, with a message,
// when its file does not read.
bool GameClient::loadProfile(InputConfig*& profile, int key, ProfileSource source)
{
    delete profile;
    profile = nullptr;
    if (source == BUILT_IN) {
        profile = new InputConfig("the profile built into the game", builtInProfile(key));
        return true;
    }
    const std::string* name = getConfig() ? getConfig()->getStringPtr(key) : nullptr;
    const std::string file = source == STANDARD ? standardProfile(key) : name ? *name : std::string();
    profile = new InputConfig(file);
    const std::string why = Files::TextFile::whyUnusable(file);
    if (why.empty())
        return true;
    std::cerr << getProgramName() << ": the input profile " << why << std::endl;
    return false;
}

// A profile that leaves the player no way to act (lines lost, a misspelt
// key, a value that is no YES) is named and replaced, for this run only,
// by the standard profile, and that one, when it is as dead, by the
// profile built into the game; the option keeps the player's choice.
GameClient::ProfileSource GameClient::fallBack(const InputConfig& profile, int key, const char* what)
{
    const bool standard = profile.getFileName() == standardProfile(key);
    std::cerr << getProgramName() << ": the " << (standard ? "standard " : "") << what << " input profile \""
              << Format::printable(profile.getFileName()) << "\" gives no input that acts; "
              << (standard ? "the profile built into the game" : "the standard profile") << " is used instead"
              << std::endl;
    return standard ? BUILT_IN : STANDARD;
}

// Each round moves on to a later source, so the loop ends.
bool GameClient::createInputs(const ProfileKind& kind)
{
    for (ProfileSource source = CHOSEN;; source = fallBack(*(m_impl->*kind.profile), kind.key, kind.what)) {
        if (!(this->*kind.create)(source))
            return false;
        if (source == BUILT_IN || (this->*kind.acts)())
            return true;
    }
}

bool GameClient::createMenuInputControllers()
{
    return createInputs({Game::OPTION_MENU_PROFILE, "menu", &Impl::menuProfile, &GameClient::createMenuInputs,
                         &GameClient::menuInputsAct});
}

bool GameClient::menuInputsAct() const
{
    const Impl& d = *m_impl;
    return d.menuProfile->getUseKeys() || raisesActions(getMenuInputController(), d.menuProfile->isMouseOn());
}

bool GameClient::createMenuInputs(ProfileSource source)
{
    Impl& d = *m_impl;
    if (!loadProfile(d.menuProfile, Game::OPTION_MENU_PROFILE, source))
        return false;
    bool read = setInputController(MENU_SLOT, d.menuProfile->get("MENU_INPUT_FILE"));
    read = setInputController(TPAGE_SLOT, d.menuProfile->get("TPAGE_INPUT_FILE")) && read;
    if (!d.menuProfile->isMouseOn()) {
        for (unsigned slot : {MENU_SLOT, TPAGE_SLOT})
            if (Input::InputController* controller = getInputController(slot))
                controller->setIgnoreTriggerType(Input::TriggerId::MOUSE);
    }
    if (Menu::MenuController* menus = getMenuController()) {
        menus->setUseKeys(d.menuProfile->getUseKeys());
        menus->setWrapAround(d.menuProfile->getWrapAround());
    }
    return read;
}

// The extra controllers belong to the profile that listed them: a new game
// profile brings its own.
bool GameClient::createGameInputControllers()
{
    return createInputs({Game::OPTION_GAME_PROFILE, "game", &Impl::gameProfile, &GameClient::createGameInputs,
                         &GameClient::gameInputsAct});
}

bool GameClient::gameInputsAct() const
{
    const Impl& d = *m_impl;
    for (std::size_t slot = GAME_SLOT; slot < d.controllers.size(); ++slot)
        if (raisesActions(d.controllers[slot], d.gameProfile->isMouseOn()))
            return true;
    return false;
}

bool GameClient::createGameInputs(ProfileSource source)
{
    Impl& d = *m_impl;
    clearControllers(GAME_SLOT + 1);
    if (!loadProfile(d.gameProfile, Game::OPTION_GAME_PROFILE, source))
        return false;
    const bool read = setInputController(GAME_SLOT, d.gameProfile->get("GAME_INPUT_FILE"));
    return addOtherInputs(d.gameProfile->getOtherInputFiles()) && read;
}

void GameClient::clearControllers(std::size_t from)
{
    std::vector<Input::InputController*>& controllers = m_impl->controllers;
    while (controllers.size() > from) {
        Input::InputController* doomed = controllers.back();
        controllers.pop_back();
        delete doomed;
    }
}

Input::InputController* GameClient::getInputController(unsigned index) const
{
    return index < m_impl->controllers.size() ? m_impl->controllers[index] : nullptr;
}

Input::InputController* GameClient::getMenuInputController() const { return getInputController(MENU_SLOT); }
Input::InputController* GameClient::getTPageInputController() const { return getInputController(TPAGE_SLOT); }
Input::InputController* GameClient::getGameInputController() const { return getInputController(GAME_SLOT); }
std::size_t GameClient::getInputSlotCount() const { return m_impl->controllers.size(); }

} // namespace KWEP
