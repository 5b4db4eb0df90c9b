#ifndef FRELMORY_CORE_EVENT_ENTERLEAVE_H
#define FRELMORY_CORE_EVENT_ENTERLEAVE_H

#include "core/I_Event.h"

namespace EVT {

// The window has just gained (true) or lost (false) the input focus.
class Event_EnterLeave : public I_Event {
public:
    Event_EnterLeave(int id, bool active) : I_Event(id), active(active) {}

    I_Event* clone() const override { return new Event_EnterLeave(*this); }

    bool active;
};

} // namespace EVT

#endif
