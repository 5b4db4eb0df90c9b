#include "client/SplashFunctor.h"

#include "client/GameClient.h"
#include "core/EventIds.h"
#include "core/Event_Update.h"
#include "shell/Background.h"

namespace KWEP {

namespace {

// The splash stays at least this long, in milliseconds of updates.
const long SPLASH_TIME = 1000;

long& totalTime()
{
    static long l_totalTime = 0;
    return l_totalTime;
}

} // namespace

SplashFunctor::SplashFunctor(GameClient* client) : ClientFunctor(client) {}

long SplashFunctor::getTotalTime() { return totalTime(); }

bool SplashFunctor::operator()(FSM::StatePair* pair)
{
    switch (eventIdOf(pair)) {
    case EVT::EVENT_UPDATE: {
        const EVT::Event_Update* update = EVT::eventCast<EVT::Event_Update>(eventOf(pair));
        // The first update carries the time spent starting up: it is not counted.
        long& total = totalTime();
        if (total == 0)
            total = 1;
        else if (update)
            total += update->ms;
        if (total <= SPLASH_TIME)
            return false;
        break;
    }
    case EVT::EVENT_KEY:
    case EVT::EVENT_MOUSE:
    case EVT::EVENT_JOYPAD:
        break;
    default:
        return false;
    }
    if (client()->getBackground())
        client()->getBackground()->unload();
    client()->createMenus(false);
    return true;
}

FSM::EventHandler::I_Functor* SplashFunctor::clone() const { return new SplashFunctor(*this); }

} // namespace KWEP
