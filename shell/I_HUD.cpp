#include "shell/I_HUD.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/I_Event.h"

namespace Game {

I_HUD::I_HUD() : m_on(false) { EVT::EventBus::instance()->addConsumer(EVT::EVENT_RENDER, this); }

I_HUD::~I_HUD() {}

void I_HUD::handleEvent(EVT::I_Event* event)
{
    if (m_on && event && event->getEventID() == EVT::EVENT_RENDER)
        renderHUD();
}

void I_HUD::setOn(bool on) { m_on = on; }

} // namespace Game
