#ifndef FRELMORY_CORE_I_EVENT_H
#define FRELMORY_CORE_I_EVENT_H

namespace EVT {

// An event: an integer id that selects the consumers, and a payload in the
// concrete class. Raisers build events on their stack; whoever keeps one
// keeps a clone() and deletes it.
class I_Event {
public:
    explicit I_Event(int id) : m_id(id) {}
    virtual ~I_Event() = default;

    virtual I_Event* clone() const = 0;

    int getEventID() const { return m_id; }

private:
    int m_id;
};

// The event as class E, or null when it is of another class. Action numbers
// share the id space with the typed events, so a consumer must never assume
// the class from the id alone.
template <typename E>
E* eventCast(I_Event* event) {
    return dynamic_cast<E*>(event);
}

template <typename E>
const E* eventCast(const I_Event* event) {
    return dynamic_cast<const E*>(event);
}

} // namespace EVT

#endif
