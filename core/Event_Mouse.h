#ifndef FRELMORY_CORE_EVENT_MOUSE_H
#define FRELMORY_CORE_EVENT_MOUSE_H

#include "core/I_Event.h"

namespace EVT {

// The pointer moved or a button changed.
class Event_Mouse : public I_Event {
public:
    Event_Mouse(int id, int x, int y, int button, bool pressed)
        : I_Event(id), x(x), y(y), button(button), pressed(pressed) {}

    I_Event* clone() const override { return new Event_Mouse(*this); }

    int x;        // window pixels
    int y;
    int button;   // 1 left, 2 right, 4 middle; 0 for a motion
    bool pressed;
};

} // namespace EVT

#endif
