#include "menu/ItemChangeTextPage.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_MenuChoice.h"
#include "menu/ItemTextPage.h"

#include <algorithm>

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

// A press turns a whole page, the rows the window shows, and stops on the
// first and on the last page: line by line a long text took a press per line
// and ran on until only its last line was left.
MenuItem* ItemChangeTextPage::select()
{
    if (m_target == nullptr)
        return nullptr;
    const int old = m_target->getCurLineNum();
    const int rows = m_target->getCharsHigh();
    int page = old / rows;
    if (m_lineChange > 0)
        ++page;
    else if (m_lineChange < 0 && old % rows == 0)
        --page; // a window between two page starts goes back to its own first
    page = std::max(0, std::min(page, m_target->getNumPages() - 1));
    m_target->setCurLineNum(page * rows);
    if (m_target->getCurLineNum() != old) {
        EVT::Event_MenuChoice event(EVT::EVENT_MENUCHOICE, this, getID());
        EVT::EventBus::instance()->raiseEvent(&event, false);
    }
    return nullptr;
}

bool ItemChangeTextPage::handleKey(unsigned char) { return false; }

} // namespace Menu
