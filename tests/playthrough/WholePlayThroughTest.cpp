// Whole games through the program entry on a hidden window, one kind of player
// per test (each test runs in a process of its own, as the game keeps tuning
// values for the rest of a run): from the splash through the menus and the
// story to a thrown carrot and back out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunFolder.h"
#include "WholeRun.h"
#include "input/Keyboard.h"

namespace {

using PlayThrough::Heard;
using PlayThrough::Vec;
using PlayThrough::WholeRun;
using namespace PlayThrough::Acts;
typedef KWEP::ClientFSM States;

const int FRAME_LIMIT = 3000;
const unsigned char SPACE = Devices::Keyboard::KEY_SPACE;
const unsigned char DOWN = Devices::Keyboard::KEY_DOWN;
const unsigned char RETURN = Devices::Keyboard::KEY_RETURN;
const unsigned char ESC = Devices::Keyboard::KEY_ESC;
// The end page takes no input for its first two seconds.
const int END_PAGE_FRAMES = 140;
// Holding the one switch in the menus moves down after 0.75 s and again a
// second later: two items in 2 s.
const int TWO_ITEMS_DOWN = 125;
// Resting on a head tracker's down area moves down after 0.75 s and again 1.5 s
// later: two items in 2.4 s.
const int TWO_DWELLS_DOWN = 150;

const std::string MENU_ONESWITCH = "data/Config/Input/KWEP_MENU_INPUT_ONESWITCH.cfg";
const std::string GAME_ONESWITCH = "data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg";
const std::string GAME_SWITCHPOINTER = "data/Config/Input/KWEP_GAME_INPUT_SWITCHPOINTER.cfg";
const std::string MENU_HEADTRACKER = "data/Config/Input/KWEP_MENU_INPUT_HEADTRACKER.cfg";
const std::string GAME_HEADTRACKER = "data/Config/Input/KWEP_GAME_INPUT_HEADTRACKER.cfg";

// The story page stays until the player presses and lets go on it: the
// release of what chose to play does not leave it, nor does a press alone.
const int STORY_FRAMES = 30;
const int STORY_PRESS_FRAMES = 10;

// One-switch play at the run's 16 ms frames: the space bar goes down as the
// swing brings the tips of the carrot's leaves to the middle of the play view
// and comes up as the carrot swings up towards the snowman (the grab and the
// release act after the frame's update: at 1.79 s and 2.85 s of the level).
const int ONE_SWITCH_DOWN_FRAME = 111;
const int ONE_SWITCH_UP_FRAME = 177;

bool heard(const WholeRun& run, int id) { return !run.heardOf(id).empty(); }

// The first time the event was heard, in frames; -1 when never.
int firstFrameOf(const WholeRun& run, int id)
{
    const std::vector<Heard> some = run.heardOf(id);
    return some.empty() ? -1 : some.front().frame;
}

// Whether the states were visited in this order (others may come between).
bool visitedInOrder(const WholeRun& run, const std::vector<unsigned long>& states)
{
    std::size_t next = 0;
    for (unsigned long state : run.visited)
        if (next < states.size() && state == states[next])
            ++next;
    return next == states.size();
}

// Waits in play until the event has been heard.
WholeRun::Act until(int id)
{
    return [id](WholeRun& run, int) { return heard(run, id); };
}

// A pointer throw as a mouse or head tracker makes it: the pointer rests on
// the carrot, `grab` takes it (a head tracker's dwell takes it by itself),
// and once it is held the pointer moves up and towards the snowman for a fifth
// of a second and `release` lets go.
WholeRun::Act pointerThrow(std::function<void(WholeRun&)> grab, std::function<void(WholeRun&)> release)
{
    struct Throw {
        std::pair<float, float> at;
        int moved = -1; // frames moved since the grab
    };
    auto state = std::make_shared<Throw>();
    return [=](WholeRun& run, int frame) {
        const int start = 60; // the carrot has come to rest
        if (frame < start)
            return false;
        Throw& t = *state;
        if (frame == start) {
            Vec carrot;
            WholeRun::placeOf("VEG", carrot);
            t.at = run.pixelOf(carrot);
        } else if (frame == start + 1) {
            grab(run);
            return false;
        } else if (t.moved < 0 && !heard(run, EVT::EVENT_ITEM_GRABBED)) {
            return false;
        } else if (++t.moved < 13) {
            // 800 units a second to the right and 200 up.
            const float step = 0.016f / run.unitsPerPixel();
            t.at.first += 800.0f * step;
            t.at.second -= 200.0f * step;
        } else {
            release(run);
            return true;
        }
        run.pointer(static_cast<int>(std::lround(t.at.first)), static_cast<int>(std::lround(t.at.second)));
        return false;
    };
}

// The one switch in the main menu: two items down to "leave", then select.
WholeRun::Act oneSwitchLeave() { return then({wait(4), hold(SPACE, TWO_ITEMS_DOWN), wait(4), tap(SPACE)}); }

// A head tracker in a menu: rest on the down area for two items, then on the
// select area.
WholeRun::Act headTrackerTwoDownAndSelect()
{
    return [](WholeRun& run, int frame) {
        if (frame == 0)
            run.pointerPercent(50, 50); // in no area
        if (frame == 4)
            run.pointerPercent(90, 85); // BottomRight: down
        if (frame == 4 + TWO_DWELLS_DOWN)
            run.pointerPercent(90, 50); // MiddleRight: select
        return frame >= 4 + TWO_DWELLS_DOWN;
    };
}

} // namespace

