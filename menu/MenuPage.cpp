#include "menu/MenuPage.h"

#include <algorithm>

#include "core/DeleteIt.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_MenuPage.h"
#include "menu/ItemBack.h"
#include "menu/ItemEvent.h"
#include "menu/ItemGotoPage.h"
#include "menu/ItemTitle.h"

namespace Menu {

MenuPage::MenuPage(const std::string& title, int pageId)
    : m_pageId(pageId), m_wrapAround(nullptr)
{
    addItemTitle(title);
}

MenuPage::~MenuPage()
{
    std::for_each(m_items.begin(), m_items.end(), Util::DeleteIt<MenuItem*>());
    m_items.clear();
}

MenuItem* MenuPage::addItem(MenuItem* item)
{
    m_items.push_back(item);
    return item;
}

MenuItem* MenuPage::addItemTitle(const std::string& title)
{
    return addItem(new ItemTitle(this, title));
}

MenuItem* MenuPage::addItemBack(MenuItem* to)
{
    if (to == nullptr)
        return nullptr;
    return addItem(new ItemBack(this, to));
}

MenuItem* MenuPage::addItemGotoPage(const std::string& label, MenuPage* page)
{
    return addItem(new ItemGotoPage(this, label, page));
}

MenuItem* MenuPage::addItemEvent(const std::string& label, const EVT::I_Event* event)
{
    return addItem(new ItemEvent(this, label, event));
}

ItemCallBackMultiChoice* MenuPage::addItemCallBackMultiChoice(
    const std::string& label, const std::vector<std::string>& choices, unsigned int start,
    const ChoiceCallBack& callback)
{
    ItemCallBackMultiChoice* item =
        new ItemCallBackMultiChoice(this, label, choices, start, callback);
    addItem(item);
    return item;
}

MenuItem* MenuPage::addItemInputSwitch(const std::string& label, ItemInputSwitch::Field field,
                                       Input::InputController* controller, MenuPage* page)
{
    return addItem(new ItemInputSwitch(this, label, field, controller, page));
}

MenuItem* MenuPage::addItemConfigBool(const std::string& label, int configId, bool* target)
{
    ItemConfig<bool>::Info info;
    info.configId = configId;
    info.startIndex = (target != nullptr && *target) ? 1 : 0;
    info.labels = {"OFF", "ON"};
    info.values = {{false}, {true}};
    info.targets = {target};
    return addItemConfig<bool>(label, &info);
}

int MenuPage::getPageId() const { return m_pageId; }

MenuItem* MenuPage::open(MenuItem* from)
{
    const bool* wrap = from != nullptr && from->getPage() != nullptr
        ? from->getPage()->getWrapAroundPtr()
        : m_wrapAround;
    return open(from, wrap);
}

MenuItem* MenuPage::open(MenuItem* from, const bool* wrapAround)
{
    m_wrapAround = wrapAround;
    if (from != nullptr)
        addItemBack(from);
    for (MenuItem* item : m_items)
        item->clearSelected();
    raisePageEvent(this);
    return itemTop();
}

MenuItem* MenuPage::close()
{
    ItemBack* back = dynamic_cast<ItemBack*>(m_items.back());
    if (back == nullptr || back->getType() != MenuItem::KIND_BACK)
        return itemBottom();
    MenuItem* to = back->toItem();
    m_items.pop_back();
    delete back;
    raisePageEvent(to->getPage());
    return to;
}

bool MenuPage::getWrapAround() const
{
    return m_wrapAround != nullptr && *m_wrapAround;
}

const MenuPage::ItemList& MenuPage::itemList() const { return m_items; }

MenuItem* MenuPage::itemTop() const
{
    return firstSelectableBelow(m_items.begin());
}

MenuItem* MenuPage::itemBottom() const
{
    return firstSelectableAbove(m_items.end());
}

MenuItem* MenuPage::itemAbove(const MenuItem* item) const
{
    ItemList::const_iterator p = std::find(m_items.begin(), m_items.end(), item);
    return p == m_items.end() ? nullptr : firstSelectableAbove(p);
}

MenuItem* MenuPage::itemBelow(const MenuItem* item) const
{
    ItemList::const_iterator p = std::find(m_items.begin(), m_items.end(), item);
    return p == m_items.end() ? nullptr : firstSelectableBelow(p);
}

// The search starts after `p`; with wrap-around it goes on once from the
// start, so it may come back to the item at `p` itself.
MenuItem* MenuPage::firstSelectableBelow(ItemList::const_iterator p) const
{
    const bool wrap = getWrapAround();
    bool wrapped = false;
    if (wrap && p == m_items.end()) {
        p = m_items.begin();
        wrapped = true;
    }
    while (p != m_items.end()) {
        ++p;
        if (wrap && p == m_items.end() && !wrapped) {
            p = m_items.begin();
            wrapped = true;
        }
        if (p != m_items.end() && (*p)->selectable())
            return *p;
    }
    return nullptr;
}

MenuItem* MenuPage::firstSelectableAbove(ItemList::const_iterator p) const
{
    const bool wrap = getWrapAround();
    bool wrapped = false;
    if (wrap && p == m_items.begin()) {
        p = m_items.end();
        wrapped = true;
    }
    if (p == m_items.begin())
        return nullptr;
    for (;;) {
        --p;
        if ((*p)->selectable())
            return *p;
        if (wrap && p == m_items.begin() && !wrapped) {
            p = m_items.end();
            wrapped = true;
        }
        if (p == m_items.begin())
            return nullptr;
    }
}

void MenuPage::raisePageEvent(MenuPage* page)
{
    EVT::Event_MenuPage event(EVT::EVENT_MENUPAGE, page, page, page != nullptr ? page->getID() : 0);
    EVT::EventBus::instance()->raiseEvent(&event, true);
}

} // namespace Menu
