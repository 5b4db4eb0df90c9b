#include "core/EventBus.h"

#include <map>
#include <set>
#include <vector>

#include "core/I_Event.h"
#include "core/I_EventConsumer.h"

namespace EVT {

struct EventBus::Impl {
    int depth = 0; // deliveries currently running
    std::vector<I_Event*> queues[2];
    std::vector<I_Event*>* receiving = &queues[0];
    std::vector<I_Event*>* draining = &queues[1];
    std::map<int, EntryList> consumers;
    std::map<int, EntryList> pendingRemovals;
    std::set<int> subscribedIDs; // every id ever subscribed to; only grows
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
    EntryList& list = m_impl->consumers[id];
    if (findConsumer(entry, list) == list.end()) {
        list.push_back(entry);
        return;
    }
    auto pending = m_impl->pendingRemovals.find(id);
    if (pending == m_impl->pendingRemovals.end())
        return;
    auto it = findConsumer(entry, pending->second);
    if (it != pending->second.end())
        pending->second.erase(it);
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
        m_impl->pendingRemovals[id].push_back(entry);
        return;
    }
    auto list = m_impl->consumers.find(id);
    if (list == m_impl->consumers.end())
        return;
    auto it = findConsumer(entry, list->second);
    if (it != list->second.end())
        list->second.erase(it);
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
    EntryList& list = m_impl->consumers[id];
    ++m_impl->depth;
    for (auto it = list.begin(); it != list.end(); ++it) {
        auto pending = m_impl->pendingRemovals.find(id);
        if (pending != m_impl->pendingRemovals.end() &&
            findConsumer(*it, pending->second) != pending->second.end())
            continue;
        it->first->handleEvent(event);
    }
    --m_impl->depth;
}

EventBus::EntryList::iterator EventBus::findConsumer(const Entry& entry, EntryList& list) const {
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->second == entry.second)
            return it;
    return list.end();
}

void EventBus::applyPendingRemovals() {
    for (int id : m_impl->subscribedIDs) {
        auto pending = m_impl->pendingRemovals.find(id);
        if (pending == m_impl->pendingRemovals.end())
            continue;
        for (const Entry& entry : pending->second)
            removeConsumer(id, entry);
        pending->second.clear();
    }
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
