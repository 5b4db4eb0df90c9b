#include "client/MenuMaker.h"

#include <algorithm>

#include "client/Config.h"
#include "client/I_MenuItemChosen.h"
#include "client/MenuPos.h"
#include "client/OptionText.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/Event.h"
#include "core/EventIds.h"
#include "menu/ItemBack.h"
#include "menu/MenuChoicePage.h"
#include "menu/MenuPage.h"
#include "menu/MenuTextPage.h"
#include "shell/I_Config.h"
#include "input/Screen.h"
#include "shell/I_Game.h"
#include "shell/OptionKey.h"

namespace KWEP {

namespace {

// Row and column counts used when the file gives none, or none above 0.
const int DEFAULT_TOTAL_ROWS = 9;
const int DEFAULT_TEXT_PAGE_COLS = 30;
const int DEFAULT_TEXT_PAGE_ROWS = 6;
const int MAX_ROW_COUNT = 1 << 20;

const unsigned int NO_VOLUME = 4294967295u;

// Put after the value in force on a choice page when the file names no mark.
const char* const DEFAULT_CHOSEN_MARK = " NOW";

Game::I_Config* options()
{
    Game::I_Game* game = Game::I_Game::instance();
    return game != nullptr ? game->getConfig() : nullptr;
}

// The position of the first choice that reads as the value, or -1.
int indexOfValue(const std::vector<std::string>& choices, float value)
{
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (Util::strToNum<float>(choices[i], 10, value + 1.0f) == value)
            return static_cast<int>(i);
    }
    return -1;
}

// The window size in force, as the size page writes it ("640x480"), or empty.
std::string windowSize()
{
    Game::I_Game* game = Game::I_Game::instance();
    const Devices::Screen* screen = game != nullptr ? game->getScreen() : nullptr;
    if (screen == nullptr)
        return "";
    return Util::numToStr(screen->getWidth(), 10, 0) + "x" + Util::numToStr(screen->getHeight(), 10, 0);
}

// The window's size joins the sizes offered, so that the page marks it even
// when the screen's list of modes lacks it.
void offerSizeInForce(Menu::I_MenuItemChosen& handler)
{
    Game::I_Game* game = Game::I_Game::instance();
    const Devices::Screen* screen = game != nullptr ? game->getScreen() : nullptr;
    if (screen != nullptr)
        handler.offerSizeInForce(screen->getWidth(), screen->getHeight());
}

// The play field of view in force joins the angles offered, before the
// first larger one, so that the page marks it even when the menu file does
// not list it (a --fov flag or an options file may set any angle). Returns
// its position, or -1 when there is none to mark.
int offerAngleInForce(std::vector<std::string>& angles)
{
    Game::I_Config* config = options();
    const float* fov = config != nullptr ? config->getFloatPtr(Game::OPTION_PLAY_FOV) : nullptr;
    if (fov == nullptr || !(*fov >= MIN_FOV && *fov <= MAX_FOV))
        return -1;
    const int listed = indexOfValue(angles, *fov);
    if (listed >= 0)
        return listed;
    std::size_t at = 0;
    while (at < angles.size() && !(Util::strToNum<float>(angles[at], 10, *fov) > *fov))
        ++at;
    angles.insert(angles.begin() + static_cast<std::ptrdiff_t>(at), OptionText::number(*fov));
    return static_cast<int>(at);
}

void markChosen(Menu::MenuPage* page, int index)
{
    if (Menu::MenuChoicePage* choices = dynamic_cast<Menu::MenuChoicePage*>(page))
        choices->setChosen(index);
}

} // namespace

ClientMenus::MenuMaker::MenuMaker(ClientMenus& menus, const std::string& fileName)
    : m_menus(menus), m_info(fileName, CFG::getDefaultOverrides()), m_slot(PAGE_MAIN)
{
}

