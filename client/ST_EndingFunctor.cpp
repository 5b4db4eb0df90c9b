#include "client/ST_EndingFunctor.h"

#include "client/GameClient.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Update.h"

namespace KWEP {

namespace {

// Input is ignored for this long on the end page, in milliseconds, so a
// button still held from play does not skip the page unread.
const long GUARD_TIME = 2000;

} // namespace

long ST_EndingFunctor::m_totalTime = 0;
unsigned ST_EndingFunctor::s_showing = 0;
KeptInput::Place ST_EndingFunctor::s_opened;

ST_EndingFunctor::ST_EndingFunctor(GameClient* client) : ClientFunctor(client) { m_totalTime = 0; }

ST_EndingFunctor::ST_EndingFunctor(const ST_EndingFunctor& other)
    : ClientFunctor(other), m_kept(other.m_kept)
{
    m_totalTime = 0;
}

ST_EndingFunctor::~ST_EndingFunctor() {}

void ST_EndingFunctor::pageShown()
{
    m_totalTime = 0;
    ++s_showing;
    s_opened = pointerPlace();
}

bool ST_EndingFunctor::operator()(FSM::StatePair* pair)
{
    m_kept.follow(s_showing, s_opened);
    EVT::I_Event* event = eventOf(pair);
    const long id = eventIdOf(pair);
    if (id == EVT::EVENT_UPDATE) {
        const EVT::Event_Update* update = EVT::eventCast<EVT::Event_Update>(event);
        const long ms = update ? update->ms : 0;
        m_totalTime += ms;
        client()->updateWorld(ms);
    }
    if (m_totalTime <= GUARD_TIME)
        return false;
    switch (id) {
    case EVT::EVENT_MENUS:
        m_kept.clear();
        client()->endGame();
        return true;
    case EVT::EVENT_MOUSE: {
        const EVT::Event_Mouse* mouse = EVT::eventCast<EVT::Event_Mouse>(event);
        return askToLeave(mouse && m_kept.mouseMoved(*mouse, deliberateMoveSquared()));
    }
    case EVT::EVENT_KEY: {
        const EVT::Event_Key* key = EVT::eventCast<EVT::Event_Key>(event);
        return askToLeave(key && key->pressed);
    }
    case EVT::EVENT_JOYPAD: {
        const EVT::Event_Joypad* joypad = EVT::eventCast<EVT::Event_Joypad>(event);
        return askToLeave(joypad && m_kept.joypadMoved(*joypad));
    }
    default:
        return false;
    }
}

// The way back goes through event 2, so that it takes the same road as the
// menus' own request; the answer is always false.
bool ST_EndingFunctor::askToLeave(bool leave) const
{
    if (leave) {
        EVT::Event back(EVT::EVENT_MENUS);
        EVT::EventBus::instance()->raiseEvent(&back, true);
    }
    return false;
}

FSM::EventHandler::I_Functor* ST_EndingFunctor::clone() const { return new ST_EndingFunctor(*this); }

} // namespace KWEP
