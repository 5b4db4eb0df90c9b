#include "menu/ItemTitle.h"

namespace Menu {

ItemTitle::ItemTitle(MenuPage* page, const std::string& title)
    : MenuItem(KIND_TITLE, page, title, false)
{
}

ItemTitle::~ItemTitle() = default;

void ItemTitle::accept() {}
void ItemTitle::cancel() {}
MenuItem* ItemTitle::select() { return nullptr; }
bool ItemTitle::handleKey(unsigned char) { return false; }

} // namespace Menu