void ClientMenus::MenuMaker::readMenuWide()
{
    Game::I_Config* config = options();
    float* menuFov = config != nullptr ? config->getFloatPtr(Game::OPTION_MENU_FOV) : nullptr;
    if (menuFov != nullptr)
        *menuFov = Util::strToNum<float>(m_info.get("MENU_FOV"), 10, 0.0f);
    Menu::ItemBack::s_backItemText = m_info.get("PAGE_BACK_ITEM");
    Menu::MenuTextPage::s_scrollUpText = m_info.get("TPAGE_SCROLL_UP_ITEM");
    Menu::MenuTextPage::s_scrollDownText = m_info.get("TPAGE_SCROLL_DN_ITEM");
    const std::string mark = m_info.get("ITEM_CHOSEN_MARK");
    Menu::MenuChoicePage::s_chosenMark = mark.empty() ? DEFAULT_CHOSEN_MARK : mark;
    getMenuPos(m_info, m_menus.m_titlePos, "MENU_TITLE_POS");
    getMenuPos(m_info, m_menus.m_itemPos, "MENU_ITEMS_POS");
    getMenuPos(m_info, m_menus.m_textPagePos, "MENU_TPAGE_POS");
    getMenuPos(m_info, m_menus.m_selectedMove, "MENU_SELECTED_ITEM_MOVE");
    m_menus.m_spin = m_info.get("MENU_SELECTED_ITEM_SPIN") == "YES";
    m_menus.m_fixedRowYAdjust = Util::strToNum<float>(m_info.get("MENU_FIXED_ROW_YADJUST"), 10, 0.0f);
    m_menus.m_nonSelectedYAdjust = Util::strToNum<float>(m_info.get("MENU_NONSELECTED_YADJUST"), 10, 0.0f);
    m_menus.m_rowHeight = Util::strToNum<float>(m_info.get("MENU_ROW_HEIGHT"), 10, 0.0f);
    m_menus.m_totalRows = getRowCount("MENU_TOTAL_NUM_ROWS", DEFAULT_TOTAL_ROWS);
    m_menus.m_textPageCols = getRowCount("MENU_TEXT_PAGE_COLS", DEFAULT_TEXT_PAGE_COLS);
    m_menus.m_textPageRows = getRowCount("MENU_TEXT_PAGE_ROWS", DEFAULT_TEXT_PAGE_ROWS);
}

// A count below 1 would put no row under the current item; counts beyond any
// screen are cut, which keeps the row sums far from int overflow.
int ClientMenus::MenuMaker::getRowCount(const std::string& key, int fallback) const
{
    const int count = Util::strToNum<int>(m_info.get(key), 10, fallback);
    return count < 1 ? fallback : std::min(count, MAX_ROW_COUNT);
}

// A page is always made before the item that opens it.
Menu::MenuItem* ClientMenus::MenuMaker::makeTree(bool paused)
{
    newMenuPage(PAGE_MAIN, "PAGE_MAIN");
    newMenuPage(PAGE_MAIN_PROFILES, "PAGE_MAIN_PROFILES");
    newMenuPage(PAGE_MAIN_CONFIGURE, "PAGE_MAIN_CONFIGURE");
    newTextPage(PAGE_MAIN_HELP, "PAGE_MAIN_HELP", "MAIN_HELP");
    Menu::MenuItem* start = makeMainPage(paused);
    makeConfigurePages();
    makeScreenPages();
    makeSoundPage();
    return start;
}

Menu::MenuItem* ClientMenus::MenuMaker::makeMainPage(bool paused)
{
    setReceivingPage(PAGE_MAIN);
    addItemGotoPage("PAGE_HELP_ITEM", PAGE_MAIN_HELP);
    Menu::MenuItem* start = paused ? addItemEvent("PAGE_MAIN_RESUME_ITEM", EVT::EVENT_RESUME)
                                   : addItemEvent("PAGE_MAIN_PLAY_ITEM", EVT::EVENT_PLAY);
    addItemGotoPage("PAGE_MAIN_CONFIGURE_ITEM", PAGE_MAIN_CONFIGURE);
    if (paused)
        addItemEvent("PAGE_MAIN_QUIT_ITEM", EVT::EVENT_MENUS);
    else
        addItemEvent("PAGE_MAIN_EXIT_ITEM", EVT::EVENT_QUIT);
    return start;
}

void ClientMenus::MenuMaker::makeConfigurePages()
{
    newMenuPage(PAGE_CONFIG_GAME, "PAGE_CONFIG_GAME");
    newMenuPage(PAGE_CONFIG_SCREEN, "PAGE_CONFIG_SCREEN");
    newMenuPage(PAGE_CONFIG_SOUND, "PAGE_CONFIG_SOUND");
    setReceivingPage(PAGE_MAIN_CONFIGURE);
    addItemGotoPage("PAGE_CONFIG_GAME_ITEM", PAGE_CONFIG_GAME);
    addItemGotoPage("PAGE_CONFIG_SCREEN_ITEM", PAGE_CONFIG_SCREEN);
    addItemGotoPage("PAGE_CONFIG_SOUND_ITEM", PAGE_CONFIG_SOUND);
    setReceivingPage(PAGE_CONFIG_GAME);
    addOnOffChoice("PAGE_GAME_SMOOTH_ITEM", "ITEM_CHOICES_SMOOTH", Game::OPTION_SMOOTH,
                   &Menu::I_MenuItemChosen::choseSmooth);
}

