#ifndef FRELMORY_MENU_MENUCONTROLLER_H
#define FRELMORY_MENU_MENUCONTROLLER_H

#include "core/I_EventConsumer.h"

namespace Menu {

class MenuItem;

// Drives the menus: hands key events (18) and the menu actions 24 down,
// 25 up, 26 back and 27 select to the current item as key codes, makes the
// item that comes back current and announces each change with event 29,
// queued. Owns neither pages nor items.
class MenuController : public EVT::I_EventConsumer {
public:
    MenuController();
    ~MenuController() override;

    // With an item: subscribes, opens the item's page without a back item
    // and makes the item current. With null: unsubscribes, no current item.
    void init(MenuItem* item);
    void setCurItem(MenuItem* item);
    void handleEvent(EVT::I_Event* event) override;

    void setUseKeys(bool useKeys);
    bool getUseKeys() const;
    void setWrapAround(bool wrapAround);
    bool getWrapAround() const;

    MenuItem* getCurItem() const { return m_curItem; }
    unsigned long getCurItemId() const { return m_curItemId; }

private:
    MenuItem* liveCurItem() const;
    void keypress(unsigned char key);

    MenuItem* m_curItem;        // not owned; trusted only while its id is registered
    unsigned long m_curItemId;  // 0 without a current item
    bool m_useKeys;
    bool m_wrapAround;          // pages opened from the controller read it through a pointer
};

} // namespace Menu

#endif
