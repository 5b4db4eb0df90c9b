#ifndef FRELMORY_CORE_EVENT_SCORE_H
#define FRELMORY_CORE_EVENT_SCORE_H

#include "core/I_Event.h"

namespace EVT {

// Points scored.
class Event_Score : public I_Event {
public:
    Event_Score(int id, int points) : I_Event(id), points(points) {}

    I_Event* clone() const override { return new Event_Score(*this); }

    int points;
};

} // namespace EVT

#endif
