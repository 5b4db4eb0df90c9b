#ifndef FRELMORY_CORE_EVENT_H
#define FRELMORY_CORE_EVENT_H

#include "core/I_Event.h"

namespace EVT {

// An event with no payload: quit, play, render pass, play notices and the like.
class Event : public I_Event {
public:
    explicit Event(int id) : I_Event(id) {}

    I_Event* clone() const override { return new Event(*this); }
};

} // namespace EVT

#endif
