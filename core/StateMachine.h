#ifndef FRELMORY_CORE_STATEMACHINE_H
#define FRELMORY_CORE_STATEMACHINE_H

#include <map>
#include <vector>

#include "core/EventHandler.h"

namespace FSM {

// A machine of numbered states (1 to n; 0 is no state) driven by numbered
// events. All behaviour lives in functors; the machine keeps the ids and calls
// the functors in a fixed order, telling them through the state mode which
// step is running, so one functor can serve as enter, exit and event functor.
class StateMachine {
public:
    typedef EventHandler::I_Functor I_Functor;

    // What getStateMode() reports.
    enum StateMode { MODE_ENTER = 0, MODE_HANDLER = 1, MODE_EXIT = 2, MODE_DONE = 3 };

    // Slots for states 0 to highestState; the machine starts in state 1.
    explicit StateMachine(int highestState);
    virtual ~StateMachine();

    // Replaces whatever state held the slot. Keeps clones of the non-null
    // functors. An id outside the slots is ignored.
    virtual void addState(unsigned long state, I_Functor* enter, I_Functor* exit);
    // In state from, the event id leads to state to when the functor (a clone;
    // null accepts every event) answers true. Ignored unless both states exist.
    virtual void addTransition(long eventID, unsigned long from, unsigned long to, I_Functor* functor);
    // The functor (clone, or none when null) and target for events that state
    // has no transition for. Ignored unless both states exist.
    virtual void setDefault(unsigned long state, unsigned long to, I_Functor* functor);

    virtual unsigned long getCurState() const;
    virtual unsigned long getPrevState() const;
    virtual unsigned long getNextState() const;
    virtual int getStateMode() const;

    // Redirects the move in progress; ignored for an id that holds no state.
    virtual void setNextState(unsigned long state);

    // Target, exit functor (mode 2), event functor (mode 1), move when it
    // accepted, enter functor of the new state (mode 0); mode 3 afterwards.
    virtual void processEvent(long eventID, void* data);

    bool validStateID(unsigned long state) const;

private:
    class State;

    StateMachine(const StateMachine&) = delete;
    StateMachine& operator=(const StateMachine&) = delete;

    State* stateAt(unsigned long state) const;

    std::vector<State*> m_states; // owned, indexed by state id
    unsigned long m_prevState;
    unsigned long m_curState;
    unsigned long m_nextState;
    int m_stateMode;
};

} // namespace FSM

#endif
