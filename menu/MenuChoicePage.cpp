#include "menu/MenuChoicePage.h"

#include "menu/ItemCallBackChoice.h"

namespace Menu {

MenuChoicePage::MenuChoicePage(const std::string& title, const std::vector<std::string>& strings,
                               const ChoiceCallBack& callback, int pageId)
    : MenuPage(title, pageId)
{
    for (const std::string& label : strings)
        addItemCallbackChoice(label, callback);
}

MenuChoicePage::~MenuChoicePage() = default;

MenuItem* MenuChoicePage::open(MenuItem* from) { return MenuPage::open(from); }
MenuItem* MenuChoicePage::close() { return MenuPage::close(); }

MenuItem* MenuChoicePage::addItemCallbackChoice(const std::string& label,
                                                const ChoiceCallBack& callback)
{
    const int index = static_cast<int>(itemList().size()) - 1;
    return addItem(new ItemCallBackChoice(this, label, callback, index));
}

} // namespace Menu
