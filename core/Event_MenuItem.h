#ifndef FRELMORY_CORE_EVENT_MENUITEM_H
#define FRELMORY_CORE_EVENT_MENUITEM_H

#include "core/I_Event.h"

namespace Menu {
class MenuItem;
}

namespace EVT {

// The current menu item changed. Trust a pointer only while the id registry
// still holds its id.
class Event_MenuItem : public I_Event {
public:
    Event_MenuItem(int id, Menu::MenuItem* newItem, Menu::MenuItem* oldItem,
                   unsigned long newID, unsigned long oldID)
        : I_Event(id), newItem(newItem), oldItem(oldItem), newID(newID), oldID(oldID) {}

    I_Event* clone() const override { return new Event_MenuItem(*this); }

    Menu::MenuItem* newItem;
    Menu::MenuItem* oldItem; // null when it no longer exists
    unsigned long newID;
    unsigned long oldID;     // 0 when it no longer exists
};

} // namespace EVT

#endif