TEST(PlayThrough, IdleLosesLevelZeroWhenTheRockLandsAndLeaves)
{
    RunFolder folder("playthrough_idle");
    ASSERT_TRUE(folder.ok());
    WholeRun run({{States::STATE_MENUS, taps({RETURN})}, // play
                  {States::STATE_STARTING, then({wait(STORY_FRAMES), tap(SPACE)})},
                  {States::STATE_ENDING, then({wait(END_PAGE_FRAMES), tap('a')})},
                  {States::STATE_MENUS, taps({DOWN, DOWN, RETURN})}},
                 FRAME_LIMIT);
    run.drawEvery = 4; // a long wait for the rock
    EXPECT_EQ(run.run({}), 0);
    EXPECT_FALSE(run.reachedLimit()) << run.describe();
    const std::vector<Heard> over = run.heardOf(EVT::EVENT_GAME_OVER);
    ASSERT_EQ(over.size(), 1u);
    EXPECT_EQ(over[0].text, "LOST_GAME");
    const int levelBegan = firstFrameOf(run, EVT::EVENT_SNOWMAN_MADE);
    EXPECT_LE((over[0].frame - levelBegan) * 16, 30000) << "the game is lost within 30 s of play";
    EXPECT_EQ(run.score(), 0);
    EXPECT_FALSE(heard(run, EVT::EVENT_SNOWMAN_DOWN));
    EXPECT_TRUE(visitedInOrder(run, {States::STATE_MENUS, States::STATE_STARTING, States::STATE_RUNNING,
                                     States::STATE_ENDING, States::STATE_MENUS}));
    EXPECT_GT(run.framesIn[States::STATE_STARTING], STORY_FRAMES) << "the story page stays until a key stroke on it";
}

