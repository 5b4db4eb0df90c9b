#ifndef FRELMORY_MENU_ITEMEVENT_H
#define FRELMORY_MENU_ITEMEVENT_H

#include "menu/MenuItem.h"

namespace EVT { class I_Event; }

namespace Menu {

// A command line: RETURN raises its stored event at once.
class ItemEvent : public MenuItem {
public:
    // Keeps a clone of the event (none when it is null); the caller keeps its own.
    ItemEvent(MenuPage* page, const std::string& label, const EVT::I_Event* event);
    ~ItemEvent() override;

    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

private:
    EVT::I_Event* m_event; // owned clone, may be null
};

} // namespace Menu

#endif
