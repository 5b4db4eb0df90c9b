// The state handlers on their own: the splash's time, the story page's and
// the end page's input thresholds, and the end page's guard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingClient.h"
#include "client/KeptInput.h"
#include "client/ST_EndingFunctor.h"
#include "client/ST_StartingFunctor.h"
#include "client/SplashFunctor.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Update.h"
#include "core/I_EventConsumer.h"
#include "core/StateEvent.h"

namespace {

bool run(FSM::EventHandler::I_Functor& handler, EVT::I_Event&& event)
{
    FSM::StateEvent state(event.getEventID(), &event);
    FSM::StatePair pair(&state, nullptr);
    return handler(&pair);
}

EVT::Event_Update update(int ms) { return EVT::Event_Update(EVT::EVENT_UPDATE, ms); }
EVT::Event_Mouse mouse(int x, int y, int button = 0, bool pressed = false)
{
    return EVT::Event_Mouse(EVT::EVENT_MOUSE, x, y, button, pressed);
}
EVT::Event_Joypad joypad(int number, int x, int y, bool button0 = false)
{
    return EVT::Event_Joypad(EVT::EVENT_JOYPAD, number, x, y, button0, false, false, false);
}
EVT::Event_Key key(bool pressed) { return EVT::Event_Key(EVT::EVENT_KEY, 'x', pressed, 0); }

// Counts the back-to-the-menus events on the bus.
struct MenusCounter : EVT::I_EventConsumer {
    MenusCounter() { EVT::EventBus::instance()->addConsumer(EVT::EVENT_MENUS, this); }
    void handleEvent(EVT::I_Event*) override { ++count; }
    int count = 0;
};

} // namespace

TEST(SplashFunctor, LeavesOnceTheUpdatesAfterTheFirstPassASecond)
{
    RecordingClient client;
    KWEP::SplashFunctor splash(&client);
    // 400 ms steps: 1, 401, 801, then 1201 leaves.
    for (long total : {1L, 401L, 801L}) {
        EXPECT_FALSE(run(splash, update(400)));
        EXPECT_EQ(total, KWEP::SplashFunctor::getTotalTime());
    }
    EXPECT_FALSE(run(splash, update(199)));
    EXPECT_EQ(1000, KWEP::SplashFunctor::getTotalTime()) << "exactly a second stays";
    EXPECT_TRUE(client.calls.empty());
    EXPECT_TRUE(run(splash, update(1)));
    EXPECT_EQ(std::vector<std::string>{"createMenus"}, client.calls);
}

TEST(SplashFunctor, AnyInputLeavesAtOnce)
{
    RecordingClient client;
    KWEP::SplashFunctor splash(&client);
    EXPECT_TRUE(run(splash, key(false)));
    EXPECT_TRUE(run(splash, mouse(0, 0)));
    EXPECT_TRUE(run(splash, joypad(0, 0, 0)));
    EXPECT_EQ(3u, client.calls.size());
}

// Each trace: the events after the page opened; only the last one may leave.
TEST(ST_StartingFunctor, MouseMovesAndButtonsPressedOnThePageLeave)
{
    const struct {
        const char* name;
        std::vector<EVT::Event_Mouse> trace;
        bool leaves;
    } mice[] = {
        // Without a screen the page stands for a 480-pixel window: 48 pixels
        // is a tenth of it.
        {"a tremor", {mouse(100, 100), mouse(108, 94), mouse(93, 104), mouse(100, 109)}, false},
        {"a tenth of the height", {mouse(100, 100), mouse(148, 100)}, false},
        {"past a tenth of the height", {mouse(100, 100), mouse(140, 128)}, true},
        {"a tremor that ends far from where it began", {mouse(100, 100), mouse(130, 100), mouse(100, 140), mouse(100, 149)}, true},
        {"the release of the click that chose to play", {mouse(10, 10, 1), mouse(10, 10)}, false},
        {"a press", {mouse(10, 10), mouse(10, 10, 1, true)}, false},
        {"a press and its release", {mouse(10, 10, 1, true), mouse(10, 10, 1)}, true},
        {"a press and another button's release", {mouse(10, 10, 1, true), mouse(10, 10, 2)}, false},
    };
    for (const auto& c : mice) {
        SCOPED_TRACE(c.name);
        RecordingClient client;
        KWEP::ST_StartingFunctor::pageShown();
        KWEP::ST_StartingFunctor starting(&client);
        for (std::size_t i = 0; i + 1 < c.trace.size(); ++i)
            EXPECT_FALSE(run(starting, EVT::Event_Mouse(c.trace[i])));
        EXPECT_EQ(c.leaves, run(starting, EVT::Event_Mouse(c.trace.back())));
        EXPECT_EQ(c.leaves, client.calls == std::vector<std::string>{"startGame"});
    }
}

