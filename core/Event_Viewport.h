#ifndef FRELMORY_CORE_EVENT_VIEWPORT_H
#define FRELMORY_CORE_EVENT_VIEWPORT_H

#include "core/I_Event.h"

namespace EVT {

// The viewport for the next pass, in window pixels.
class Event_Viewport : public I_Event {
public:
    Event_Viewport(int id, int x, int y, int width, int height)
        : I_Event(id), x(x), y(y), width(width), height(height) {}

    I_Event* clone() const override { return new Event_Viewport(*this); }

    int x;
    int y;
    int width;
    int height;
};

} // namespace EVT

#endif
