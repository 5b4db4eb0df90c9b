#ifndef FRELMORY_CORE_EVENTBUS_H
#define FRELMORY_CORE_EVENTBUS_H

#include <list>
#include <memory>
#include <utility>

namespace EVT {

class I_Event;
class I_EventConsumer;

// The program-wide publish/subscribe channel. Delivery is synchronous, to the
// consumers of an event's id in subscription order, and may nest. Removals
// asked for during a delivery are deferred to the end of the outermost one;
// events raised with the queue flag during a delivery are copied and
// delivered, in raise order, after the outermost delivery ends.
class EventBus {
public:
    // A subscription: the consumer and its unique id taken when subscribing.
    typedef std::pair<I_EventConsumer*, unsigned long> Entry;
    typedef std::list<Entry> EntryList;

    static EventBus* instance();

    virtual ~EventBus();

    // Subscribes the consumer to the id; at most once per id. Subscribing
    // again during a delivery cancels one pending removal.
    virtual void addConsumer(int id, I_EventConsumer* consumer);
    virtual void removeConsumer(int id, I_EventConsumer* consumer);
    // Unsubscribes the consumer from every id ever subscribed to.
    virtual void removeConsumer(I_EventConsumer* consumer);
    // The caller keeps ownership of the event in every case.
    virtual void raiseEvent(I_Event* event, bool queue);
    virtual void dump() const;

protected:
    EventBus();

    virtual void processEvent(I_Event* event);
    virtual void removeConsumer(int id, const Entry& entry);

private:
    EventBus(const EventBus&) = delete;
    EventBus& operator=(const EventBus&) = delete;

    void applyPendingRemovals();
    void drainQueue();

    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace EVT

#endif
