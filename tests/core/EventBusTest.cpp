#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Event.h"
#include "core/EventBus.h"
#include "core/I_EventConsumer.h"

namespace {

const int ID = 900;   // ids of their own, so these tests share the bus with no one
const int OTHER = 901;

typedef std::vector<std::string> Log;

// Writes "name:id" to the log for every event, then runs its action.
struct Recorder : EVT::I_EventConsumer {
    Recorder(Log& log, const std::string& name) : log(log), name(name) {}
    void handleEvent(EVT::I_Event* event) override {
        log.push_back(name + ":" + std::to_string(event->getEventID()));
        if (action)
            action(event);
    }
    Log& log;
    std::string name;
    std::function<void(EVT::I_Event*)> action;
};

// An event that counts its live instances, to see copies made and deleted.
struct CountedEvent : EVT::I_Event {
    explicit CountedEvent(int id) : EVT::I_Event(id) { ++s_live; }
    CountedEvent(const CountedEvent& other) : EVT::I_Event(other) { ++s_live; }
    ~CountedEvent() override { --s_live; }
    EVT::I_Event* clone() const override { return new CountedEvent(*this); }
    static int s_live;
};
int CountedEvent::s_live = 0;

EVT::EventBus& bus() { return *EVT::EventBus::instance(); }

void raise(int id, bool queue = false) {
    EVT::Event event(id);
    bus().raiseEvent(&event, queue);
}

class EventBusTest : public ::testing::Test {
protected:
    Log log;
    Recorder a{log, "a"}, b{log, "b"}, c{log, "c"};

