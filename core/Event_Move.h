#ifndef FRELMORY_CORE_EVENT_MOVE_H
#define FRELMORY_CORE_EVENT_MOVE_H

#include "core/I_Event.h"

namespace EVT {

// Move one movable item, named by its unique id.
class Event_Move : public I_Event {
public:
    Event_Move(int id, unsigned long itemID, int move, float value)
        : I_Event(id), itemID(itemID), move(move), value(value) {}

    I_Event* clone() const override { return new Event_Move(*this); }

    unsigned long itemID;
    int move;    // move kind, 0 to 28
    float value; // used by the turn, tilt and step kinds
};

} // namespace EVT

#endif
