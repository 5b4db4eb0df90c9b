#ifndef FRELMORY_CORE_EVENT_MENUPAGE_H
#define FRELMORY_CORE_EVENT_MENUPAGE_H

#include "core/I_Event.h"

namespace Menu {
class MenuPage;
}

namespace EVT {

// A menu page was opened or closed. The pages are not owned by the event;
// the raisers put the page now shown in both, and its registered id in
// pageID (0 for none): a queued event may outlive the page, so a receiver
// trusts the pointer only while the id is its own page's and alive.
class Event_MenuPage : public I_Event {
public:
    Event_MenuPage(int id, Menu::MenuPage* page, Menu::MenuPage* otherPage, unsigned long pageID = 0)
        : I_Event(id), page(page), otherPage(otherPage), pageID(pageID) {}

    I_Event* clone() const override { return new Event_MenuPage(*this); }

    Menu::MenuPage* page;
    Menu::MenuPage* otherPage;
    unsigned long pageID;
};

} // namespace EVT

#endif
