#ifndef FRELMORY_CORE_EVENT_CONFIGCHANGE_H
#define FRELMORY_CORE_EVENT_CONFIGCHANGE_H

#include "core/I_Event.h"

namespace EVT {

// An option key was changed.
class Event_ConfigChange : public I_Event {
public:
    Event_ConfigChange(int id, int key) : I_Event(id), key(key) {}

    I_Event* clone() const override { return new Event_ConfigChange(*this); }

    int key;
};

} // namespace EVT

#endif
