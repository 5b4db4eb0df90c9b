// A joypad alone through the standard menus and one-switch play: button 1
// raised on the event bus on every frame, as the frame loop's joystick poll
// raises the pad's state.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RunFolder.h"
#include "WholeRun.h"
#include "core/Event.h"
#include "core/Event_Joypad.h"

namespace {

using PlayThrough::WholeRun;
using namespace PlayThrough::Acts;
typedef KWEP::ClientFSM States;

const int FRAME_LIMIT = 2000;
const std::string GAME_ONESWITCH = "data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg";

// The run's 16 ms frames of one-switch play: down as the swing brings the
// carrot's leaves under the hidden pointer, up as the carrot swings towards
// the snowman.
const int BUTTON_DOWN_FRAME = 111;
const int BUTTON_UP_FRAME = 177;

// The pad's state, raised on every frame from the first on.
struct Pad {
    bool button = false;
    void poll() const
    {
        EVT::Event_Joypad event(EVT::EVENT_JOYPAD, 0, 0, 0, button, false, false, false);
        EVT::EventBus::instance()->raiseEvent(&event, false);
    }
};

// Button 1 pressed for a few frames, then let go.
WholeRun::Act press(std::shared_ptr<Pad> pad)
{
    return [pad](WholeRun&, int frame) {
        pad->button = frame >= 4 && frame < 10;
        pad->poll();
        return frame >= 14;
    };
}

} // namespace

TEST(JoypadPlay, ButtonOneChoosesPlayLeavesTheStoryAndTakesAndThrowsTheCarrot)
{
    RunFolder folder("playthrough_joypad");
    ASSERT_TRUE(folder.ok());
    auto pad = std::make_shared<Pad>();
    const WholeRun::Act swing = [pad](WholeRun& run, int) {
        pad->button = run.levelFrame() >= BUTTON_DOWN_FRAME && run.levelFrame() < BUTTON_UP_FRAME;
        pad->poll();
        return run.levelFrame() > BUTTON_UP_FRAME + 4;
    };
    WholeRun run({{States::STATE_MENUS, press(pad)},
                  {States::STATE_STARTING, press(pad)},
                  {States::STATE_RUNNING, then({swing, quit()})}},
                 FRAME_LIMIT);
    EXPECT_EQ(run.run({"--game-input", GAME_ONESWITCH}), 0);
    EXPECT_FALSE(run.reachedLimit()) << run.describe();
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_GRABBED).size(), 1u) << run.describe();
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_RELEASED).size(), 1u) << run.describe();
}
