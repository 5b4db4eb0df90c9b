#ifndef FRELMORY_MENU_ITEMBACK_H
#define FRELMORY_MENU_ITEMBACK_H

#include "menu/MenuItem.h"

namespace Menu {

// The line that leads back to the item a page was opened from. Its page
// appends it on open and deletes it on close.
class ItemBack : public MenuItem {
public:
    // Label of every back item made from now on; the game assigns its own
    // text before it builds its pages.
    static std::string s_backItemText;

    ItemBack(MenuPage* page, MenuItem* toItem);
    ~ItemBack() override;

    void accept() override;
    void cancel() override;
    // Closes its own page, which deletes this item: nothing here touches the
    // item after the close.
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

    virtual MenuItem* toItem() const;

private:
    MenuItem* m_toItem; // not owned
};

} // namespace Menu

#endif
