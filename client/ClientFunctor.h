#ifndef KWEP_CLIENTFUNCTOR_H
#define KWEP_CLIENTFUNCTOR_H

#include "client/KeptInput.h"
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
    // The squared distance in pixels a pointer must pass to leave a page that
    // waits for the player: a tenth of the window's height, so that a head
    // tracker's tremor or a nudged mouse leaves the page to be read. The
    // smallest window the settings offer (480 high) stands in before there
    // is a screen.
    long deliberateMoveSquared() const;
    // The pointer's place now, as the game's mouse holds it.
    static KeptInput::Place pointerPlace();

private:
    GameClient* m_client;
};

} // namespace KWEP

#endif
