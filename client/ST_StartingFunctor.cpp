#include "client/ST_StartingFunctor.h"

#include "client/GameClient.h"
#include "core/EventIds.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Update.h"

namespace KWEP {

unsigned ST_StartingFunctor::s_showing = 0;
KeptInput::Place ST_StartingFunctor::s_opened;

ST_StartingFunctor::ST_StartingFunctor(GameClient* client) : ClientFunctor(client) {}

ST_StartingFunctor::~ST_StartingFunctor() {}

void ST_StartingFunctor::pageShown()
{
    ++s_showing;
    s_opened = pointerPlace();
}

bool ST_StartingFunctor::operator()(FSM::StatePair* pair)
{
    m_kept.follow(s_showing, s_opened);
    m_presses.follow(s_showing);
    EVT::I_Event* event = eventOf(pair);
    switch (eventIdOf(pair)) {
    case EVT::EVENT_UPDATE: {
        const EVT::Event_Update* update = EVT::eventCast<EVT::Event_Update>(event);
        client()->updateWorld(update ? update->ms : 0);
        return false;
    }
    case EVT::EVENT_KEY: {
        const EVT::Event_Key* key = EVT::eventCast<EVT::Event_Key>(event);
        return key && m_presses.keyReleased(*key) && leave();
    }
    case EVT::EVENT_MOUSE: {
        const EVT::Event_Mouse* mouse = EVT::eventCast<EVT::Event_Mouse>(event);
        if (!mouse)
            return false;
        // Both look at every event: the first is the reference of each.
        const bool released = m_presses.mouseReleased(*mouse);
        const bool travelled = m_kept.mouseTravelled(*mouse, deliberateMoveSquared());
        return (released || travelled) && leave();
    }
    case EVT::EVENT_JOYPAD: {
        const EVT::Event_Joypad* joypad = EVT::eventCast<EVT::Event_Joypad>(event);
        if (!joypad)
            return false;
        const bool released = m_presses.joypadReleased(*joypad);
        const bool travelled = m_kept.joypadTravelled(*joypad);
        return (released || travelled) && leave();
    }
    default:
        return false;
    }
}

bool ST_StartingFunctor::leave()
{
    m_kept.clear();
    m_presses.clear();
    client()->startGame();
    return true;
}

FSM::EventHandler::I_Functor* ST_StartingFunctor::clone() const { return new ST_StartingFunctor(*this); }

} // namespace KWEP
