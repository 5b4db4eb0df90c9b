#ifndef FRELMORY_MENU_ITEMTITLE_H
#define FRELMORY_MENU_ITEMTITLE_H

#include "menu/MenuItem.h"

namespace Menu {

// The first item of every page, holding the page's title; never selectable.
class ItemTitle : public MenuItem {
public:
    ItemTitle(MenuPage* page, const std::string& title);
    ~ItemTitle() override;

    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;
};

} // namespace Menu

#endif