void ClientMenus::MenuMaker::makeScreenPages()
{
    std::vector<std::string> sizes;
    if (m_menus.m_chooseHandler != nullptr) {
        offerSizeInForce(*m_menus.m_chooseHandler);
        for (const std::pair<int, int>& size : m_menus.m_chooseHandler->getResolutions())
            sizes.push_back(Util::numToStr(size.first, 10, 0) + "x" + Util::numToStr(size.second, 10, 0));
    }
    newChoicePage(PAGE_SCREEN_RES, "PAGE_SCREEN_RES", sizes, &Menu::I_MenuItemChosen::choseResolution);
    const auto size = std::find(sizes.begin(), sizes.end(), windowSize());
    markChosen(m_menus.m_pages[PAGE_SCREEN_RES],
               size != sizes.end() ? static_cast<int>(size - sizes.begin()) : -1);
    std::vector<std::string> angles = getChoices("ITEM_CHOICES_FOV");
    const int angle = offerAngleInForce(angles);
    newChoicePage(PAGE_SCREEN_FOV, "PAGE_SCREEN_FOV", angles, &Menu::I_MenuItemChosen::choseFieldOfView);
    markChosen(m_menus.m_pages[PAGE_SCREEN_FOV], angle);
    setReceivingPage(PAGE_CONFIG_SCREEN);
    addItemGotoPage("PAGE_SCREEN_RES_ITEM", PAGE_SCREEN_RES);
    addOnOffChoice("PAGE_SCREEN_FULLSCREEN_ITEM", "ITEM_CHOICES_FULLSCREEN", Game::OPTION_FULLSCREEN,
                   &Menu::I_MenuItemChosen::choseFullscreen);
    addItemGotoPage("PAGE_SCREEN_FOV_ITEM", PAGE_SCREEN_FOV);
    addOnOffChoice("PAGE_SCREEN_VSYNC_ITEM", "ITEM_CHOICES_VSYNC", Game::OPTION_VSYNC,
                   &Menu::I_MenuItemChosen::choseVSync);
}

void ClientMenus::MenuMaker::makeSoundPage()
{
    setReceivingPage(PAGE_CONFIG_SOUND);
    addOnOffChoice("PAGE_SOUND_ENABLE_SFX_ITEM", "ITEM_CHOICES_ENABLE_SFX", Game::OPTION_EFFECTS_ON,
                   &Menu::I_MenuItemChosen::choseEnableSfx);
    addOnOffChoice("PAGE_SOUND_ENABLE_MUSIC_ITEM", "ITEM_CHOICES_ENABLE_MUSIC", Game::OPTION_MUSIC_ON,
                   &Menu::I_MenuItemChosen::choseEnableMusic);
    addVolumeChoice("PAGE_SOUND_MUSIC_VOL_ITEM", "ITEM_CHOICES_MUSIC_VOL", Game::OPTION_MUSIC_VOLUME,
                    &Menu::I_MenuItemChosen::choseMusicVol);
    addVolumeChoice("PAGE_SOUND_SFX_VOL_ITEM", "ITEM_CHOICES_SFX_VOL", Game::OPTION_EFFECTS_VOLUME,
                    &Menu::I_MenuItemChosen::choseSfxVol);
}

void ClientMenus::MenuMaker::newMenuPage(MenuPages slot, const std::string& prefix)
{
    m_menus.m_pages[slot] = new Menu::MenuPage(m_info.get(prefix + "_TITLE"), slot);
    setPagePositions(slot, prefix);
}

