#ifndef FRELMORY_CORE_EVENT_MENUCHOICE_H
#define FRELMORY_CORE_EVENT_MENUCHOICE_H

#include "core/I_Event.h"

namespace Menu {
class MenuItem;
}

namespace EVT {

// A choice item's value changed, was accepted or cancelled, or a text page
// scrolled.
class Event_MenuChoice : public I_Event {
public:
    Event_MenuChoice(int id, Menu::MenuItem* item, unsigned long itemID)
        : I_Event(id), item(item), itemID(itemID) {}

    I_Event* clone() const override { return new Event_MenuChoice(*this); }

    Menu::MenuItem* item;
    unsigned long itemID;
};

} // namespace EVT

#endif
