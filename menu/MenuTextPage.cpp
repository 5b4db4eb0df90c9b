#include "menu/MenuTextPage.h"

#include "menu/ItemChangeTextPage.h"
#include "menu/ItemTextPage.h"

namespace Menu {

std::string MenuTextPage::s_scrollUpText = "SCROLL UP";
std::string MenuTextPage::s_scrollDownText = "SCROLL DOWN";

MenuTextPage::MenuTextPage(const std::string& title, const std::string& fileName,
                           int charsWide, int charsHigh, int pageId)
    : MenuPage(title, pageId)
{
    ItemTextPage* text = new ItemTextPage(this, fileName, charsWide, charsHigh);
    addItem(text);
    if (text->getNumPages() > 1) {
        addItemChangeTextPage(s_scrollUpText, text, -1);
        addItemChangeTextPage(s_scrollDownText, text, +1);
    }
}

MenuTextPage::~MenuTextPage() = default;

MenuItem* MenuTextPage::open(MenuItem* from)
{
    static const bool s_alwaysWrap = true;
    MenuItem* item = MenuPage::open(from, &s_alwaysWrap);
    if (item != nullptr && item->getType() == MenuItem::KIND_CHANGE_TEXT_PAGE)
        return itemBelow(item);
    return item;
}

MenuItem* MenuTextPage::close() { return MenuPage::close(); }

ItemTextPage* MenuTextPage::addItemTextPage(const std::string& fileName, int charsWide,
                                            int charsHigh)
{
    ItemTextPage* item = new ItemTextPage(this, fileName, charsWide, charsHigh);
    addItem(item);
    return item;
}

ItemChangeTextPage* MenuTextPage::addItemChangeTextPage(const std::string& label,
                                                        ItemTextPage* target, int lineChange)
{
    ItemChangeTextPage* item = new ItemChangeTextPage(this, label, target, lineChange);
    addItem(item);
    return item;
}

} // namespace Menu
