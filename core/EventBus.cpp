#include "core/EventBus.h"

#include <iterator>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

#include "core/I_Event.h"
#include "core/I_EventConsumer.h"

namespace EVT {

namespace {

// One id's consumers in subscription order, each one's place kept by its
// unique id: items come and go by the hundred, and neither the check on
// subscribing nor a removal walks the list.
struct Subscribers {
    EventBus::EntryList order;
    std::unordered_map<unsigned long, EventBus::EntryList::iterator> places;
};

// The removals asked for during a delivery, for one id: how many times for
// each unique id.
typedef std::unordered_map<unsigned long, int> Pending;

// Counts one delivery for as long as it runs, also when a consumer throws:
// a count left too high would queue every later event for good.
class Delivery {
public:
    explicit Delivery(int& depth) : m_depth(depth) { ++m_depth; }
    ~Delivery() { --m_depth; }
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

private:
    int& m_depth;
};

} // namespace

struct EventBus::Impl {
    int depth = 0; // deliveries currently running
    std::vector<I_Event*> queues[2];
    std::vector<I_Event*>* receiving = &queues[0];
    std::vector<I_Event*>* draining = &queues[1];
    std::map<int, Subscribers> consumers;
    std::map<int, Pending> pendingRemovals;
    std::set<int> subscribedIDs; // every id ever subscribed to; only grows

    bool isPending(int id, unsigned long consumer) const {
        auto pending = pendingRemovals.find(id);
        return pending != pendingRemovals.end() && pending->second.count(consumer) != 0;
    }
};

EventBus* EventBus::instance() {
    static EventBus l_instance;
    return &l_instance;
}

EventBus::EventBus() : m_impl(new Impl) {}

// Copies still queued at exit are not delivered, only freed.
EventBus::~EventBus() {
    for (std::vector<I_Event*>& queue : m_impl->queues)
        for (I_Event* event : queue)
            delete event;
}

void EventBus::addConsumer(int id, I_EventConsumer* consumer) {
    m_impl->subscribedIDs.insert(id);
    const Entry entry(consumer, consumer->getID());
    Subscribers& subscribers = m_impl->consumers[id];
    if (subscribers.places.count(entry.second) == 0) {
        subscribers.order.push_back(entry);
        subscribers.places[entry.second] = std::prev(subscribers.order.end());
        return;
    }
    auto pending = m_impl->pendingRemovals.find(id);
    if (pending == m_impl->pendingRemovals.end())
        return;
    auto count = pending->second.find(entry.second);
    if (count != pending->second.end() && --count->second == 0)
        pending->second.erase(count);
}

void EventBus::removeConsumer(int id, I_EventConsumer* consumer) {
    removeConsumer(id, Entry(consumer, consumer->getID()));
}

void EventBus::removeConsumer(I_EventConsumer* consumer) {
    for (int id : m_impl->subscribedIDs)
        removeConsumer(id, consumer);
}

void EventBus::removeConsumer(int id, const Entry& entry) {
    if (m_impl->depth != 0) {
        ++m_impl->pendingRemovals[id][entry.second];
        return;
    }
    auto subscribers = m_impl->consumers.find(id);
    if (subscribers == m_impl->consumers.end())
        return;
    auto place = subscribers->second.places.find(entry.second);
    if (place == subscribers->second.places.end())
        return;
    subscribers->second.order.erase(place->second);
    subscribers->second.places.erase(place);
}

void EventBus::raiseEvent(I_Event* event, bool queue) {
    if (queue && m_impl->depth != 0) {
        m_impl->receiving->push_back(event->clone());
        return;
    }
    processEvent(event);
    if (m_impl->depth != 0)
        return;
    applyPendingRemovals();
    drainQueue();
}

// A diagnostic hook kept for debugging sessions; it writes nothing.
void EventBus::dump() const {}

// Entries are never erased while a delivery runs, so the walk stays valid
// whatever the handlers do; entries appended during a call are reached too.
void EventBus::processEvent(I_Event* event) {
    const int id = event->getEventID();
    EntryList& list = m_impl->consumers[id].order;
    const Delivery delivery(m_impl->depth);
    for (auto it = list.begin(); it != list.end(); ++it)
        if (!m_impl->isPending(id, it->second))
            it->first->handleEvent(event);
}

// Every pending removal is done and forgotten, those of ids no one has
// subscribed to as well: kept, they would skip a later subscriber.
void EventBus::applyPendingRemovals() {
    std::map<int, Pending> pending;
    pending.swap(m_impl->pendingRemovals);
    for (const auto& id : pending)
        for (const auto& consumer : id.second)
            removeConsumer(id.first, Entry(nullptr, consumer.first));
}

// Copies queued while these run wait for the end of the next outermost
// delivery.
void EventBus::drainQueue() {
    std::swap(m_impl->receiving, m_impl->draining);
    std::vector<I_Event*>& draining = *m_impl->draining;
    for (I_Event* copy : draining) {
        processEvent(copy);
        delete copy;
    }
    draining.clear();
}

} // namespace EVT
