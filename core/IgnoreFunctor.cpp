#include "core/IgnoreFunctor.h"

namespace FSM {

bool IgnoreFunctor::operator()(StatePair*) { return true; }

EventHandler::I_Functor* IgnoreFunctor::clone() const { return new IgnoreFunctor(); }

IgnoreFunctor* getIgnoreFunctor() {
    static IgnoreFunctor l_instance;
    return &l_instance;
}

} // namespace FSM
