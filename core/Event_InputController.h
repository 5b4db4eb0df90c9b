#ifndef FRELMORY_CORE_EVENT_INPUTCONTROLLER_H
#define FRELMORY_CORE_EVENT_INPUTCONTROLLER_H

#include "core/I_Event.h"

namespace EVT {

// Switch the input controller with the given id on or off.
class Event_InputController : public I_Event {
public:
    Event_InputController(int id, int controllerID, bool active)
        : I_Event(id), controllerID(controllerID), active(active) {}

    I_Event* clone() const override { return new Event_InputController(*this); }

    int controllerID;
    bool active;
};

} // namespace EVT

#endif
