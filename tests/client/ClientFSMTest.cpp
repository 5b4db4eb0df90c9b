// The client state machine: its transition table, the queue that holds every
// event until the next update, and the next-level and game-over events held
// during the pause.
#include <gtest/gtest.h>

#include "RecordingClient.h"
#include "client/ClientFSM.h"
#include "core/Event.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Update.h"

namespace {

using State = KWEP::ClientFSM::State;

struct Machine {
    Machine() { fsm.create(&client); }

    void send(const EVT::I_Event& event) { fsm.handleEvent(const_cast<EVT::I_Event*>(&event)); }
    void send(int id) { send(EVT::Event(id)); }
    void key(bool pressed = true) { send(EVT::Event_Key(EVT::EVENT_KEY, 'a', pressed, 0)); }
    void update(int ms = 16) { send(EVT::Event_Update(EVT::EVENT_UPDATE, ms)); }
    // The event, then the update that acts on it. A key is pressed and let go.
    void step(int id)
    {
        if (id == EVT::EVENT_KEY) {
            key(true);
            key(false);
        } else if (id == EVT::EVENT_GAME_OVER)
            send(EVT::EventWithString(id, "RULE"));
        else if (id == EVT::EVENT_MOUSE)
            send(EVT::Event_Mouse(id, 5, 5, 0, false));
        else if (id != EVT::EVENT_UPDATE)
            send(id);
        update();
    }
    // Takes the machine from the splash to the state by the shortest road.
    void reach(unsigned long state)
    {
        static const int roads[8][3] = {{}, {}, {EVT::EVENT_KEY}, {EVT::EVENT_KEY, EVT::EVENT_PLAY},
            {EVT::EVENT_KEY, EVT::EVENT_PLAY, EVT::EVENT_KEY}, {}, {}, {}};
        if (state == State::STATE_PAUSED || state == State::STATE_ENDING) {
            reach(State::STATE_RUNNING);
            step(state == State::STATE_PAUSED ? EVT::EVENT_PAUSE : EVT::EVENT_GAME_OVER);
        } else {
            for (int id : roads[state])
                if (id != 0)
                    step(id);
        }
        ASSERT_EQ(state, fsm.getCurState());
        client.calls.clear();
        client.worldUpdates = 0;
    }

    RecordingClient client;
    KWEP::ClientFSM fsm;
};

} // namespace

TEST(ClientFSM, TransitionTable)
{
    const struct {
        unsigned long from;
        int event;
        unsigned long to;
        std::vector<std::string> calls;
    } cases[] = {
        {1, EVT::EVENT_KEY, 2, {"createMenus"}},
        {1, EVT::EVENT_MOUSE, 2, {"createMenus"}},
        {1, EVT::EVENT_JOYPAD, 2, {"createMenus"}},
        {1, EVT::EVENT_PLAY, 1, {}},
        {2, EVT::EVENT_PLAY, 3, {"startingGame"}},
        {2, EVT::EVENT_PAUSE, 2, {}},
        {2, EVT::EVENT_MENUS, 2, {}},
        {3, EVT::EVENT_KEY, 4, {"startGame"}},
        {3, EVT::EVENT_MOUSE, 3, {}},
        {3, EVT::EVENT_PAUSE, 3, {}},
        {4, EVT::EVENT_MENUS, 2, {"endGame"}},
        {4, EVT::EVENT_GAME_OVER, 6, {"endingGame RULE"}},
        {4, EVT::EVENT_NEXT_LEVEL, 4, {"nextLevel"}},
        {4, EVT::EVENT_PAUSE, 5, {"pauseGame"}},
        {4, EVT::EVENT_RESUME, 4, {}},
        {4, EVT::EVENT_PLAY, 4, {}},
        {5, EVT::EVENT_RESUME, 4, {"resumeGame"}},
        {5, EVT::EVENT_MENUS, 2, {"resumeGame", "endGame"}},
        {5, EVT::EVENT_UPDATE, 5, {}},
        {5, EVT::EVENT_PAUSE, 5, {}},
        {5, EVT::EVENT_PLAY, 5, {}},
        // The end page ignores everything during its first two seconds.
        {6, EVT::EVENT_KEY, 6, {}},
        {6, EVT::EVENT_MENUS, 6, {}},
        {6, EVT::EVENT_PAUSE, 6, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " on " + std::to_string(c.event));
        Machine machine;
        machine.reach(c.from);
        machine.step(c.event);
        EXPECT_EQ(c.to, machine.fsm.getCurState());
        EXPECT_EQ(c.calls, machine.client.calls);
    }
}

