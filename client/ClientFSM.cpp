#include "client/ClientFSM.h"

#include "client/ST_EndingFunctor.h"
#include "client/ST_MenusFunctor.h"
#include "client/ST_PausedFunctor.h"
#include "client/ST_RunningFunctor.h"
#include "client/ST_StartingFunctor.h"
#include "client/SplashFunctor.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/I_Event.h"

#include <cstdlib>
#include <iostream>

namespace KWEP {

namespace {

enum Handler { SPLASH, MENUS, STARTING, RUNNING, ENDING, PAUSED, ALWAYS };

struct Transition {
    long event;
    unsigned long from;
    unsigned long to;
    Handler handler;
};

const Transition TRANSITIONS[] = {
    {EVT::EVENT_KEY, 1, 2, SPLASH},
    {EVT::EVENT_MOUSE, 1, 2, SPLASH},
    {EVT::EVENT_JOYPAD, 1, 2, SPLASH},
    {EVT::EVENT_UPDATE, 1, 2, SPLASH},
    {EVT::EVENT_PLAY, 2, 3, MENUS},
    {EVT::EVENT_KEY, 3, 4, STARTING},
    {EVT::EVENT_MOUSE, 3, 4, STARTING},
    {EVT::EVENT_JOYPAD, 3, 4, STARTING},
    {EVT::EVENT_UPDATE, 3, 4, STARTING},
    {EVT::EVENT_MENUS, 4, 2, RUNNING},
    {EVT::EVENT_GAME_OVER, 4, 6, RUNNING},
    {EVT::EVENT_NEXT_LEVEL, 4, 4, RUNNING},
    {EVT::EVENT_UPDATE, 4, 4, RUNNING},
    {EVT::EVENT_KEY, 6, 6, ENDING},
    {EVT::EVENT_MOUSE, 6, 6, ENDING},
    {EVT::EVENT_JOYPAD, 6, 6, ENDING},
    {EVT::EVENT_UPDATE, 6, 6, ENDING},
    {EVT::EVENT_MENUS, 6, 2, ENDING},
    {EVT::EVENT_PAUSE, 4, 5, ALWAYS},
    {EVT::EVENT_MENUS, 5, 2, PAUSED},
    {EVT::EVENT_UPDATE, 5, 5, PAUSED},
    {EVT::EVENT_RESUME, 5, 4, ALWAYS},
};

const int SUBSCRIPTIONS[] = {
    EVT::EVENT_KEY, EVT::EVENT_MOUSE, EVT::EVENT_JOYPAD, EVT::EVENT_PLAY, EVT::EVENT_MENUS,
    EVT::EVENT_PAUSE, EVT::EVENT_RESUME, EVT::EVENT_UPDATE, EVT::EVENT_GAME_OVER,
    EVT::EVENT_NEXT_LEVEL,
};

bool endsLevel(long id) { return id == EVT::EVENT_NEXT_LEVEL || id == EVT::EVENT_GAME_OVER; }

// With FRELMORY_TRACE_START in the environment, each change of state is
// announced on the error stream, as the first frame and each level's start
// are: a scripted run of the program follows the game by them, not by the
// clock.
void traceChange(unsigned long before, unsigned long after)
{
    static const char* const NAMES[] = {"", "splash", "menus", "story", "play", "pause", "end page", "exit"};
    const bool named = after < sizeof NAMES / sizeof NAMES[0];
    if (before == after || !named || std::getenv("FRELMORY_TRACE_START") == nullptr)
        return;
    std::cerr << "frelmory: state " << NAMES[after] << std::endl;
}

} // namespace

ClientFSM::ClientFSM() : FSM::StateMachine(STATE_EXIT) {}

ClientFSM::~ClientFSM()
{
    EVT::EventBus::instance()->removeConsumer(this);
    deleteAll(m_queue);
    deleteAll(m_held);
    for (FSM::StateMachine::I_Functor* handler : m_handlers)
        delete handler;
    m_handlers.clear();
}

void ClientFSM::create(GameClient* client)
{
    if (!m_handlers.empty())
        return;
    // In the order of the Handler enumeration.
    m_handlers.push_back(new SplashFunctor(client));
    m_handlers.push_back(new ST_MenusFunctor(client));
    m_handlers.push_back(new ST_StartingFunctor(client));
    m_handlers.push_back(new ST_RunningFunctor(client));
    m_handlers.push_back(new ST_EndingFunctor(client));
    m_handlers.push_back(new ST_PausedFunctor(client));

    for (unsigned long state : {STATE_SPLASH, STATE_MENUS, STATE_STARTING, STATE_RUNNING, STATE_ENDING})
        addState(state, nullptr, nullptr);
    addState(STATE_PAUSED, m_handlers[PAUSED], m_handlers[PAUSED]);
    addState(STATE_EXIT, nullptr, nullptr);

    for (const Transition& t : TRANSITIONS)
        addTransition(t.event, t.from, t.to, t.handler == ALWAYS ? nullptr : m_handlers[t.handler]);

    EVT::EventBus* bus = EVT::EventBus::instance();
    for (int id : SUBSCRIPTIONS)
        bus->addConsumer(id, this);
}

void ClientFSM::handleEvent(EVT::I_Event* event)
{
    if (!event)
        return;
    if (event->getEventID() != EVT::EVENT_UPDATE) {
        m_queue.push_back(event->clone());
        return;
    }
    processQueue();
    const unsigned long before = getCurState();
    processEvent(EVT::EVENT_UPDATE, event);
    traceChange(before, getCurState());
}

// Events queued by the handlers meanwhile are taken in the same pass.
void ClientFSM::processQueue()
{
    while (!m_queue.empty()) {
        EVT::I_Event* event = m_queue.front();
        m_queue.pop_front();
        processOne(event);
    }
}

void ClientFSM::processOne(EVT::I_Event* event)
{
    const unsigned long before = getCurState();
    if (before == STATE_PAUSED && endsLevel(event->getEventID())) {
        m_held.push_back(event);
        return;
    }
    processEvent(event->getEventID(), event);
    traceChange(before, getCurState());
    delete event;
    releaseHeld(before);
}

// Leaving the pause: back to play, the held events come next, in the order
// they arrived; any other way out drops them.
void ClientFSM::releaseHeld(unsigned long before)
{
    if (before != STATE_PAUSED || getCurState() == STATE_PAUSED || m_held.empty())
        return;
    if (getCurState() == STATE_RUNNING)
        m_queue.insert(m_queue.begin(), m_held.begin(), m_held.end());
    else
        deleteAll(m_held);
    m_held.clear();
}

void ClientFSM::deleteAll(std::deque<EVT::I_Event*>& events)
{
    for (EVT::I_Event* event : events)
        delete event;
    events.clear();
}

} // namespace KWEP
