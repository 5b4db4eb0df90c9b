#include "core/EventHandler.h"

namespace FSM {

EventHandler::~EventHandler() {}

bool EventHandler::process(StatePair* pair) {
    if (!pair || !pair->first || pair->first->getEventID() == 0)
        return false;
    return execute(pair->first->getEventID(), pair);
}

} // namespace FSM
