#ifndef FRELMORY_MENU_ITEMCALLBACKCHOICE_H
#define FRELMORY_MENU_ITEMCALLBACKCHOICE_H

#include "menu/ChoiceCallBack.h"
#include "menu/MenuItem.h"

namespace Menu {

// One line of a choice page: RETURN reports (label, index) to the callback
// and closes the page.
class ItemCallBackChoice : public MenuItem {
public:
    ItemCallBackChoice(MenuPage* page, const std::string& label,
                       const ChoiceCallBack& callback, int index);
    ~ItemCallBackChoice() override;

    std::string getString() const override;
    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

    int getIndex() const { return m_index; }

private:
    ChoiceCallBack m_callback;
    int m_index; // the line's position on its choice page
};

} // namespace Menu

#endif
