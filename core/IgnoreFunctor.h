#ifndef FRELMORY_CORE_IGNOREFUNCTOR_H
#define FRELMORY_CORE_IGNOREFUNCTOR_H

#include "core/EventHandler.h"

namespace FSM {

// A state functor that accepts every event and does nothing else.
class IgnoreFunctor : public EventHandler::I_Functor {
public:
    bool operator()(StatePair* pair) override;
    EventHandler::I_Functor* clone() const override;
};

// The one shared instance, made on first use.
IgnoreFunctor* getIgnoreFunctor();

} // namespace FSM

#endif
