#ifndef TESTS_INPUT_SENDEVENTS_H
#define TESTS_INPUT_SENDEVENTS_H

#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Screen.h"
#include "core/Event_Update.h"

#include <string>

// Raise device events at once, as the window application does.
namespace send
{
    inline void event(EVT::I_Event&& e)
    {
        EVT::EventBus::instance()->raiseEvent(&e, false);
    }

    inline void key(unsigned char code, bool pressed, unsigned int mods = 0)
    {
        event(EVT::Event_Key(EVT::EVENT_KEY, code, pressed, mods));
    }

    inline void mouse(int x, int y, int button = 0, bool pressed = false)
    {
        event(EVT::Event_Mouse(EVT::EVENT_MOUSE, x, y, button, pressed));
    }

    inline void screen(int width, int height)
    {
        event(EVT::Event_Screen(EVT::EVENT_SCREEN, width, height));
    }

    inline void update(int ms = 1)
    {
        event(EVT::Event_Update(EVT::EVENT_UPDATE, ms));
    }

    inline void joypad(int number, int x, int y, bool button1 = false)
    {
        event(EVT::Event_Joypad(EVT::EVENT_JOYPAD, number, x, y, button1, false, false, false));
    }

    inline void text(int id, const std::string& text)
    {
        event(EVT::EventWithString(id, text));
    }
}

#endif
