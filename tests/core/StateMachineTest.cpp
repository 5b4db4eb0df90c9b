#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/StateMachine.h"

namespace {

typedef FSM::StateMachine::I_Functor Functor;

struct Call {
    std::string name;
    int mode;
    long eventID;
    bool operator==(const Call& o) const { return name == o.name && mode == o.mode && eventID == o.eventID; }
};

std::ostream& operator<<(std::ostream& out, const Call& c) {
    return out << c.name << "/mode" << c.mode << "/event" << c.eventID;
}

int g_liveFunctors = 0;

// Records every call with the machine's mode; answers a fixed result and may
// redirect the move while it runs as the event functor.
class Recorder : public Functor {
public:
    Recorder(std::vector<Call>* log, const std::string& name, bool result = true,
             unsigned long redirect = 0) :
        m_log(log),
        m_name(name), m_result(result), m_redirect(redirect) {
        ++g_liveFunctors;
    }
    Recorder(const Recorder& o) :
        Functor(), m_log(o.m_log), m_name(o.m_name), m_result(o.m_result), m_redirect(o.m_redirect) {
        ++g_liveFunctors;
    }
    ~Recorder() override { --g_liveFunctors; }

    bool operator()(FSM::StatePair* pair) override {
        FSM::StateMachine* machine = pair->second;
        m_log->push_back({m_name, machine->getStateMode(), pair->first->getEventID()});
        if (m_redirect && machine->getStateMode() == FSM::StateMachine::MODE_HANDLER)
            machine->setNextState(m_redirect);
        return m_result;
    }
    Functor* clone() const override { return new Recorder(*this); }

private:
    std::vector<Call>* m_log;
    std::string m_name;
    bool m_result;
    unsigned long m_redirect;
};

// States 1 to 3, each with enter and exit recorders, and the transitions the
// cases below drive from state 1.
struct Machine {
    Machine() : fsm(3) {
        for (unsigned long s = 1; s <= 3; ++s) {
            Recorder enter(&log, "enter" + std::to_string(s)), exit(&log, "exit" + std::to_string(s));
            fsm.addState(s, &enter, &exit);
        }
        Recorder accept(&log, "accept"), refuse(&log, "refuse", false), toThree(&log, "redirect", true, 3),
            toNowhere(&log, "redirect", true, 99);
        fsm.addTransition(5, 1, 2, &accept);
        fsm.addTransition(6, 1, 2, &refuse);
        fsm.addTransition(7, 1, 3, nullptr);
        fsm.addTransition(8, 1, 1, &accept);
        fsm.addTransition(0, 1, 2, &accept);
        fsm.addTransition(10, 1, 2, &toThree);
        fsm.addTransition(11, 1, 2, &toNowhere);
    }
    std::vector<Call> log;
    FSM::StateMachine fsm;
};

} // namespace

TEST(StateMachine, NewMachineStartsInStateOneAndIgnoresEventsUntilItExists) {
    FSM::StateMachine fsm(2);
    EXPECT_EQ(1u, fsm.getCurState());
    EXPECT_EQ(0u, fsm.getPrevState());
    EXPECT_EQ(0u, fsm.getNextState());
    EXPECT_EQ(0, fsm.getStateMode());
    fsm.processEvent(5, nullptr);
    EXPECT_EQ(1u, fsm.getCurState());
    EXPECT_EQ(0, fsm.getStateMode());
    EXPECT_FALSE(fsm.validStateID(1));
}

