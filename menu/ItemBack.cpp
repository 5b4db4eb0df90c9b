#include "menu/ItemBack.h"

#include "menu/MenuPage.h"

namespace Menu {

std::string ItemBack::s_backItemText = "BACK";

ItemBack::ItemBack(MenuPage* page, MenuItem* toItem)
    : MenuItem(KIND_BACK, page, s_backItemText, true), m_toItem(toItem)
{
}

ItemBack::~ItemBack() = default;

void ItemBack::accept() {}
void ItemBack::cancel() {}

MenuItem* ItemBack::select()
{
    MenuPage* page = getPage();
    return page->close();
}

bool ItemBack::handleKey(unsigned char) { return false; }

MenuItem* ItemBack::toItem() const { return m_toItem; }

} // namespace Menu
