#ifndef FRELMORY_CORE_EVENT_UPDATE_H
#define FRELMORY_CORE_EVENT_UPDATE_H

#include "core/I_Event.h"

namespace EVT {

// One frame's time step.
class Event_Update : public I_Event {
public:
    Event_Update(int id, int ms) : I_Event(id), ms(ms) {}

    I_Event* clone() const override { return new Event_Update(*this); }

    int ms; // whole milliseconds since the previous update
};

} // namespace EVT

#endif
