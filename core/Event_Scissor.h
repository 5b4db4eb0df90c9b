#ifndef FRELMORY_CORE_EVENT_SCISSOR_H
#define FRELMORY_CORE_EVENT_SCISSOR_H

#include "core/I_Event.h"

namespace EVT {

// Scissor on or off for the next pass, and its box in window pixels.
class Event_Scissor : public I_Event {
public:
    Event_Scissor(int id, bool enable, int x, int y, int width, int height)
        : I_Event(id), enable(enable), x(x), y(y), width(width), height(height) {}

    I_Event* clone() const override { return new Event_Scissor(*this); }

    bool enable;
    int x;
    int y;
    int width;
    int height;
};

} // namespace EVT

#endif
