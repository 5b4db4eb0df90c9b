#include "client/KeptInput.h"

#include "core/EventIds.h"
#include "core/Event_Joypad.h"
#include "core/Event_Mouse.h"

namespace KWEP {

namespace {

long squaredDistance(int x1, int y1, int x2, int y2)
{
    const long dx = static_cast<long>(x1) - x2;
    const long dy = static_cast<long>(y1) - y2;
    return dx * dx + dy * dy;
}

} // namespace

KeptInput::KeptInput() : m_showing(0) {}

KeptInput::~KeptInput() = default;

KeptInput::KeptInput(const KeptInput& other) : m_showing(other.m_showing) {}

void KeptInput::follow(unsigned showing)
{
    if (showing == m_showing)
        return;
    clear();
    m_showing = showing;
}

void KeptInput::follow(unsigned showing, const Place& opened)
{
    follow(showing);
    if (!m_mouse && opened.known)
        m_mouse = std::make_unique<EVT::Event_Mouse>(EVT::EVENT_MOUSE, opened.x, opened.y, 0, false);
}

void KeptInput::clear()
{
    m_mouse.reset();
    m_joypad.reset();
}

bool KeptInput::mouseMoved(const EVT::Event_Mouse& event, long maxSquared)
{
    if (!m_mouse) {
        m_mouse = std::make_unique<EVT::Event_Mouse>(event);
        return false;
    }
    return event.button != m_mouse->button || event.pressed != m_mouse->pressed
        || squaredDistance(event.x, event.y, m_mouse->x, m_mouse->y) > maxSquared;
}

bool KeptInput::mouseTravelled(const EVT::Event_Mouse& event, long maxSquared)
{
    if (!m_mouse) {
        m_mouse = std::make_unique<EVT::Event_Mouse>(event);
        return false;
    }
    return squaredDistance(event.x, event.y, m_mouse->x, m_mouse->y) > maxSquared;
}

bool KeptInput::joypadMoved(const EVT::Event_Joypad& event)
{
    if (!m_joypad) {
        m_joypad = std::make_unique<EVT::Event_Joypad>(event);
        return false;
    }
    if (event.number != m_joypad->number
        || squaredDistance(event.x, event.y, m_joypad->x, m_joypad->y) >= 2)
        return true;
    for (int i = 0; i < 4; ++i)
        if (event.buttons[i] != m_joypad->buttons[i])
            return true;
    return false;
}

bool KeptInput::joypadTravelled(const EVT::Event_Joypad& event)
{
    if (!m_joypad) {
        m_joypad = std::make_unique<EVT::Event_Joypad>(event);
        return false;
    }
    return event.number == m_joypad->number
        && squaredDistance(event.x, event.y, m_joypad->x, m_joypad->y) >= 2;
}

} // namespace KWEP
