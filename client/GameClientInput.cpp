#include "client/GameClient.h"

#include <iostream>

#include "client/GameClientImpl.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/TextFile.h"
#include "input/CreateSicFiles.h"
#include "input/InputController.h"
#include "input/TriggerId.h"
#include "input/rglScreenAreaRenderer.h"
#include "menu/MenuController.h"
#include "shell/I_Config.h"

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

} // namespace

GameClient::InputConfig::InputConfig(const std::string& fileName)
    : CFG::Info(fileName, CFG::getDefaultOverrides()),
      m_mouseOn(isYes(*this, "MOUSE_ON")),
      m_useKeys(isYes(*this, "MENUS_USE_KEYS")),
      m_wrapAround(isYes(*this, "MENUS_WRAP_AROUND")),
      m_powerSelectWrapAround(isYes(*this, "POWER_SELECT_WRAP_AROUND")),
      m_powerFile(get("POWER_CONFIG_FILE")),
      m_busFile(get("BUS_CONFIG_FILE")),
      m_otherFiles(fileList(get("OTHER_INPUT_FILES")))
{
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
    if (CreateSicFiles::deser(*slot, file))
        return true;
    std::cerr << getProgramName() << ": the input controller file \"" << file << "\" does not read" << std::endl;
    return false;
}

bool GameClient::addOtherInputs(const std::vector<std::string>& files)
{
    bool read = true;
    for (const std::string& file : files)
        read = setInputController(static_cast<unsigned>(m_impl->controllers.size() + 1), file) && read;
    return read;
}

// Replaces the profile by the one the option key names; false, with a
// message, when that file is missing or empty.
bool GameClient::loadProfile(InputConfig*& profile, int key)
{
    delete profile;
    profile = nullptr;
    const std::string* name = getConfig() ? getConfig()->getStringPtr(key) : nullptr;
    const std::string file = name ? *name : std::string();
    profile = new InputConfig(file);
    if (!file.empty() && Files::TextFile::size(file) > 0)
        return true;
    std::cerr << getProgramName() << ": the input profile \"" << file << "\" is missing or empty" << std::endl;
    return false;
}

bool GameClient::createMenuInputControllers()
{
    Impl& d = *m_impl;
    if (!loadProfile(d.menuProfile, KEY_MENU_INPUT))
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
    Impl& d = *m_impl;
    clearControllers(GAME_SLOT + 1);
    if (!loadProfile(d.gameProfile, KEY_GAME_INPUT))
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
