#include "menu/MenuController.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Key.h"
#include "core/Event_MenuItem.h"
#include "core/IDHashTable.h"
#include "menu/MenuItem.h"
#include "menu/MenuPage.h"

namespace Menu {

namespace {

// In subscription order.
const int SUBSCRIBED_IDS[] = {EVT::EVENT_KEY, EVT::EVENT_MENU_RESERVED, EVT::EVENT_MENU_DOWN,
                              EVT::EVENT_MENU_UP, EVT::EVENT_MENU_BACK, EVT::EVENT_MENU_SELECT};

bool isAlive(unsigned long id)
{
    return id != 0 && Util::IDHashTable<unsigned long>::instance().isAlive(id);
}

} // namespace

MenuController::MenuController()
    : m_curItem(nullptr), m_curItemId(0), m_useKeys(true), m_wrapAround(false)
{
}

MenuController::~MenuController() = default;

void MenuController::init(MenuItem* item)
{
    EVT::EventBus* bus = EVT::EventBus::instance();
    if (item == nullptr) {
        for (int id : SUBSCRIBED_IDS)
            bus->removeConsumer(id, this);
        setCurItem(nullptr);
        return;
    }
    for (int id : SUBSCRIBED_IDS)
        bus->addConsumer(id, this);
    if (item->getPage() != nullptr)
        item->getPage()->open(nullptr, &m_wrapAround);
    setCurItem(item);
}

void MenuController::setCurItem(MenuItem* item)
{
    if (item == nullptr) {
        m_curItem = nullptr;
        m_curItemId = 0;
        return;
    }
    MenuItem* previous = liveCurItem();
    if (item == previous && !item->isSelected())
        return;
    EVT::Event_MenuItem event(EVT::EVENT_MENUITEM, item, previous, item->getID(),
                              previous != nullptr ? previous->getID() : 0);
    m_curItem = item;
    m_curItemId = item->getID();
    EVT::EventBus::instance()->raiseEvent(&event, true);
}

void MenuController::handleEvent(EVT::I_Event* event)
{
    switch (event->getEventID()) {
    case EVT::EVENT_KEY: {
        // Profiles are data: an action may reuse id 18 with another class.
        const EVT::Event_Key* key = EVT::eventCast<const EVT::Event_Key>(event);
        if (key != nullptr && m_useKeys && key->pressed)
            keypress(key->key);
        break;
    }
    case EVT::EVENT_MENU_DOWN:
        keypress(MenuItem::KEY_DOWN);
        break;
    case EVT::EVENT_MENU_UP:
        keypress(MenuItem::KEY_UP);
        break;
    case EVT::EVENT_MENU_BACK:
        keypress(MenuItem::KEY_ESC);
        break;
    case EVT::EVENT_MENU_SELECT:
        keypress(MenuItem::KEY_RETURN);
        break;
    default:
        break;
    }
}

// An item's own action may restart or stop the controller, or tear its tree
// down (an event item's event is delivered at once): then the key's result is
// stale and must not be touched.
void MenuController::keypress(unsigned char key)
{
    MenuItem* item = liveCurItem();
    if (item == nullptr)
        return;
    const unsigned long id = m_curItemId;
    MenuItem* next = item->keypress(key);
    if (m_curItemId != id || (next == item && !isAlive(id)))
        return;
    setCurItem(next);
}

// The current item, or null when it has been deleted since it became current.
MenuItem* MenuController::liveCurItem() const
{
    return m_curItem != nullptr && isAlive(m_curItemId) ? m_curItem : nullptr;
}

void MenuController::setUseKeys(bool useKeys) { m_useKeys = useKeys; }
bool MenuController::getUseKeys() const { return m_useKeys; }
void MenuController::setWrapAround(bool wrapAround) { m_wrapAround = wrapAround; }
bool MenuController::getWrapAround() const { return m_wrapAround; }

} // namespace Menu
