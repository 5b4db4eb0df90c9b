#include "core/StateMachine.h"

#include <algorithm>

#include "core/DeleteIt.h"
#include "core/IgnoreFunctor.h"

namespace FSM {

// One state: its event dispatcher, optional enter and exit functors (owned
// clones) and the event-to-target map.
class StateMachine::State {
public:
    State(unsigned long id, I_Functor* enter, I_Functor* exit) :
        handler(), enter(enter ? enter->clone() : nullptr), exit(exit ? exit->clone() : nullptr), targets(),
        id(id), defaultTarget(id) {}

    virtual ~State() {
        delete enter;
        delete exit;
    }

    // The mapped target of the event, else the default target.
    unsigned long targetOf(long eventID) const {
        std::map<long, unsigned long>::const_iterator it = targets.find(eventID);
        return (it != targets.end() && it->second != 0) ? it->second : defaultTarget;
    }

    EventHandler handler;
    I_Functor* enter;
    I_Functor* exit;
    std::map<long, unsigned long> targets;
    unsigned long id;
    unsigned long defaultTarget;

private:
    State(const State&) = delete;
    State& operator=(const State&) = delete;
};

StateMachine::StateMachine(int highestState) :
    m_states(highestState >= 0 ? static_cast<std::size_t>(highestState) + 1 : 1, nullptr), m_prevState(0),
    m_curState(1), m_nextState(0), m_stateMode(MODE_ENTER) {}

StateMachine::~StateMachine() {
    std::for_each(m_states.begin(), m_states.end(), Util::DeleteIt<State*>());
    m_states.clear();
}

StateMachine::State* StateMachine::stateAt(unsigned long state) const {
    return state < m_states.size() ? m_states[state] : nullptr;
}

bool StateMachine::validStateID(unsigned long state) const { return stateAt(state) != nullptr; }

void StateMachine::addState(unsigned long state, I_Functor* enter, I_Functor* exit) {
    if (state >= m_states.size())
        return;
    delete m_states[state];
    m_states[state] = new State(state, enter, exit);
}

void StateMachine::addTransition(long eventID, unsigned long from, unsigned long to, I_Functor* functor) {
    if (!validStateID(from) || !validStateID(to))
        return;
    State* source = m_states[from];
    source->handler.registerHandler(eventID, functor ? functor : getIgnoreFunctor());
    source->targets[eventID] = to;
}

void StateMachine::setDefault(unsigned long state, unsigned long to, I_Functor* functor) {
    if (!validStateID(state) || !validStateID(to))
        return;
    m_states[state]->handler.setDefaultHandler(functor);
    m_states[state]->defaultTarget = to;
}

unsigned long StateMachine::getCurState() const { return m_curState; }

unsigned long StateMachine::getPrevState() const { return m_prevState; }

unsigned long StateMachine::getNextState() const { return m_nextState; }

int StateMachine::getStateMode() const { return m_stateMode; }

void StateMachine::setNextState(unsigned long state) {
    if (validStateID(state))
        m_nextState = state;
}

void StateMachine::processEvent(long eventID, void* data) {
    State* current = stateAt(m_curState);
    if (!current)
        return;
    StateEvent event(eventID, data);
    StatePair pair(&event, this);

    unsigned long target = current->targetOf(eventID);
    m_nextState = target;
    m_stateMode = MODE_EXIT;
    if (target != 0 && target != m_curState && current->exit)
        (*current->exit)(&pair);

    m_stateMode = MODE_HANDLER;
    m_prevState = m_curState;
    if (current->handler.process(&pair))
        m_curState = m_nextState;

    m_stateMode = MODE_ENTER;
    State* entered = stateAt(m_curState);
    if (m_curState != m_prevState && entered && entered->enter)
        (*entered->enter)(&pair);

    m_stateMode = MODE_DONE;
}

} // namespace FSM
