#ifndef FRELMORY_MENU_MENUITEM_H
#define FRELMORY_MENU_MENUITEM_H

#include <string>

#include "core/HashedID.h"
#include "input/Keyboard.h"

namespace Menu {

class MenuPage;

// One line of a menu page. The page that made the item owns it. Items draw
// nothing: the game reads getType, getString and isSelected and learns of
// changes from the menu events. The id (virtual base) lets holders of a
// pointer tell a live item from a deleted one.
class MenuItem : public virtual Util::HashedID<unsigned long> {
public:
    // Kind codes returned by getType; 3, 6, 8 and 9 belong to no kind.
    enum Kind {
        KIND_TITLE = 0,
        KIND_BACK = 1,
        KIND_GOTO_PAGE = 2,
        KIND_EVENT = 4,
        KIND_CHOICE = 5,
        KIND_CONFIG = 7,
        KIND_INPUT_SWITCH = 10,
        KIND_TEXT_PAGE = 11,
        KIND_CHANGE_TEXT_PAGE = 12,
        KIND_CALLBACK_CHOICE = 13,
        KIND_CALLBACK_MULTI_CHOICE = 14
    };

    // The keyboard device's codes of the keys that items act on.
    enum Key : unsigned char {
        KEY_LEFT = Devices::Keyboard::KEY_LEFT,
        KEY_RIGHT = Devices::Keyboard::KEY_RIGHT,
        KEY_UP = Devices::Keyboard::KEY_UP,
        KEY_DOWN = Devices::Keyboard::KEY_DOWN,
        KEY_PAGE_UP = Devices::Keyboard::KEY_PAGEUP,
        KEY_PAGE_DOWN = Devices::Keyboard::KEY_PAGEDOWN,
        KEY_RETURN = Devices::Keyboard::KEY_RETURN,
        KEY_ESC = Devices::Keyboard::KEY_ESC
    };

    MenuItem(int kind, MenuPage* page, const std::string& label, bool selectable);
    virtual ~MenuItem();

    // Navigation on one key; returns the item that is to become current,
    // never null. May delete this item (ESC or RETURN on a back item closes
    // its page), so the caller must not touch this item afterwards unless it
    // is the result.
    virtual MenuItem* keypress(unsigned char key);
    virtual int getType() const;
    virtual MenuPage* getPage() const;
    virtual bool selectable() const;
    virtual bool isSelected() const;
    virtual void clearSelected();
    virtual std::string getString() const;

    virtual void accept() = 0;                  // RETURN in edit mode
    virtual void cancel() = 0;                  // ESC in edit mode
    virtual MenuItem* select() = 0;             // RETURN; null keeps this item current
    virtual bool handleKey(unsigned char key) = 0; // any other key; true when used

    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

protected:
    void setSelected(bool selected) { m_selected = selected; }
    const std::string& getLabel() const { return m_label; }
    void setLabel(const std::string& label) { m_label = label; }

private:
    int m_kind;
    MenuPage* m_page;     // not owned
    std::string m_label;
    bool m_selectable;
    bool m_selected;      // edit mode
};

} // namespace Menu

#endif
