#include "client/PagePresses.h"

#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"

namespace KWEP {

PagePresses::PagePresses() : m_mouseButtons(0), m_showing(0) {}

void PagePresses::follow(unsigned showing)
{
    if (showing == m_showing)
        return;
    clear();
    m_showing = showing;
}

void PagePresses::clear()
{
    m_keys.reset();
    m_mouseButtons = 0;
    m_pads.clear();
}

bool PagePresses::keyReleased(const EVT::Event_Key& event)
{
    if (event.pressed) {
        m_keys.set(event.key);
        return false;
    }
    const bool pressedHere = m_keys.test(event.key);
    m_keys.reset(event.key);
    return pressedHere;
}

bool PagePresses::mouseReleased(const EVT::Event_Mouse& event)
{
    if (event.button == 0)
        return false;
    if (event.pressed) {
        m_mouseButtons |= event.button;
        return false;
    }
    const bool pressedHere = (m_mouseButtons & event.button) != 0;
    m_mouseButtons &= ~event.button;
    return pressedHere;
}

bool PagePresses::joypadReleased(const EVT::Event_Joypad& event)
{
    const auto found = m_pads.find(event.number);
    if (found == m_pads.end()) {
        Pad& pad = m_pads[event.number];
        for (int i = 0; i < 4; ++i) {
            pad.down[i] = event.buttons[i];
            pad.pressedHere[i] = false;
        }
        return false;
    }
    Pad& pad = found->second;
    bool released = false;
    for (int i = 0; i < 4; ++i) {
        if (event.buttons[i] && !pad.down[i])
            pad.pressedHere[i] = true;
        else if (!event.buttons[i] && pad.down[i] && pad.pressedHere[i])
            released = true;
        if (!event.buttons[i])
            pad.pressedHere[i] = false;
        pad.down[i] = event.buttons[i];
    }
    return released;
}

} // namespace KWEP
