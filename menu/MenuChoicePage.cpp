#include "menu/MenuChoicePage.h"

#include "menu/ItemCallBackChoice.h"

namespace Menu {

std::string MenuChoicePage::s_chosenMark = " NOW";

MenuChoicePage::MenuChoicePage(const std::string& title, const std::vector<std::string>& strings,
                               const ChoiceCallBack& callback, int pageId)
    : MenuPage(title, pageId), m_chosen(-1)
{
    for (const std::string& label : strings)
        addItemCallbackChoice(label, callback);
}

MenuChoicePage::~MenuChoicePage() = default;

// A user who only moves down reaches the value in force without passing the
// others: the page opens on it.
MenuItem* MenuChoicePage::open(MenuItem* from)
{
    MenuItem* top = MenuPage::open(from);
    for (MenuItem* item : itemList()) {
        const ItemCallBackChoice* line = dynamic_cast<const ItemCallBackChoice*>(item);
        if (line != nullptr && line->getIndex() == m_chosen)
            return item;
    }
    return top;
}

void MenuChoicePage::setChosen(int index) { m_chosen = index; }
MenuItem* MenuChoicePage::close() { return MenuPage::close(); }

MenuItem* MenuChoicePage::addItemCallbackChoice(const std::string& label,
                                                const ChoiceCallBack& callback)
{
    const int index = static_cast<int>(itemList().size()) - 1;
    return addItem(new ItemCallBackChoice(this, label, callback, index));
}

} // namespace Menu
