#include "menu/ItemChangeTextPage.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_MenuChoice.h"
#include "menu/ItemTextPage.h"

namespace Menu {

ItemChangeTextPage::ItemChangeTextPage(MenuPage* page, const std::string& label,
                                       ItemTextPage* target, int lineChange)
    : MenuItem(KIND_CHANGE_TEXT_PAGE, page, label, true), m_target(target),
      m_lineChange(lineChange)
{
}

ItemChangeTextPage::~ItemChangeTextPage() = default;

void ItemChangeTextPage::accept() {}
void ItemChangeTextPage::cancel() {}

MenuItem* ItemChangeTextPage::select()
{
    if (m_target == nullptr)
        return nullptr;
    const int old = m_target->getCurLineNum();
    m_target->setCurLineNum(old + m_lineChange);
    if (m_target->getCurLineNum() != old) {
        EVT::Event_MenuChoice event(EVT::EVENT_MENUCHOICE, this, getID());
        EVT::EventBus::instance()->raiseEvent(&event, false);
    }
    return nullptr;
}

bool ItemChangeTextPage::handleKey(unsigned char) { return false; }

} // namespace Menu