TEST(PlayThrough, KeysInTheMenusAndTheMouseInPlayClearLevelZero)
{
    RunFolder folder("playthrough_keys");
    ASSERT_TRUE(folder.ok());
    // A click on the story page leaves it: the left button pressed, then let go.
    const auto left = [](bool pressed) -> WholeRun::Act {
        return [pressed](WholeRun& run, int) {
            run.button(1, pressed);
            return true;
        };
    };
    WholeRun run({{States::STATE_MENUS, taps({RETURN})},
                  {States::STATE_STARTING, then({wait(4), left(true), left(false)})},
                  {States::STATE_RUNNING, then({pointerThrow([](WholeRun& r) { r.button(1, true); },
                                                          [](WholeRun& r) { r.button(1, false); }),
                                             until(EVT::EVENT_NEXT_LEVEL)})},
                  {States::STATE_RUNNING, taps({ESC})},
                  {States::STATE_PAUSED, taps({DOWN, DOWN, RETURN})}, // end this game
                  {States::STATE_MENUS, taps({DOWN, DOWN, RETURN})}},  // leave
                 FRAME_LIMIT);
    EXPECT_EQ(run.run({}), 0);
    EXPECT_FALSE(run.reachedLimit()) << run.describe();
    EXPECT_TRUE(heard(run, EVT::EVENT_ITEM_GRABBED));
    ASSERT_TRUE(heard(run, EVT::EVENT_SCORE));
    EXPECT_GT(run.heardOf(EVT::EVENT_SCORE).front().points, 0);
    EXPECT_LT(firstFrameOf(run, EVT::EVENT_SCORE), firstFrameOf(run, EVT::EVENT_SNOWMAN_DOWN));
    EXPECT_EQ(run.heardOf(EVT::EVENT_NEXT_LEVEL).size(), 1u);
    EXPECT_EQ(run.heardOf(EVT::EVENT_SNOWMAN_MADE).size(), 2u) << "level 1 begins";
    EXPECT_FALSE(heard(run, EVT::EVENT_GAME_OVER));
    EXPECT_TRUE(visitedInOrder(run, {States::STATE_RUNNING, States::STATE_PAUSED, States::STATE_MENUS}));
}

TEST(PlayThrough, OneSwitchPlaysAWholeGameWithTheSpaceBarAlone)
{
    RunFolder folder("playthrough_oneswitch");
    ASSERT_TRUE(folder.ok());
    folder.write("KWEP_HIGHSCORE.cfg", "HIGH_SCORE == 1\n");
    const WholeRun::Act swing = [](WholeRun& run, int) {
        if (run.levelFrame() == ONE_SWITCH_DOWN_FRAME)
            run.key(SPACE, true);
        if (run.levelFrame() == ONE_SWITCH_UP_FRAME)
            run.key(SPACE, false);
        return run.levelFrame() >= ONE_SWITCH_UP_FRAME;
    };
    WholeRun run({{States::STATE_MENUS, then({wait(4), tap(SPACE)})},               // a short press selects play
                  {States::STATE_STARTING, then({wait(STORY_FRAMES), hold(SPACE, STORY_PRESS_FRAMES)})}, // past the story
                  {States::STATE_RUNNING, swing},
                  {States::STATE_ENDING, then({wait(END_PAGE_FRAMES), tap(SPACE)})},
                  {States::STATE_MENUS, oneSwitchLeave()}},
                 FRAME_LIMIT);
    // A won level 0 plays on through level 1 until its rock lands: drawing
    // every fourth frame keeps the long run quick.
    run.drawEvery = 4;
    EXPECT_EQ(run.run({"--menu-input", MENU_ONESWITCH, "--game-input", GAME_ONESWITCH}), 0);
    EXPECT_FALSE(run.reachedLimit()) << run.describe();
    EXPECT_TRUE(run.finishedSteps());
    EXPECT_TRUE(visitedInOrder(run, {States::STATE_MENUS, States::STATE_STARTING, States::STATE_RUNNING, States::STATE_ENDING,
                                     States::STATE_MENUS}));
    EXPECT_GT(run.framesIn[States::STATE_STARTING], STORY_FRAMES + STORY_PRESS_FRAMES)
        << "the story page stays until the switch is pressed and let go on it";
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_GRABBED).size(), 1u) << run.describe();
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_RELEASED).size(), 1u);
    EXPECT_GT(run.score(), 0);
    EXPECT_TRUE(heard(run, EVT::EVENT_GAME_OVER));
    const std::string options = folder.read("KWEP_OPTIONS.cfg");
    EXPECT_NE(options.find(MENU_ONESWITCH), std::string::npos) << options;
    EXPECT_NE(options.find(GAME_ONESWITCH), std::string::npos) << options;
    EXPECT_EQ(folder.read("KWEP_HIGHSCORE.cfg"), "HIGH_SCORE == " + std::to_string(run.score()) + "\n");
}

