#include "client/ST_MenusFunctor.h"

#include "client/GameClient.h"
#include "client/ST_StartingFunctor.h"
#include "core/EventIds.h"

namespace KWEP {

ST_MenusFunctor::ST_MenusFunctor(GameClient* client) : ClientFunctor(client) {}

bool ST_MenusFunctor::operator()(FSM::StatePair* pair)
{
    if (eventIdOf(pair) != EVT::EVENT_PLAY)
        return false;
    ST_StartingFunctor::pageShown();
    client()->startingGame();
    return true;
}

FSM::EventHandler::I_Functor* ST_MenusFunctor::clone() const { return new ST_MenusFunctor(*this); }

} // namespace KWEP
