#ifndef FRELMORY_MENU_MENUPAGE_H
#define FRELMORY_MENU_MENUPAGE_H

#include <string>
#include <vector>

#include "core/HashedID.h"
#include "menu/ChoiceCallBack.h"
#include "menu/ItemCallBackMultiChoice.h"
#include "menu/ItemConfig.h"
#include "menu/ItemInputSwitch.h"
#include "menu/MenuItem.h"

namespace EVT { class I_Event; }
namespace Input { class InputController; }

namespace Menu {

// An ordered list of items headed by its title (item 0). The page owns its
// items, answers their navigation questions, and is opened from an item (it
// then gets a back item to that item at its end) and closed again. Every open
// and every close that leaves the page raises event 28, queued, with the
// page's registered id, by which a receiver tells a page of a deleted tree
// from a new page at the same address.
class MenuPage : public virtual Util::HashedID<unsigned long> {
public:
    typedef std::vector<MenuItem*> ItemList;

    MenuPage(const std::string& title, int pageId);
    virtual ~MenuPage();

    // Appends the item; the page owns it from now on.
    virtual MenuItem* addItem(MenuItem* item);
    virtual MenuItem* addItemTitle(const std::string& title);
    // A back item leading to `to`; refused (null) when `to` is null, so that
    // closing a page always has an item to return to.
    virtual MenuItem* addItemBack(MenuItem* to);
    virtual MenuItem* addItemGotoPage(const std::string& label, MenuPage* page);
    // The item keeps a clone of the event (none for null).
    virtual MenuItem* addItemEvent(const std::string& label, const EVT::I_Event* event);
    virtual ItemCallBackMultiChoice* addItemCallBackMultiChoice(
        const std::string& label, const std::vector<std::string>& choices, unsigned int start,
        const ChoiceCallBack& callback);
    // A line showing one setting of switch 1 of the controller; RETURN opens
    // `page` when given.
    virtual MenuItem* addItemInputSwitch(const std::string& label, ItemInputSwitch::Field field,
                                         Input::InputController* controller, MenuPage* page);
    // An on/off item ("OFF", "ON") starting on the value the target holds.
    virtual MenuItem* addItemConfigBool(const std::string& label, int configId, bool* target);
    virtual int getPageId() const;

    // Opens from `from` with the wrap-around flag of `from`'s page (this
    // page's own when `from` is null).
    virtual MenuItem* open(MenuItem* from);
    // Opens: a back item to `from` when given, every item leaves edit mode,
    // event 28; returns the first selectable item, or null.
    virtual MenuItem* open(MenuItem* from, const bool* wrapAround);
    // Removes and deletes the back item and returns the item it led to;
    // without a back item returns the bottom item and raises nothing.
    virtual MenuItem* close();
    virtual bool getWrapAround() const;
    virtual const ItemList& itemList() const;
    virtual MenuItem* itemTop() const;
    virtual MenuItem* itemBottom() const;
    virtual MenuItem* itemAbove(const MenuItem* item) const;
    virtual MenuItem* itemBelow(const MenuItem* item) const;

    template <class T>
    ItemConfig<T>* addItemConfig(const std::string& label, typename ItemConfig<T>::Info* info)
    {
        ItemConfig<T>* item = new ItemConfig<T>(this, label, *info);
        addItem(item);
        return item;
    }

    // The flag navigation reads; null until the page is first opened.
    const bool* getWrapAroundPtr() const { return m_wrapAround; }

    MenuPage(const MenuPage&) = delete;
    MenuPage& operator=(const MenuPage&) = delete;

protected:
    MenuItem* firstSelectableBelow(ItemList::const_iterator p) const;
    MenuItem* firstSelectableAbove(ItemList::const_iterator p) const;
    static void raisePageEvent(MenuPage* page);

private:
    int m_pageId;
    ItemList m_items;         // owned; item 0 is the title
    const bool* m_wrapAround; // not owned
};

} // namespace Menu

#endif
