#ifndef FRELMORY_MENU_ITEMCHOICE_H
#define FRELMORY_MENU_ITEMCHOICE_H

#include <vector>

#include "menu/MenuItem.h"

namespace Menu {

// A value picked in edit mode with LEFT and RIGHT, accepted with RETURN or
// abandoned with ESC. Every change of the shown value raises event 30 at once.
class ItemChoice : public MenuItem {
public:
    ItemChoice(MenuPage* page, const std::string& label, const std::vector<std::string>* choices);
    ~ItemChoice() override;

    std::string getString() const override;
    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

    // Copies the choices (none for null) and shows `index`, or the last
    // choice when `index` taken as unsigned is past the end.
    virtual void setChoices(const std::vector<std::string>* choices, int index);
    virtual void chooseNext();
    virtual void choosePrev();

    int getCurrentIndex() const { return m_current; }

protected:
    ItemChoice(int kind, MenuPage* page, const std::string& label);
    bool isUnchanged() const { return m_current == m_committed; }
    void raiseChoiceEvent();

private:
    std::vector<std::string> m_choices;
    int m_current;   // the value shown; -1 without choices
    int m_committed; // the value last accepted
};

} // namespace Menu

#endif
