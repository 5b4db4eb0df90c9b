#include "client/ST_PausedFunctor.h"

#include "client/GameClient.h"
#include "core/EventIds.h"
#include "core/StateMachine.h"

namespace KWEP {

ST_PausedFunctor::ST_PausedFunctor(GameClient* client) : ClientFunctor(client) {}

bool ST_PausedFunctor::operator()(FSM::StatePair* pair)
{
    const int mode = modeOf(pair);
    if (mode == FSM::StateMachine::MODE_ENTER) {
        client()->pauseGame();
    } else if (mode == FSM::StateMachine::MODE_EXIT) {
        const long id = eventIdOf(pair);
        if (id == EVT::EVENT_RESUME || id == EVT::EVENT_MENUS)
            client()->resumeGame();
        if (id == EVT::EVENT_MENUS)
            client()->endGame();
    }
    return true;
}

FSM::EventHandler::I_Functor* ST_PausedFunctor::clone() const { return new ST_PausedFunctor(*this); }

} // namespace KWEP