    void subscribeAll() {
        for (Recorder* r : {&a, &b, &c})
            bus().addConsumer(ID, r);
    }
    Log take() {
        Log taken;
        taken.swap(log);
        return taken;
    }
};

TEST_F(EventBusTest, DeliversInSubscriptionOrderOncePerConsumer) {
    subscribeAll();
    bus().addConsumer(ID, &a);
    raise(ID);
    EXPECT_EQ(take(), (Log{"a:900", "b:900", "c:900"}));

    bus().removeConsumer(ID, &a);
    bus().addConsumer(ID, &a);
    raise(ID);
    EXPECT_EQ(take(), (Log{"b:900", "c:900", "a:900"}));

    raise(OTHER);
    EXPECT_TRUE(take().empty());
}

TEST_F(EventBusTest, ConsumerSubscribedDuringDeliveryGetsTheEventInFlight) {
    bus().addConsumer(ID, &a);
    bus().addConsumer(ID, &b);
    a.action = [&](EVT::I_Event*) { bus().addConsumer(ID, &c); };
    raise(ID);
    EXPECT_EQ(take(), (Log{"a:900", "b:900", "c:900"}));
}

TEST_F(EventBusTest, RemovalDuringDeliveryTakesEffectAtOnceIncludingNestedDeliveries) {
    subscribeAll();
    bus().addConsumer(OTHER, &b);
    bool done = false;
    a.action = [&](EVT::I_Event*) {
        if (done)
            return;
        done = true;
        bus().removeConsumer(&b);
        raise(OTHER);
        raise(ID);
    };
    c.action = [&](EVT::I_Event*) { bus().removeConsumer(ID, &c); };
    raise(ID);
    EXPECT_EQ(take(), (Log{"a:900", "a:900", "c:900"}));

    // b and c left the lists when the outermost delivery ended: subscribing
    // b again appends it.
    a.action = nullptr;
    bus().addConsumer(ID, &b);
    raise(ID);
    EXPECT_EQ(take(), (Log{"a:900", "b:900"}));
}

TEST_F(EventBusTest, ConsumerDestroyedDuringDeliveryIsNeverCalledAgain) {
    Recorder* doomed = new Recorder(log, "d");
    bus().addConsumer(ID, &a);
    bus().addConsumer(ID, doomed);
    bus().addConsumer(OTHER, doomed);
    a.action = [&](EVT::I_Event* event) {
        if (event->getEventID() == ID) {
            delete doomed;
            raise(OTHER);
        }
    };
    raise(ID);
    raise(OTHER);
    EXPECT_EQ(take(), (Log{"a:900"}));
}

TEST_F(EventBusTest, PendingRemovalsAreCancelledOnePerResubscription) {
    struct Case {
        int removals;
        bool subscribedBefore;
        Log firstDelivery;
        Log afterwards;
    } cases[] = {
        // removed and re-added: keeps its place, not skipped
        {1, true, {"a:900", "b:900", "c:900"}, {"a:900", "b:900", "c:900"}},
        // removed twice, re-added once: skipped, then gone
        {2, true, {"a:900", "c:900"}, {"a:900", "c:900"}},
        // never subscribed, removed from all ids, then added: skipped, then gone
        {1, false, {"a:900", "c:900"}, {"a:900", "c:900"}},
    };
    for (const Case& t : cases) {
        bus().addConsumer(ID, &a);
        if (t.subscribedBefore)
            bus().addConsumer(ID, &b);
        bus().addConsumer(ID, &c);
        a.action = [&](EVT::I_Event*) {
            for (int i = 0; i < t.removals; ++i)
                bus().removeConsumer(&b);
            bus().addConsumer(ID, &b);
        };
        raise(ID);
        EXPECT_EQ(take(), t.firstDelivery) << t.removals << t.subscribedBefore;
        a.action = nullptr;
        raise(ID);
        EXPECT_EQ(take(), t.afterwards) << t.removals << t.subscribedBefore;
        for (Recorder* r : {&a, &b, &c})
            bus().removeConsumer(r);
    }
}

TEST_F(EventBusTest, RemovalFromAnIdNeverHeldDuringDeliveryDoesNotSkipALaterSubscriber) {
    const int UNUSED = OTHER + 7;
    bus().addConsumer(ID, &a);
    a.action = [&](EVT::I_Event*) { bus().removeConsumer(UNUSED, &b); };
    raise(ID);
    a.action = nullptr;
    bus().addConsumer(UNUSED, &b);
    raise(UNUSED);
    EXPECT_EQ(take(), (Log{"a:900", "b:908"}));
}

TEST_F(EventBusTest, QueuedCopiesFollowTheOutermostDeliveryInRaiseOrderAndAreDeleted) {
    bus().addConsumer(ID, &a);
    bus().addConsumer(OTHER, &b);
    bus().addConsumer(OTHER + 1, &b);
    a.action = [&](EVT::I_Event*) {
        CountedEvent first(OTHER), second(OTHER + 1), third(OTHER);
        bus().raiseEvent(&first, true);
        bus().raiseEvent(&second, true);
        bus().raiseEvent(&third, true);
        log.push_back("a done");
        EXPECT_EQ(CountedEvent::s_live, 6);
    };
    raise(ID);
    EXPECT_EQ(take(), (Log{"a:900", "a done", "b:901", "b:902", "b:901"}));
    EXPECT_EQ(CountedEvent::s_live, 0);
}

TEST_F(EventBusTest, EventQueuedByAQueuedCopysHandlerWaitsForTheNextOutermostDelivery) {
    bus().addConsumer(ID, &a);
    bus().addConsumer(OTHER, &b);
    bus().addConsumer(OTHER + 1, &c);
    a.action = [&](EVT::I_Event*) { raise(OTHER, true); };
    b.action = [&](EVT::I_Event*) { raise(OTHER + 1, true); };
    raise(ID);
    EXPECT_EQ(take(), (Log{"a:900", "b:901"}));
    a.action = nullptr;
    raise(OTHER + 5);
    EXPECT_EQ(take(), (Log{"c:902"}));
}

TEST_F(EventBusTest, UnqueuedRaiseInsideAHandlerAndQueuedRaiseOutsideDeliverAtOnce) {
    bus().addConsumer(ID, &a);
    bus().addConsumer(OTHER, &b);
    a.action = [&](EVT::I_Event*) {
        raise(OTHER);
        log.push_back("a done");
    };
    raise(ID, true);
    EXPECT_EQ(take(), (Log{"a:900", "b:901", "a done"}));
}

// A consumer that throws ends its delivery: later events are not held back
// as if it still ran.
TEST_F(EventBusTest, AfterAConsumerThrowsEventsAreDeliveredAtOnceAgain) {
    bus().addConsumer(ID, &a);
    bus().addConsumer(OTHER, &b);
    a.action = [](EVT::I_Event*) { throw std::runtime_error("consumer failed"); };
    EXPECT_THROW(raise(ID), std::runtime_error);
    a.action = nullptr;
    raise(OTHER, true);
    EXPECT_EQ(take(), (Log{"a:900", "b:901"}));
}

TEST_F(EventBusTest, DestroyedConsumerIsUnsubscribedFromEveryId) {
    {
        Recorder gone(log, "g");
        bus().addConsumer(ID, &gone);
        bus().addConsumer(OTHER, &gone);
    }
    raise(ID);
    raise(OTHER);
    bus().dump();
    EXPECT_TRUE(take().empty());
}

} // namespace
