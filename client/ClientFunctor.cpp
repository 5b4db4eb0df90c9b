#include "client/ClientFunctor.h"

#include "core/I_Event.h"
#include "core/StateMachine.h"

namespace KWEP {

EVT::I_Event* ClientFunctor::eventOf(FSM::StatePair* pair)
{
    if (!pair || !pair->first)
        return nullptr;
    return static_cast<EVT::I_Event*>(pair->first->getData());
}

long ClientFunctor::eventIdOf(FSM::StatePair* pair)
{
    return pair && pair->first ? pair->first->getEventID() : -1;
}

int ClientFunctor::modeOf(FSM::StatePair* pair)
{
    return pair && pair->second ? pair->second->getStateMode() : FSM::StateMachine::MODE_HANDLER;
}

} // namespace KWEP
