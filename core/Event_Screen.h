#ifndef FRELMORY_CORE_EVENT_SCREEN_H
#define FRELMORY_CORE_EVENT_SCREEN_H

#include "core/I_Event.h"

namespace EVT {

// The window size in pixels; the raiser never sends 0.
class Event_Screen : public I_Event {
public:
    Event_Screen(int id, int width, int height) : I_Event(id), width(width), height(height) {}

    I_Event* clone() const override { return new Event_Screen(*this); }

    int width;
    int height;
};

} // namespace EVT

#endif
