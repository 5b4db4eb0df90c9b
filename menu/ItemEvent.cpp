#include "menu/ItemEvent.h"

#include "core/EventBus.h"
#include "core/I_Event.h"

namespace Menu {

ItemEvent::ItemEvent(MenuPage* page, const std::string& label, const EVT::I_Event* event)
    : MenuItem(KIND_EVENT, page, label, true),
      m_event(event != nullptr ? event->clone() : nullptr)
{
}

ItemEvent::~ItemEvent()
{
    delete m_event;
}

void ItemEvent::accept() {}
void ItemEvent::cancel() {}

MenuItem* ItemEvent::select()
{
    if (m_event != nullptr)
        EVT::EventBus::instance()->raiseEvent(m_event, false);
    return this;
}

bool ItemEvent::handleKey(unsigned char) { return false; }

} // namespace Menu
