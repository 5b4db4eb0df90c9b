#include "client/ClientMenus.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "client/MenuBand.h"
#include "client/MenuMaker.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_MenuChoice.h"
#include "core/Event_MenuItem.h"
#include "core/Event_MenuPage.h"
#include "core/FormatUtils.h"
#include "core/IDHashTable.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Screen.h"
#include "menu/MenuController.h"
#include "menu/MenuItem.h"
#include "menu/MenuPage.h"
#include "shell/I_Config.h"
#include "shell/I_Game.h"
#include "shell/I_World.h"
#include "shell/MoveableItem.h"
#include "shell/OptionKey.h"
#include "shell/TextObject.h"
#include "shell/TextRenderer.h"

namespace KWEP {

namespace {

const int SUBSCRIBED_IDS[] = {EVT::EVENT_MENUPAGE, EVT::EVENT_MENUITEM, EVT::EVENT_MENUCHOICE,
                              EVT::EVENT_RENDER};

bool isAlive(unsigned long id)
{
    return id != 0 && Util::IDHashTable<unsigned long>::instance().isAlive(id);
}

Game::I_World* world()
{
    Game::I_Game* game = Game::I_Game::instance();
    return game != nullptr ? game->getWorld() : nullptr;
}

} // namespace

ClientMenus::ClientMenus()
    : m_controller(nullptr), m_menuInput(nullptr), m_textPageInput(nullptr), m_camera(nullptr),
      m_renderer(nullptr), m_chooseHandler(nullptr), m_bandRenderer(nullptr), m_currentId(0),
      m_fixedRowYAdjust(0.0f),
      m_nonSelectedYAdjust(0.0f), m_spin(false), m_rowHeight(0.0f), m_totalRows(0),
      m_textPageCols(0), m_textPageRows(0), m_reservedRows(0), m_firstRowItem(0),
      m_pages(), m_currentPage(0)
{
    for (int id : SUBSCRIBED_IDS)
        EVT::EventBus::instance()->addConsumer(id, this);
}

ClientMenus::~ClientMenus()
{
    Game::I_World* gameWorld = world();
    if (gameWorld != nullptr && m_camera != nullptr && gameWorld->getCameraItem() == m_camera)
        gameWorld->setCameraItem(nullptr);
    delete m_camera;
    delete m_renderer;
    deletePages();
    m_shown.clear();
    if (m_controller != nullptr)
        m_controller->init(nullptr);
}

void ClientMenus::deletePages()
{
    for (Menu::MenuPage*& page : m_pages) {
        delete page;
        page = nullptr;
    }
}

void ClientMenus::setChooseHandler(Menu::I_MenuItemChosen* handler) { m_chooseHandler = handler; }

void ClientMenus::setBandRenderer(Input::I_ScreenAreaRenderer* renderer) { m_bandRenderer = renderer; }

void ClientMenus::setProfileFiles(const std::string& menuFile, const std::string& textPageFile)
{
    m_menuProfileFile = menuFile;
    m_textPageProfileFile = textPageFile;
}

void ClientMenus::create(Menu::MenuController* controller, const Text3D::Font* font,
                         Input::InputController* menuInput,
                         Input::InputController* textPageInput, const std::string& fileName,
                         bool paused)
{
    if (m_renderer != nullptr)
        return; // built already: a second tree would leave the first unowned
    MenuMaker maker(*this, fileName);
    maker.readMenuWide();
    m_controller = controller;
    m_menuInput = menuInput;
    m_textPageInput = textPageInput;
    m_camera = new Game::MoveableItem(nullptr);
    if (world() != nullptr)
        world()->setCameraItem(m_camera);
    m_renderer = new Text3D::TextRenderer(font, 40, 20);
    Menu::MenuItem* start = maker.makeTree(paused);
    if (m_controller != nullptr)
        m_controller->init(start);
}

void ClientMenus::handleEvent(EVT::I_Event* event)
{
    switch (event->getEventID()) {
    case EVT::EVENT_MENUPAGE:
        createPage(EVT::eventCast<EVT::Event_MenuPage>(event));
        break;
    case EVT::EVENT_MENUITEM:
        menuItemChanged(EVT::eventCast<EVT::Event_MenuItem>(event));
        break;
    case EVT::EVENT_MENUCHOICE:
        menuItemChoiceChanged(EVT::eventCast<EVT::Event_MenuChoice>(event));
        break;
    case EVT::EVENT_RENDER:
        drawBand();
        break;
    default:
        break;
    }
}

// A queued page event may come from a tree deleted since it was raised, and
// a page of this tree may since have taken the old page's address: the
// event's page id is matched with this tree's pages before the pointer is
// followed.
void ClientMenus::createPage(EVT::Event_MenuPage* event)
{
    if (event == nullptr || !isOwnPage(event->page, event->pageID) || m_renderer == nullptr)
        return;
    m_renderer->clear();
    m_shown.clear();
    m_currentId = 0;
    const Menu::MenuPage* page = event->page;
    m_currentPage = page->getPageId();
    const Menu::MenuPage::ItemList& items = page->itemList();
    const bool textPage = items.size() > 1 && items[1]->getType() == Menu::MenuItem::KIND_TEXT_PAGE;
    m_reservedRows = textPage ? m_textPageRows + 1 : 0;
    chooseInputController(textPage);
    if (!items.empty())
        addMenuObject(items[0], m_pageTitlePos[m_currentPage]);
    if (textPage)
        addMenuObject(items[1], m_pageTextPagePos[m_currentPage]);
    const Vec& itemPos = m_pageItemPos[m_currentPage];
    const float top = itemPos.y - static_cast<float>(m_reservedRows) * m_rowHeight;
    for (std::size_t i = m_shown.size(), k = 0; i < items.size(); ++i, ++k)
        addMenuObject(items[i], Vec(itemPos.x, top - static_cast<float>(k) * m_rowHeight, itemPos.z));
    centrePage(nullptr);
    warnCoveredText(textPage);
}

// The page stays usable under such an area: the letters show through the
// translucent shape and the band still marks the current line.
void ClientMenus::warnCoveredText(bool textPage)
{
    const Input::InputController* input = textPage ? m_textPageInput : m_menuInput;
    const std::string& file = textPage ? m_textPageProfileFile : m_menuProfileFile;
    float fov = 0.0f;
    float aspect = 0.0f;
    if (input == nullptr || file.empty() || m_shown.empty() || !screenView(fov, aspect))
        return;
    const std::string key = file + " " + std::to_string(m_currentPage);
    if (std::find(m_warned.begin(), m_warned.end(), key) != m_warned.end())
        return;
    for (const Input::ScreenArea* area : input->getAreas()) {
        for (const MenuBand::Box& shape : MenuBand::shapesOf(*area, aspect)) {
            for (const ShownItem& shown : m_shown) {
                MenuBand::Box letters{};
                if (!MenuBand::lettersOf(*shown.text, fov, aspect, letters) || !MenuBand::overlap(letters, shape))
                    continue;
                m_warned.push_back(key);
                std::cerr << "The input profile \"" << Format::printable(file) << "\" puts its area \"" << Format::printable(area->getName())
                          << "\" over the text of the menu page \"" << m_shown.front().text->getText()
                          << "\"; move the area to keep the text clear." << std::endl;
                return;
            }
        }
    }
}

// The menus' field of view (degrees) and the window's width over its height.
bool ClientMenus::screenView(float& fov, float& aspect) const
{
    const Devices::Screen* screen = m_bandRenderer != nullptr ? m_bandRenderer->getScreen() : nullptr;
    Game::I_Game* game = Game::I_Game::instance();
    Game::I_Config* config = game != nullptr ? game->getConfig() : nullptr;
    const float* menuFov = config != nullptr ? config->getFloatPtr(Game::OPTION_MENU_FOV) : nullptr;
    if (screen == nullptr || menuFov == nullptr || screen->getHeight() <= 0)
        return false;
    fov = *menuFov;
    aspect = static_cast<float>(screen->getWidth()) / static_cast<float>(screen->getHeight());
    return true;
}

bool ClientMenus::isOwnPage(const Menu::MenuPage* page, unsigned long pageID) const
{
    const auto same = [&](const Menu::MenuPage* own) { return own == page && own->getID() == pageID; };
    return page != nullptr && std::find_if(std::begin(m_pages), std::end(m_pages), same) != std::end(m_pages);
}

// Switching one off before the other on keeps both from reacting at once.
// The page opens under a pointer that has not moved: the area it rests in
// must not act on the page that opened (nor look armed) until it is entered.
void ClientMenus::chooseInputController(bool textPage)
{
    Input::InputController* off = textPage ? m_menuInput : m_textPageInput;
    Input::InputController* on = textPage ? m_textPageInput : m_menuInput;
    if (off != nullptr)
        off->setActive(false);
    if (on != nullptr) {
        on->setActive(true);
        on->restPointer();
    }
}

void ClientMenus::menuItemChanged(EVT::Event_MenuItem* event)
{
    if (event == nullptr)
        return;
    ShownItem* previous = event->oldItem != nullptr ? findShown(event->oldID) : nullptr;
    if (previous != nullptr) {
        previous->text->move(-m_pageSelectedMove[m_currentPage]);
        previous->text->spin(false);
    }
    ShownItem* current = event->newItem != nullptr ? findShown(event->newID) : nullptr;
    m_currentId = current != nullptr ? current->id : 0;
    if (current == nullptr)
        return;
    // With FRELMORY_TRACE_START in the environment, the line the band moves
    // to is announced: a scripted run holds the switch until it is there.
    if (std::getenv("FRELMORY_TRACE_START") != nullptr)
        std::cerr << "frelmory: menu line " << current->item->getString() << std::endl;
    centrePage(current->item);
    current->text->move(m_pageSelectedMove[m_currentPage]);
    current->text->move(Vec(0.0f, static_cast<float>(m_reservedRows) * m_fixedRowYAdjust, 0.0f));
    current->text->spin(m_spin);
}

// The items shown may have been deleted since the page was drawn (closing a
// choice page deletes its back item before the page event arrives): only
// items whose ids are still registered are read.
void ClientMenus::menuItemChoiceChanged(EVT::Event_MenuChoice* event)
{
    if (event == nullptr)
        return;
    ShownItem* chosen = event->item != nullptr ? findShown(event->itemID) : nullptr;
    if (chosen != nullptr) {
        chosen->text->setText(chosen->item->getString().c_str());
        if (m_spin)
            chosen->text->spin(true);
    }
    for (ShownItem& shown : m_shown) {
        if (!isAlive(shown.id))
            continue;
        const std::string text = shown.item->getString();
        if (text != shown.text->getText())
            shown.text->setText(text.c_str());
    }
}

MenuLayout ClientMenus::layout() const
{
    MenuLayout rows(m_totalRows, m_rowHeight, m_nonSelectedYAdjust);
    const int itemCount = static_cast<int>(m_shown.size()) - m_firstRowItem;
    rows.setPage(m_reservedRows, std::max(itemCount, 0),
                 m_controller != nullptr && m_controller->getWrapAround());
    return rows;
}

void ClientMenus::setItemPos(Text3D::TextObject* text, int row)
{
    if (text == nullptr)
        return;
    const MenuLayout rows = layout();
    const Vec& itemPos = m_pageItemPos[m_currentPage];
    const Vec& position = text->getOrientation().position;
    const float y = rows.rowY(itemPos.y, row);
    const float z = rows.rowZ(itemPos.z, row);
    text->move(Vec(0.0f, y - position.y, z - position.z));
}

void ClientMenus::centrePage(const Menu::MenuItem* item)
{
    const int size = static_cast<int>(m_shown.size());
    m_firstRowItem = std::min(m_reservedRows != 0 ? 2 : 1, size);
    int selected = m_firstRowItem;
    if (item != nullptr) {
        while (selected < size && m_shown[selected].id != item->getID())
            ++selected;
    }
    if (selected >= size)
        return;
    const bool fold = m_menuInput == nullptr || !m_menuInput->isActive()
        || (m_controller != nullptr && m_controller->getWrapAround());
    const std::vector<int> rows = layout().itemRows(selected - m_firstRowItem, fold);
    for (std::size_t i = 0; i < rows.size(); ++i)
        setItemPos(m_shown[m_firstRowItem + i].text, rows[i]);
}

int ClientMenus::numItemRows() const { return layout().numItemRows(); }
int ClientMenus::middleRowNum() const { return layout().middleRowNum(); }

ClientMenus::ShownItem* ClientMenus::findItemObjectPair(const Menu::MenuItem* item)
{
    for (ShownItem& shown : m_shown) {
        if (shown.item == item && isAlive(shown.id))
            return &shown;
    }
    return nullptr;
}

ClientMenus::ShownItem* ClientMenus::findShown(unsigned long id)
{
    if (!isAlive(id))
        return nullptr;
    for (ShownItem& shown : m_shown) {
        if (shown.id == id)
            return &shown;
    }
    return nullptr;
}

Text3D::TextObject* ClientMenus::addMenuObject(const Menu::MenuItem* item, const Vec& position)
{
    if (item == nullptr || m_renderer == nullptr)
        return nullptr;
    Text3D::TextObject* text = m_renderer->display(position, item->getString().c_str());
    m_shown.push_back(ShownItem{item, item->getID(), text});
    return text;
}

const ClientMenus::ShownItem* ClientMenus::getCurrentShown() { return findShown(m_currentId); }

void ClientMenus::drawBand()
{
    const ShownItem* current = getCurrentShown();
    float fov = 0.0f;
    float aspect = 0.0f;
    MenuBand::Box box{};
    if (current != nullptr && current->text != nullptr && screenView(fov, aspect)
        && MenuBand::boxOf(*current->text, fov, aspect, box))
        MenuBand::draw(m_bandRenderer, box);
}

Menu::MenuPage* ClientMenus::getPage(int slot) const
{
    return slot >= 0 && slot < NUM_PAGE_SLOTS ? m_pages[slot] : nullptr;
}

} // namespace KWEP
