#include "client/ClientFunctor.h"

#include "client/GameClient.h"
#include "core/I_Event.h"
#include "core/StateMachine.h"
#include "input/Mouse.h"
#include "input/Screen.h"
#include "shell/I_Game.h"

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

long ClientFunctor::deliberateMoveSquared() const
{
    const Devices::Screen* screen = m_client ? m_client->getScreen() : nullptr;
    const long height = screen && screen->getHeight() > 0 ? screen->getHeight() : 480;
    const long tenth = height / 10;
    return tenth * tenth;
}

KeptInput::Place ClientFunctor::pointerPlace()
{
    Game::I_Game* game = Game::I_Game::instance();
    const Devices::Mouse* mouse = game ? game->getMouse() : nullptr;
    KeptInput::Place place;
    if (mouse) {
        place.known = true;
        place.x = mouse->getX();
        place.y = mouse->getY();
    }
    return place;
}

} // namespace KWEP