void ClientMenus::MenuMaker::newTextPage(MenuPages slot, const std::string& pagePrefix,
                                         const std::string& textPrefix)
{
    const int cols = Util::strToNum<int>(m_info.get(textPrefix + "_COLS"), 10, m_menus.m_textPageCols);
    const int rows = Util::strToNum<int>(m_info.get(textPrefix + "_ROWS"), 10, m_menus.m_textPageRows);
    m_menus.m_pages[slot] = new Menu::MenuTextPage(m_info.get(pagePrefix + "_TITLE"),
                                                   m_info.get(textPrefix + "_FILE"), cols, rows, slot);
    m_menus.m_pageTextPagePos[slot] = m_menus.m_textPagePos;
    getMenuPos(m_info, m_menus.m_pageTextPagePos[slot], textPrefix + "_TPAGE_POS");
    setPagePositions(slot, pagePrefix);
}

void ClientMenus::MenuMaker::newChoicePage(MenuPages slot, const std::string& prefix,
                                           const std::vector<std::string>& labels, Handler handler)
{
    m_menus.m_pages[slot] =
        new Menu::MenuChoicePage(m_info.get(prefix + "_TITLE"), labels, callBack(handler), slot);
    setPagePositions(slot, prefix);
}

void ClientMenus::MenuMaker::setPagePositions(MenuPages slot, const std::string& prefix)
{
    m_menus.m_pageTitlePos[slot] = m_menus.m_titlePos;
    m_menus.m_pageItemPos[slot] = m_menus.m_itemPos;
    m_menus.m_pageSelectedMove[slot] = m_menus.m_selectedMove;
    getMenuPos(m_info, m_menus.m_pageTitlePos[slot], prefix + "_TITLE_POS");
    getMenuPos(m_info, m_menus.m_pageItemPos[slot], prefix + "_ITEM_POS");
    getMenuPos(m_info, m_menus.m_pageSelectedMove[slot], prefix + "_SELECTED_MOVE");
}

void ClientMenus::MenuMaker::setReceivingPage(MenuPages slot) { m_slot = slot; }

Menu::MenuItem* ClientMenus::MenuMaker::addItemGotoPage(const std::string& labelKey,
                                                        MenuPages target)
{
    return m_menus.m_pages[m_slot]->addItemGotoPage(m_info.get(labelKey), m_menus.m_pages[target]);
}

Menu::MenuItem* ClientMenus::MenuMaker::addItemEvent(const std::string& labelKey, int eventId)
{
    const EVT::Event event(eventId);
    return m_menus.m_pages[m_slot]->addItemEvent(m_info.get(labelKey), &event);
}

Menu::ItemCallBackMultiChoice* ClientMenus::MenuMaker::addItemMultiChoice(
    const std::string& labelKey, const std::string& choicesKey, unsigned int startIndex,
    Handler handler)
{
    return m_menus.m_pages[m_slot]->addItemCallBackMultiChoice(
        m_info.get(labelKey), getChoices(choicesKey), startIndex, callBack(handler));
}

Menu::ItemCallBackMultiChoice* ClientMenus::MenuMaker::addOnOffChoice(
    const std::string& labelKey, const std::string& choicesKey, int optionKey, Handler handler)
{
    Game::I_Config* config = options();
    const bool* option = config != nullptr ? config->getBoolPtr(optionKey) : nullptr;
    const unsigned int start = option != nullptr && *option ? 1 : 0;
    return addItemMultiChoice(labelKey, choicesKey, start, handler);
}

Menu::ItemCallBackMultiChoice* ClientMenus::MenuMaker::addVolumeChoice(
    const std::string& labelKey, const std::string& choicesKey, int optionKey, Handler handler)
{
    Game::I_Config* config = options();
    const unsigned int* option = config != nullptr ? config->getUIntPtr(optionKey) : nullptr;
    std::vector<std::string> choices = getChoices(choicesKey);
    unsigned int start = 0;
    if (option != nullptr) {
        while (start < choices.size()
               && Util::strToNum<unsigned int>(choices[start], 10, NO_VOLUME) != *option)
            ++start;
        if (start == choices.size())
            choices.push_back(Util::numToStr(*option, 10, 0));
    }
    return m_menus.m_pages[m_slot]->addItemCallBackMultiChoice(m_info.get(labelKey), choices,
                                                               start, callBack(handler));
}

std::vector<std::string> ClientMenus::MenuMaker::getChoices(const std::string& key) const
{
    std::vector<std::string> choices;
    Util::splitString(m_info.get(key), ",", choices, false);
    return choices;
}

Menu::ChoiceCallBack ClientMenus::MenuMaker::callBack(Handler handler) const
{
    return Menu::ChoiceCallBack(m_menus.m_chooseHandler, handler);
}

} // namespace KWEP
