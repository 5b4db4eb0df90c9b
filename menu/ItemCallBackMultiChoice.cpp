#include "menu/ItemCallBackMultiChoice.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_MenuChoice.h"

namespace Menu {

ItemCallBackMultiChoice::ItemCallBackMultiChoice(MenuPage* page, const std::string& label,
                                                 const std::vector<std::string>& choices,
                                                 unsigned int start,
                                                 const ChoiceCallBack& callback)
    : MenuItem(KIND_CALLBACK_MULTI_CHOICE, page, label, true),
      m_callback(callback), m_choices(choices), m_index(start)
{
    if (m_index >= m_choices.size())
        m_index = m_choices.empty() ? 0 : static_cast<unsigned int>(m_choices.size() - 1);
}

ItemCallBackMultiChoice::~ItemCallBackMultiChoice() = default;

std::string ItemCallBackMultiChoice::getString() const
{
    if (m_choices.empty())
        return getLabel();
    return getLabel() + " " + m_choices[m_index];
}

void ItemCallBackMultiChoice::accept() {}
void ItemCallBackMultiChoice::cancel() {}

MenuItem* ItemCallBackMultiChoice::select()
{
    ++m_index;
    if (m_index >= m_choices.size())
        m_index = 0;
    m_callback(getString(), static_cast<int>(m_index));
    EVT::Event_MenuChoice event(EVT::EVENT_MENUCHOICE, this, getID());
    EVT::EventBus::instance()->raiseEvent(&event, false);
    return nullptr;
}

bool ItemCallBackMultiChoice::handleKey(unsigned char) { return false; }

} // namespace Menu
