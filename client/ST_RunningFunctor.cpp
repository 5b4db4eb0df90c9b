#include "client/ST_RunningFunctor.h"

#include "client/GameClient.h"
#include "client/ST_EndingFunctor.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Update.h"

namespace KWEP {

ST_RunningFunctor::ST_RunningFunctor(GameClient* client) : ClientFunctor(client) {}

bool ST_RunningFunctor::operator()(FSM::StatePair* pair)
{
    EVT::I_Event* event = eventOf(pair);
    switch (eventIdOf(pair)) {
    case EVT::EVENT_MENUS:
        client()->endGame();
        return true;
    case EVT::EVENT_UPDATE: {
        const EVT::Event_Update* update = EVT::eventCast<EVT::Event_Update>(event);
        client()->updateWorld(update ? update->ms : 0);
        return true;
    }
    case EVT::EVENT_NEXT_LEVEL:
        client()->nextLevel();
        return true;
    case EVT::EVENT_GAME_OVER: {
        const EVT::EventWithString* over = EVT::eventCast<EVT::EventWithString>(event);
        ST_EndingFunctor::pageShown();
        client()->endingGame(over ? over->getString() : std::string());
        return true;
    }
    default:
        return false;
    }
}

FSM::EventHandler::I_Functor* ST_RunningFunctor::clone() const { return new ST_RunningFunctor(*this); }

} // namespace KWEP
