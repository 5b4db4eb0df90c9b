#ifndef FRELMORY_MENU_ITEMINPUTSWITCH_H
#define FRELMORY_MENU_ITEMINPUTSWITCH_H

#include "menu/MenuItem.h"

namespace Input { class InputController; }

namespace Menu {

// One setting of switch 1 of an input controller shown on a menu line, read
// afresh from the controller on every getString. RETURN opens the target
// page, or without one enters edit mode, which RETURN or ESC ends.
class ItemInputSwitch : public MenuItem {
public:
    // Any other value shows the label alone.
    enum Field : int {
        FIELD_AREA = 0,                // the area's name alone
        FIELD_TRIGGER = 1,             // label, blank, trigger text
        FIELD_PRESS_ACTION = 2,        // label, blank, action text, likewise below
        FIELD_RELEASE_ACTION = 3,
        FIELD_HOLD_PRESS_ACTION = 4,
        FIELD_HOLD_RELEASE_ACTION = 5
    };

    ItemInputSwitch(MenuPage* page, const std::string& label, Field field,
                    Input::InputController* controller, MenuPage* target);
    ~ItemInputSwitch() override;

    // The label alone when the field is unknown or the controller, its
    // switch 1 or (for the area) the switch's area is missing.
    std::string getString() const override;
    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

private:
    Field m_field;
    Input::InputController* m_controller; // not owned
    MenuPage* m_target;                   // not owned, may be null
};

} // namespace Menu

#endif
