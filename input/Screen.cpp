#include "input/Screen.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Screen.h"

namespace Devices
{
    Screen::Screen(int width, int height) : m_width(width), m_height(height)
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_SCREEN, this);
    }

    Screen::~Screen() = default;

    void Screen::handleEvent(EVT::I_Event* event)
    {
        const EVT::Event_Screen* screen = EVT::eventCast<EVT::Event_Screen>(event);
        if (!screen)
            return;
        m_width = screen->width;
        m_height = screen->height;
    }
}
