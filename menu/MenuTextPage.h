#ifndef FRELMORY_MENU_MENUTEXTPAGE_H
#define FRELMORY_MENU_MENUTEXTPAGE_H

#include "menu/MenuPage.h"

namespace Menu {

class ItemTextPage;
class ItemChangeTextPage;

// A page showing a text file: the title, the text block and, when the text
// is longer than one window, the scroll lines. Always navigates with
// wrap-around and opens on "SCROLL DOWN" when it has scroll lines.
class MenuTextPage : public MenuPage {
public:
    // Labels of the scroll lines made from now on; the game assigns its own
    // texts before it builds its pages.
    static std::string s_scrollUpText;
    static std::string s_scrollDownText;

    MenuTextPage(const std::string& title, const std::string& fileName, int charsWide,
                 int charsHigh, int pageId);
    ~MenuTextPage() override;

    using MenuPage::open;
    MenuItem* open(MenuItem* from) override;
    MenuItem* close() override;

    ItemTextPage* addItemTextPage(const std::string& fileName, int charsWide, int charsHigh);
    ItemChangeTextPage* addItemChangeTextPage(const std::string& label, ItemTextPage* target,
                                              int lineChange);
};

} // namespace Menu

#endif