TEST(PlayThrough, SwitchPointerGrabsWithTheSpaceBarWhereTheHeadTrackerPoints)
{
    RunFolder folder("playthrough_switchpointer");
    ASSERT_TRUE(folder.ok());
    WholeRun run({{States::STATE_MENUS, then({wait(4), tap(SPACE)})},
                  {States::STATE_STARTING, then({wait(4), tap(SPACE)})},
                  {States::STATE_RUNNING, then({pointerThrow([](WholeRun& r) { r.key(SPACE, true); },
                                                          [](WholeRun& r) { r.key(SPACE, false); }),
                                             until(EVT::EVENT_SCORE)})},
                  {States::STATE_ENDING, then({wait(END_PAGE_FRAMES), tap(SPACE)})},
                  {States::STATE_MENUS, oneSwitchLeave()}},
                 FRAME_LIMIT);
    // A won level 0 plays on through level 1 until its rock lands: drawing
    // every fourth frame keeps the long run quick.
    run.drawEvery = 4;
    EXPECT_EQ(run.run({"--menu-input", MENU_ONESWITCH, "--game-input", GAME_SWITCHPOINTER}), 0);
    EXPECT_FALSE(run.reachedLimit()) << run.describe();
    EXPECT_TRUE(run.finishedSteps());
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_GRABBED).size(), 1u) << run.describe();
    EXPECT_GT(run.score(), 0);
    EXPECT_LT(firstFrameOf(run, EVT::EVENT_ITEM_RELEASED), firstFrameOf(run, EVT::EVENT_SCORE));
}

TEST(PlayThrough, PointerAloneDwellsMovesAndEntersAreas)
{
    RunFolder folder("playthrough_pointer");
    ASSERT_TRUE(folder.ok());
    const WholeRun::Act dwellOnPlay = [](WholeRun& run, int frame) {
        if (frame == 4)
            run.pointerPercent(90, 50); // MiddleRight: select
        return frame >= 4;
    };
    const WholeRun::Act leaveStory = [](WholeRun& run, int frame) {
        if (frame >= 4)
            run.pointerPercent(50, frame == 4 ? 40 : 60); // a deliberate move
        return frame >= 5;
    };
    // Resting on the carrot grabs it; entering the bottom right corner lets go.
    const WholeRun::Act throwIt = pointerThrow([](WholeRun&) {}, [](WholeRun& r) { r.pointerPercent(85, 85); });
    const WholeRun::Act pauseAfterHit = [](WholeRun& run, int) {
        if (!heard(run, EVT::EVENT_SCORE))
            return false;
        run.pointerPercent(50, 85); // PAUSEAREA
        return true;
    };
    WholeRun run({{States::STATE_MENUS, dwellOnPlay},
                  {States::STATE_STARTING, leaveStory},
                  {States::STATE_RUNNING, then({throwIt, pauseAfterHit})},
                  {States::STATE_PAUSED, headTrackerTwoDownAndSelect()}, // end this game
                  {States::STATE_MENUS, headTrackerTwoDownAndSelect()}}, // leave
                 FRAME_LIMIT);
    EXPECT_EQ(run.run({"--menu-input", MENU_HEADTRACKER, "--game-input", GAME_HEADTRACKER}), 0);
    EXPECT_FALSE(run.reachedLimit()) << run.describe();
    EXPECT_TRUE(run.finishedSteps());
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_GRABBED).size(), 1u) << run.describe();
    EXPECT_TRUE(heard(run, EVT::EVENT_ITEM_RELEASED));
    EXPECT_GT(run.score(), 0);
    EXPECT_TRUE(visitedInOrder(run, {States::STATE_MENUS, States::STATE_STARTING, States::STATE_RUNNING, States::STATE_PAUSED,
                                     States::STATE_MENUS}));
}