TEST(ClientFSM, EventsWaitForTheNextUpdateAndKeepTheirOrder)
{
    Machine machine;
    machine.key();
    EXPECT_EQ(1u, machine.fsm.getCurState());
    EXPECT_EQ(1u, machine.fsm.queuedCount());
    machine.update();
    EXPECT_EQ(2u, machine.fsm.getCurState());

    machine.client.calls.clear();
    machine.send(EVT::EVENT_PLAY);
    machine.key(false); // the release of the key that chose to play stays
    machine.key(true);
    machine.key(false);
    EXPECT_TRUE(machine.client.calls.empty());
    machine.update(20);
    // Play, then the key stroke on the story page, then the update in play.
    EXPECT_EQ((std::vector<std::string>{"startingGame", "startGame"}), machine.client.calls);
    EXPECT_EQ(4u, machine.fsm.getCurState());
    EXPECT_EQ(1, machine.client.worldUpdates);
    EXPECT_EQ(20, machine.client.worldMs);
    EXPECT_EQ(0u, machine.fsm.queuedCount());
}

TEST(ClientFSM, PauseStopsTheWorld)
{
    Machine machine;
    machine.reach(State::STATE_PAUSED);
    machine.update();
    machine.update();
    EXPECT_EQ(0, machine.client.worldUpdates);
    machine.step(EVT::EVENT_RESUME);
    EXPECT_EQ(1, machine.client.worldUpdates);
}

TEST(ClientFSM, LevelEndsDuringThePauseWaitForTheResume)
{
    Machine machine;
    machine.reach(State::STATE_PAUSED);
    machine.step(EVT::EVENT_NEXT_LEVEL);
    EXPECT_EQ(5u, machine.fsm.getCurState());
    EXPECT_EQ(1u, machine.fsm.heldCount());
    EXPECT_TRUE(machine.client.calls.empty());

    machine.step(EVT::EVENT_RESUME);
    EXPECT_EQ((std::vector<std::string>{"resumeGame", "nextLevel"}), machine.client.calls);
    EXPECT_EQ(0u, machine.fsm.heldCount());

    machine.client.calls.clear();
    machine.step(EVT::EVENT_PAUSE);
    machine.step(EVT::EVENT_GAME_OVER);
    machine.step(EVT::EVENT_RESUME);
    EXPECT_EQ(6u, machine.fsm.getCurState());
    EXPECT_EQ((std::vector<std::string>{"pauseGame", "resumeGame", "endingGame RULE"}), machine.client.calls);
}

TEST(ClientFSM, QuitFromThePauseDropsTheHeldLevelEnd)
{
    Machine machine;
    machine.reach(State::STATE_PAUSED);
    machine.step(EVT::EVENT_GAME_OVER);
    machine.step(EVT::EVENT_MENUS);
    EXPECT_EQ(2u, machine.fsm.getCurState());
    EXPECT_EQ(0u, machine.fsm.heldCount());
    EXPECT_EQ((std::vector<std::string>{"resumeGame", "endGame"}), machine.client.calls);
    // Nothing comes back once a new game runs.
    machine.step(EVT::EVENT_PLAY);
    machine.step(EVT::EVENT_KEY);
    machine.update();
    EXPECT_EQ(4u, machine.fsm.getCurState());
}
