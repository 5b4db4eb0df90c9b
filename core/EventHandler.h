#ifndef FRELMORY_CORE_EVENTHANDLER_H
#define FRELMORY_CORE_EVENTHANDLER_H

#include <utility>

#include "core/GenericHandler.h"
#include "core/StateEvent.h"

namespace FSM {

class StateMachine;

// What every state functor receives: the event being processed and the
// machine processing it.
typedef std::pair<StateEvent*, StateMachine*> StatePair;

// A state's dispatcher from event ids to functors.
class EventHandler : public Util::GenericHandler<long, StatePair*, bool> {
public:
    ~EventHandler() override;

    // False for a null pair, a null event or event id 0; otherwise the result
    // of the functor for the event id (or of the default functor).
    virtual bool process(StatePair* pair);
};

} // namespace FSM

#endif
