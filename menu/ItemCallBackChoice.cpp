#include "menu/ItemCallBackChoice.h"

#include "menu/MenuChoicePage.h"

namespace Menu {

ItemCallBackChoice::ItemCallBackChoice(MenuPage* page, const std::string& label,
                                       const ChoiceCallBack& callback, int index)
    : MenuItem(KIND_CALLBACK_CHOICE, page, label, true), m_callback(callback), m_index(index)
{
}

ItemCallBackChoice::~ItemCallBackChoice() = default;

std::string ItemCallBackChoice::getString() const
{
    const MenuChoicePage* page = dynamic_cast<const MenuChoicePage*>(getPage());
    if (page != nullptr && page->getChosen() == m_index)
        return getLabel() + MenuChoicePage::s_chosenMark;
    return getLabel();
}
void ItemCallBackChoice::accept() {}
void ItemCallBackChoice::cancel() {}

// The callback gets the bare label: the mark is for the eye only.
MenuItem* ItemCallBackChoice::select()
{
    if (MenuChoicePage* page = dynamic_cast<MenuChoicePage*>(getPage()))
        page->setChosen(m_index);
    m_callback(getLabel(), m_index);
    return getPage()->close();
}

bool ItemCallBackChoice::handleKey(unsigned char) { return false; }

} // namespace Menu
