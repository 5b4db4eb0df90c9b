#ifndef FRELMORY_MENU_ITEMCHANGETEXTPAGE_H
#define FRELMORY_MENU_ITEMCHANGETEXTPAGE_H

#include "menu/MenuItem.h"

namespace Menu {

class ItemTextPage;

// A scroll line of a text page: every RETURN turns the text block's window
// one page (its rows) in the direction of its line change, never past the
// first or the last page, and, when the window moved, raises event 30 at once.
class ItemChangeTextPage : public MenuItem {
public:
    ItemChangeTextPage(MenuPage* page, const std::string& label, ItemTextPage* target,
                       int lineChange);
    ~ItemChangeTextPage() override;

    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

private:
    ItemTextPage* m_target; // not owned
    int m_lineChange;       // -1 scrolls up, +1 down
};

} // namespace Menu

#endif