TEST(ST_StartingFunctor, SticksMovedAndButtonsPressedOnThePageLeave)
{
    const struct {
        const char* name;
        std::vector<EVT::Event_Joypad> trace;
        bool leaves;
    } pads[] = {
        {"same", {joypad(0, 1, 0), joypad(0, 1, 0)}, false},
        {"one step", {joypad(0, 1, 0), joypad(0, 2, 0)}, false},
        {"a diagonal step", {joypad(0, 1, 0), joypad(0, 2, 1)}, true},
        {"another joystick at rest", {joypad(0, 1, 0), joypad(1, -1, 0)}, false},
        {"the release of the button that chose to play", {joypad(0, 1, 0, true), joypad(0, 1, 0)}, false},
        {"a button pressed", {joypad(0, 1, 0), joypad(0, 1, 0, true)}, false},
        {"a button pressed and let go", {joypad(0, 1, 0), joypad(0, 1, 0, true), joypad(0, 1, 0)}, true},
        {"another joystick's button pressed and let go",
         {joypad(0, 1, 0), joypad(1, 0, 0), joypad(1, 0, 0, true), joypad(1, 0, 0)}, true},
    };
    for (const auto& c : pads) {
        SCOPED_TRACE(c.name);
        RecordingClient client;
        KWEP::ST_StartingFunctor::pageShown();
        KWEP::ST_StartingFunctor starting(&client);
        for (std::size_t i = 0; i + 1 < c.trace.size(); ++i)
            EXPECT_FALSE(run(starting, EVT::Event_Joypad(c.trace[i])));
        EXPECT_EQ(c.leaves, run(starting, EVT::Event_Joypad(c.trace.back())));
    }
}

TEST(ST_StartingFunctor, OnlyTheReleaseOfAKeyPressedOnThePageLeaves)
{
    RecordingClient client;
    KWEP::ST_StartingFunctor::pageShown();
    KWEP::ST_StartingFunctor starting(&client);
    EXPECT_FALSE(run(starting, update(30)));
    EXPECT_EQ(30, client.worldMs);
    EXPECT_FALSE(run(starting, key(false))) << "the key that chose to play";
    EXPECT_FALSE(run(starting, key(true)));
    EXPECT_FALSE(run(starting, EVT::Event_Key(EVT::EVENT_KEY, 'y', false, 0))) << "another key";
    EXPECT_TRUE(client.calls.empty());
    EXPECT_TRUE(run(starting, key(false)));
    EXPECT_EQ(std::vector<std::string>{"startGame"}, client.calls);
}

TEST(ST_StartingFunctor, ANewStoryPageForgetsTheKeptEventsAndPresses)
{
    RecordingClient client;
    KWEP::ST_StartingFunctor::pageShown();
    KWEP::ST_StartingFunctor starting(&client);
    EXPECT_FALSE(run(starting, mouse(0, 0)));
    EXPECT_FALSE(run(starting, key(true)));
    KWEP::ST_StartingFunctor::pageShown();
    EXPECT_FALSE(run(starting, key(false))) << "pressed on the page before";
    EXPECT_FALSE(run(starting, mouse(150, 150))) << "kept afresh, not compared";
    EXPECT_TRUE(run(starting, mouse(150, 200)));
}

