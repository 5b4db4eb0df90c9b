#ifndef FRELMORY_CORE_EVENT_JOYPAD_H
#define FRELMORY_CORE_EVENT_JOYPAD_H

#include "core/I_Event.h"

namespace EVT {

// One joystick's state, sent every frame per joystick.
class Event_Joypad : public I_Event {
public:
    Event_Joypad(int id, int number, int x, int y, bool button0, bool button1, bool button2,
                 bool button3)
        : I_Event(id), number(number), x(x), y(y), buttons{button0, button1, button2, button3} {}

    I_Event* clone() const override { return new Event_Joypad(*this); }

    int number;      // 0 to 15
    int x;           // axes, truncated to whole numbers
    int y;
    bool buttons[4]; // true while pressed
};

} // namespace EVT

#endif
