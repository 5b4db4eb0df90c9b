#include "menu/ItemCallBackChoice.h"

#include "menu/MenuPage.h"

namespace Menu {

ItemCallBackChoice::ItemCallBackChoice(MenuPage* page, const std::string& label,
                                       const ChoiceCallBack& callback, int index)
    : MenuItem(KIND_CALLBACK_CHOICE, page, label, true), m_callback(callback), m_index(index)
{
}

ItemCallBackChoice::~ItemCallBackChoice() = default;

std::string ItemCallBackChoice::getString() const { return getLabel(); }
void ItemCallBackChoice::accept() {}
void ItemCallBackChoice::cancel() {}

MenuItem* ItemCallBackChoice::select()
{
    m_callback(getString(), m_index);
    return getPage()->close();
}

bool ItemCallBackChoice::handleKey(unsigned char) { return false; }

} // namespace Menu
