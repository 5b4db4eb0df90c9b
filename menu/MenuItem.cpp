#include "menu/MenuItem.h"

#include "menu/MenuPage.h"

namespace Menu {

MenuItem::MenuItem(int kind, MenuPage* page, const std::string& label, bool selectable)
    : m_kind(kind), m_page(page), m_label(label), m_selectable(selectable), m_selected(false)
{
}

MenuItem::~MenuItem() = default;

MenuItem* MenuItem::keypress(unsigned char key)
{
    if (m_selected) {
        if (key == KEY_RETURN)
            accept();
        else if (key == KEY_ESC)
            cancel();
        else
            handleKey(key);
        return this;
    }

    // select() and close() may delete this item (a back item closing its
    // page): after them only the pointer value is used.
    MenuItem* next = nullptr;
    switch (key) {
    case KEY_UP:
        next = m_page->itemAbove(this);
        break;
    case KEY_DOWN:
        next = m_page->itemBelow(this);
        break;
    case KEY_PAGE_UP:
        next = m_page->itemTop();
        break;
    case KEY_PAGE_DOWN:
        next = m_page->itemBottom();
        break;
    case KEY_RETURN:
        if (m_selectable)
            next = select();
        break;
    case KEY_ESC:
        next = m_page->close();
        break;
    default:
        handleKey(key);
        break;
    }
    return next != nullptr ? next : this;
}

int MenuItem::getType() const { return m_kind; }
MenuPage* MenuItem::getPage() const { return m_page; }
bool MenuItem::selectable() const { return m_selectable; }
bool MenuItem::isSelected() const { return m_selected; }
void MenuItem::clearSelected() { m_selected = false; }
std::string MenuItem::getString() const { return m_label; }

} // namespace Menu
