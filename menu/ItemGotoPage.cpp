#include "menu/ItemGotoPage.h"

#include "menu/MenuPage.h"

namespace Menu {

ItemGotoPage::ItemGotoPage(MenuPage* page, const std::string& label, MenuPage* toPage)
    : MenuItem(KIND_GOTO_PAGE, page, label, true), m_toPage(toPage)
{
}

ItemGotoPage::~ItemGotoPage() = default;

void ItemGotoPage::accept() {}
void ItemGotoPage::cancel() {}

MenuItem* ItemGotoPage::select()
{
    return m_toPage != nullptr ? m_toPage->open(this) : nullptr;
}

bool ItemGotoPage::handleKey(unsigned char) { return false; }

MenuPage* ItemGotoPage::toPage() const { return m_toPage; }

} // namespace Menu