TEST(ST_EndingFunctor, GuardThenKeyPressAsksForTheMenus)
{
    RecordingClient client;
    MenusCounter menus;
    KWEP::ST_EndingFunctor::pageShown();
    KWEP::ST_EndingFunctor ending(&client);
    EXPECT_FALSE(run(ending, update(1000)));
    EXPECT_FALSE(run(ending, update(1000)));
    EXPECT_FALSE(run(ending, key(true)));
    EXPECT_FALSE(run(ending, EVT::Event(EVT::EVENT_MENUS)));
    EXPECT_EQ(0, menus.count);
    EXPECT_EQ(2, client.worldUpdates);
    EXPECT_TRUE(client.calls.empty());

    EXPECT_FALSE(run(ending, update(1)));
    EXPECT_FALSE(run(ending, key(false)));
    EXPECT_EQ(0, menus.count) << "a release does not leave";
    EXPECT_FALSE(run(ending, key(true)));
    EXPECT_EQ(1, menus.count);
    EXPECT_TRUE(run(ending, EVT::Event(EVT::EVENT_MENUS)));
    EXPECT_EQ(std::vector<std::string>{"endGame"}, client.calls);
}

TEST(ST_EndingFunctor, ATremblingPointerStaysAndADeliberateMoveLeaves)
{
    RecordingClient client;
    MenusCounter menus;
    KWEP::ST_EndingFunctor::pageShown();
    KWEP::ST_EndingFunctor ending(&client);
    run(ending, update(2001));
    EXPECT_FALSE(run(ending, mouse(100, 100)));
    for (int step = 0; step < 40; ++step)
        run(ending, mouse(100 + (step % 5) * 4 - 8, 100 + (step % 3) * 6 - 6));
    EXPECT_FALSE(run(ending, mouse(148, 100)));
    EXPECT_EQ(0, menus.count) << "a tenth of a 480-pixel window stays";
    EXPECT_FALSE(run(ending, mouse(100, 149)));
    EXPECT_EQ(1, menus.count);
}

TEST(ST_EndingFunctor, EveryEndPageStartsItsOwnGuardAndReferences)
{
    RecordingClient client;
    MenusCounter menus;
    KWEP::ST_EndingFunctor::pageShown();
    KWEP::ST_EndingFunctor ending(&client);
    run(ending, update(2500));
    run(ending, mouse(0, 0));
    KWEP::ST_EndingFunctor::pageShown();
    EXPECT_EQ(0, KWEP::ST_EndingFunctor::m_totalTime);
    EXPECT_FALSE(run(ending, key(true)));
    run(ending, update(2500));
    EXPECT_FALSE(run(ending, mouse(150, 150)));
    EXPECT_EQ(0, menus.count) << "the old page's reference is gone";
}

// The pointer's place when the page opened is the reference: one deliberate
// move leaves at once, and a tremor round that place never does.
TEST(KeptInput, ThePointerWhereThePageOpenedIsTheFirstReference)
{
    KWEP::KeptInput kept;
    KWEP::KeptInput::Place opened;
    opened.known = true;
    opened.x = 100;
    opened.y = 100;
    const long tenth = 48 * 48;
    kept.follow(1, opened);
    EXPECT_FALSE(kept.mouseTravelled(mouse(108, 94), tenth));
    EXPECT_FALSE(kept.mouseMoved(mouse(92, 104), tenth));
    EXPECT_TRUE(kept.mouseTravelled(mouse(100, 149), tenth));
    EXPECT_TRUE(kept.mouseMoved(mouse(100, 100, 1, true), tenth)) << "a click";
    kept.follow(2, KWEP::KeptInput::Place());
    EXPECT_FALSE(kept.mouseTravelled(mouse(300, 300), tenth)) << "without a known place the first event is kept";
    EXPECT_TRUE(kept.mouseTravelled(mouse(300, 349), tenth));
}
