#ifndef FRELMORY_MENU_ITEMGOTOPAGE_H
#define FRELMORY_MENU_ITEMGOTOPAGE_H

#include "menu/MenuItem.h"

namespace Menu {

// A line that opens another page, which gets a back item leading here.
class ItemGotoPage : public MenuItem {
public:
    ItemGotoPage(MenuPage* page, const std::string& label, MenuPage* toPage);
    ~ItemGotoPage() override;

    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

    virtual MenuPage* toPage() const;

private:
    MenuPage* m_toPage; // not owned
};

} // namespace Menu

#endif
