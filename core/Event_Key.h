#ifndef FRELMORY_CORE_EVENT_KEY_H
#define FRELMORY_CORE_EVENT_KEY_H

#include "core/I_Event.h"

namespace EVT {

// A key pressed or released.
class Event_Key : public I_Event {
public:
    Event_Key(int id, unsigned char key, bool pressed, unsigned int modifiers)
        : I_Event(id), key(key), pressed(pressed), modifiers(modifiers) {}

    I_Event* clone() const override { return new Event_Key(*this); }

    unsigned char key;      // the game's key code
    bool pressed;
    unsigned int modifiers; // 1 SHIFT, 2 ALT, 4 CTRL, or-ed
};

} // namespace EVT

#endif
