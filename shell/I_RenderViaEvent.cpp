#include "shell/I_RenderViaEvent.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/I_Event.h"

namespace Game {

I_RenderViaEvent::I_RenderViaEvent() { EVT::EventBus::instance()->addConsumer(EVT::EVENT_RENDER, this); }

I_RenderViaEvent::~I_RenderViaEvent() {}

void I_RenderViaEvent::handleEvent(EVT::I_Event* event)
{
    if (event && event->getEventID() == EVT::EVENT_RENDER)
        render();
}

} // namespace Game
