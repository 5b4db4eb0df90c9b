// One-switch play with the space bar held from before the carrot comes under
// the hidden pointer: the switch's repeated grab takes it when it comes, on
// this pass of the swing or the next, and the swing goes on under its bar;
// a switch held again after the throw, with nothing to take, takes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "RunFolder.h"
#include "WholeRun.h"
#include "core/Event.h"
#include "input/Keyboard.h"

namespace {

using namespace PlayThrough::Acts;
using PlayThrough::Vec;
using PlayThrough::WholeRun;

const unsigned char SPACE = Devices::Keyboard::KEY_SPACE;
// The swing's second pass ends before 6 s of play: 20 s of frames is ample.
const int FRAME_LIMIT = 1250;
const std::string GAME_ONESWITCH = "data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg";
const int STORY_FRAMES = 30;
// The profile grabs again every 0.4 s while the switch is down: 25 frames.
const int REPEAT_FRAMES = 25;
// The switch held again after the throw, with nothing under the pointer,
// long enough for three more grabs and short of the level's end.
const int EMPTY_HOLD_DELAY = 10;
const int EMPTY_HOLD_FRAMES = 80;

// The swing's beam and seat, in the plane of play.
bool swingPlaces(Vec& beam, Vec& seat)
{
    Game::I_Game* game = Game::I_Game::instance();
    KWEP::World* world = game ? dynamic_cast<KWEP::World*>(game->getWorld()) : nullptr;
    std::vector<unsigned long> ids;
    if (!world || world->getItems("CMWI", ids) < 1)
        return false;
    auto* item = dynamic_cast<Physics::ChipmunkWorldItem*>(world->findItem(ids[0]));
    Physics::ChipmunkItem* swing = item ? item->getChipmunkItem() : nullptr;
    std::vector<MathStuff::Orientation<float> > bodies;
    if (swing)
        swing->getPositions(bodies);
    const int b = swing ? swing->getBodyIndex("BEAM") : -1;
    const int s = swing ? swing->getBodyIndex("SEAT") : -1;
    if (b < 0 || s < 0 || b >= static_cast<int>(bodies.size()) || s >= static_cast<int>(bodies.size()))
        return false;
    beam = bodies[b].position;
    seat = bodies[s].position;
    return true;
}

// Whether the held carrot has swung under the hand towards the snowman: the
// moment to let go. The hidden pointer rests in the middle of the view, which
// the play camera holds CAMERA_XYZ from the hand.
bool swungUnderTheHand()
{
    Vec hand, carrot;
    if (!WholeRun::placeOf("PLAYER", hand) || !WholeRun::placeOf("VEG", carrot))
        return false;
    const Vec camera = MathStuff::PointsString(0.0f, false).stringToPoint(CFG::get("CAMERA_XYZ"));
    return carrot.x >= hand.x + camera.x && carrot.y < hand.y + camera.y;
}

// What the held switch did in level 0, in frames of the run.
struct Held {
    int pressed = -1;
    int taken = -1;
    int thrown = -1;
    float highestSeat = -1e9f;    // the seat's height over its beam after the take
    bool seatPassedUnder = false; // the seat swung under its beam after the take
};

// Presses at `pressFrame` of level 0 and holds until the carrot is taken and
// has swung under the hand; a moment later, while the thrown carrot flies, holds the
// switch again for EMPTY_HOLD_FRAMES.
WholeRun::Act holdFrom(int pressFrame, std::shared_ptr<Held> held)
{
    return [pressFrame, held](WholeRun& run, int) {
        const int now = run.frame();
        if (held->pressed < 0 && run.levelFrame() == pressFrame) {
            run.key(SPACE, true);
            held->pressed = now;
        }
        if (held->taken < 0 && !run.heardOf(EVT::EVENT_ITEM_GRABBED).empty())
            held->taken = now;
        Vec beam, seat;
        if (held->taken >= 0 && swingPlaces(beam, seat)) {
            held->highestSeat = std::max(held->highestSeat, seat.y - beam.y);
            held->seatPassedUnder = held->seatPassedUnder || seat.x < beam.x;
        }
        if (held->taken >= 0 && held->thrown < 0 && swungUnderTheHand()) {
            run.key(SPACE, false);
            held->thrown = now;
        }
        const int emptyFrom = held->thrown + EMPTY_HOLD_DELAY;
        if (held->thrown >= 0 && now == emptyFrom)
            run.key(SPACE, true);
        if (held->thrown >= 0 && now == emptyFrom + EMPTY_HOLD_FRAMES)
            run.key(SPACE, false);
        return held->thrown >= 0 && now > emptyFrom + EMPTY_HOLD_FRAMES;
    };
}

// The level frame of the press: a fifth of a second before the leaves first
// come under the pointer (at 1.5 s of the level), and after they have left
// it again (at 2.1 s), to be held through the swing's next pass.
class OneSwitchHold : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(OneSwitchHold, APressMadeEarlyAndHeldTakesTheCarrotWhenItComesAndAHeldPressTakesNothingElse)
{
    RunFolder folder("playthrough_oneswitch_hold");
    ASSERT_TRUE(folder.ok());
    auto held = std::make_shared<Held>();
    WholeRun run({{KWEP::ClientFSM::STATE_MENUS, taps({Devices::Keyboard::KEY_RETURN})},
                  {KWEP::ClientFSM::STATE_STARTING, then({wait(STORY_FRAMES), tap(SPACE)})},
                  {KWEP::ClientFSM::STATE_RUNNING, then({holdFrom(GetParam(), held), quit()})}},
                 FRAME_LIMIT);
    run.drawEvery = 4;
    EXPECT_EQ(run.run({"--game-input", GAME_ONESWITCH}), 0);
    EXPECT_FALSE(run.reachedLimit()) << run.describe();
    ASSERT_TRUE(run.finishedSteps()) << run.describe();
    // The press itself took nothing: one of its repeats did.
    EXPECT_GE(held->taken, held->pressed + REPEAT_FRAMES) << run.describe();
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_GRABBED).size(), 1u) << run.describe();
    EXPECT_EQ(run.heardOf(EVT::EVENT_ITEM_RELEASED).size(), 1u) << run.describe();
    // Held with nothing to take, the switch went on grabbing.
    EXPECT_GE(run.heardOf(EVT::EVENT_GRAB).size(),
              static_cast<std::size_t>(2 + EMPTY_HOLD_FRAMES / REPEAT_FRAMES)) << run.describe();
    EXPECT_LT(held->highestSeat, -50.0f) << "the seat hangs well below its beam";
    EXPECT_TRUE(held->seatPassedUnder) << "the seat swings on after the take";
    EXPECT_GT(run.score(), 0) << "the thrown carrot hits the snowman";
}

INSTANTIATE_TEST_SUITE_P(PressFrames, OneSwitchHold, ::testing::Values(80, 150));