TEST(StateMachine, ProcessesEventsInExitHandlerEnterOrder) {
    const struct {
        long event;
        std::vector<Call> calls;
        unsigned long cur, next;
    } cases[] = {
        {5, {{"exit1", 2, 5}, {"accept", 1, 5}, {"enter2", 0, 5}}, 2, 2},
        {6, {{"exit1", 2, 6}, {"refuse", 1, 6}}, 1, 2},
        {7, {{"exit1", 2, 7}, {"enter3", 0, 7}}, 3, 3},
        {8, {{"accept", 1, 8}}, 1, 1},
        {9, {}, 1, 1},
        // Event 0 never moves the machine, though the exit step has run.
        {0, {{"exit1", 2, 0}}, 1, 2},
        {10, {{"exit1", 2, 10}, {"redirect", 1, 10}, {"enter3", 0, 10}}, 3, 3},
        {11, {{"exit1", 2, 11}, {"redirect", 1, 11}, {"enter2", 0, 11}}, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.event);
        Machine m;
        m.fsm.processEvent(c.event, nullptr);
        EXPECT_EQ(c.calls, m.log);
        EXPECT_EQ(c.cur, m.fsm.getCurState());
        EXPECT_EQ(1u, m.fsm.getPrevState());
        EXPECT_EQ(c.next, m.fsm.getNextState());
        EXPECT_EQ(3, m.fsm.getStateMode());
    }
}

TEST(StateMachine, DefaultFunctorAndTargetServeUnknownEvents) {
    Machine m;
    Recorder fallback(&m.log, "fallback");
    m.fsm.setDefault(1, 3, &fallback);
    m.fsm.setDefault(1, 9, nullptr); // invalid target: ignored
    int payload = 0;
    m.fsm.processEvent(42, &payload);
    EXPECT_EQ((std::vector<Call>{{"exit1", 2, 42}, {"fallback", 1, 42}, {"enter3", 0, 42}}), m.log);
    EXPECT_EQ(3u, m.fsm.getCurState());
}

TEST(StateMachine, RegistrationReplacesAndIgnoresInvalidStates) {
    Machine m;
    Recorder second(&m.log, "second");
    m.fsm.addTransition(5, 1, 3, &second); // replaces functor and target
    m.fsm.addTransition(6, 1, 4, nullptr); // no state 4
    m.fsm.addTransition(6, 0, 2, nullptr); // no state 0
    m.fsm.processEvent(6, nullptr);
    EXPECT_EQ(1u, m.fsm.getCurState());
    m.log.clear();
    m.fsm.processEvent(5, nullptr);
    EXPECT_EQ((std::vector<Call>{{"exit1", 2, 5}, {"second", 1, 5}, {"enter3", 0, 5}}), m.log);
    EXPECT_EQ(3u, m.fsm.getCurState());

    // Replacing state 1 drops its transitions and functors.
    Machine fresh;
    fresh.fsm.addState(1, nullptr, nullptr);
    fresh.fsm.addState(7, nullptr, nullptr); // outside the slots: ignored
    fresh.fsm.processEvent(5, nullptr);
    EXPECT_TRUE(fresh.log.empty());
    EXPECT_EQ(1u, fresh.fsm.getCurState());
}

TEST(StateMachine, OwnsAndReleasesFunctorClones) {
    int before = g_liveFunctors;
    {
        Machine m;
        EXPECT_GT(g_liveFunctors, before);
        m.fsm.processEvent(5, nullptr);
    }
    EXPECT_EQ(before, g_liveFunctors);
}

TEST(GenericHandler, FallsBackToDefaultFunctorThenDefaultResult) {
    typedef Util::GenericHandler<long, FSM::StatePair*, bool> Handler;
    std::vector<Call> log;
    FSM::StateEvent event(4, nullptr);
    FSM::StateMachine fsm(1);
    FSM::StatePair pair(&event, &fsm);
    Handler handler;
    EXPECT_FALSE(handler.execute(4, &pair));

    Recorder yes(&log, "yes"), fallback(&log, "fallback", false);
    handler.registerHandler(4, &yes);
    handler.registerHandler(-4, nullptr);
    handler.setDefaultHandler(&fallback);
    EXPECT_NE(nullptr, handler.getFunctorPtr(4));
    EXPECT_EQ(nullptr, handler.getFunctorPtr(-4));
    EXPECT_TRUE(handler.execute(4, &pair));
    EXPECT_FALSE(handler.execute(-4, &pair));
    handler.registerHandler(4, nullptr);
    EXPECT_FALSE(handler.execute(4, &pair));
    EXPECT_EQ((std::vector<Call>{{"yes", 0, 4}, {"fallback", 0, 4}, {"fallback", 0, 4}}), log);
}
