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

    // The line (from 0) whose value is in force: it shows s_chosenMark after its
    // label and the page opens on it; -1 (the start) marks none.
    void setChosen(int index);
    int getChosen() const { return m_chosen; }

    // Put after the label of the line in force.
    static std::string s_chosenMark;

private:
    int m_chosen;
};

} // namespace Menu

#endif
