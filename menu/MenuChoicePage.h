#ifndef FRELMORY_MENU_MENUCHOICEPAGE_H
#define FRELMORY_MENU_MENUCHOICEPAGE_H

#include "menu/MenuPage.h"

namespace Menu {

// A page whose lines all report to one callback: line i (from 0) calls it
// with its label and i, then closes the page.
class MenuChoicePage : public MenuPage {
public:
    MenuChoicePage(const std::string& title, const std::vector<std::string>& strings,
                   const ChoiceCallBack& callback, int pageId);
    ~MenuChoicePage() override;

    using MenuPage::open;
    MenuItem* open(MenuItem* from) override;
    MenuItem* close() override;

    // Appends one more line, numbered by its position after the title.
    MenuItem* addItemCallbackChoice(const std::string& label, const ChoiceCallBack& callback);
};

} // namespace Menu

#endif
