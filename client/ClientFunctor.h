#ifndef KWEP_CLIENTFUNCTOR_H
#define KWEP_CLIENTFUNCTOR_H

#include "core/EventHandler.h"

namespace EVT { class I_Event; }

namespace KWEP {

class GameClient;

// The base of the client state machine's handlers: each holds the game client
// (not owned) whose operations it calls, and answers whether the transition
// happens.
class ClientFunctor : public FSM::EventHandler::I_Functor {
public:
    explicit ClientFunctor(GameClient* client) : m_client(client) {}

protected:
    GameClient* client() const { return m_client; }
    // The event the machine is processing; null when the pair carries none.
    static EVT::I_Event* eventOf(FSM::StatePair* pair);
    static long eventIdOf(FSM::StatePair* pair);
    // Why the machine calls: FSM::StateMachine::MODE_ENTER, _HANDLER or _EXIT.
    static int modeOf(FSM::StatePair* pair);

private:
    GameClient* m_client;
};

} // namespace KWEP

#endif
