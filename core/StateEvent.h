#ifndef FRELMORY_CORE_STATEEVENT_H
#define FRELMORY_CORE_STATEEVENT_H

namespace FSM {

// The event a state machine is processing: its id and the caller's data
// pointer, untouched. Lives on the machine's stack for one processEvent call.
class StateEvent {
public:
    StateEvent(long eventID, void* data) : m_eventID(eventID), m_data(data) {}
    virtual ~StateEvent() {}

    long getEventID() const { return m_eventID; }
    void* getData() const { return m_data; }

private:
    long m_eventID;
    void* m_data;
};

} // namespace FSM

#endif
