#ifndef FRELMORY_MENU_ITEMCALLBACKMULTICHOICE_H
#define FRELMORY_MENU_ITEMCALLBACKMULTICHOICE_H

#include <vector>

#include "menu/ChoiceCallBack.h"
#include "menu/MenuItem.h"

namespace Menu {

// A line that steps to its next value on every RETURN, wrapping round, and
// reports the whole shown line and the new index to its callback.
class ItemCallBackMultiChoice : public MenuItem {
public:
    // A start index past the choices shows the last choice (0 without choices).
    ItemCallBackMultiChoice(MenuPage* page, const std::string& label,
                            const std::vector<std::string>& choices, unsigned int start,
                            const ChoiceCallBack& callback);
    ~ItemCallBackMultiChoice() override;

    std::string getString() const override;
    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

    unsigned int getIndex() const { return m_index; }

private:
    ChoiceCallBack m_callback;
    std::vector<std::string> m_choices;
    unsigned int m_index; // the value shown
};

} // namespace Menu

#endif
