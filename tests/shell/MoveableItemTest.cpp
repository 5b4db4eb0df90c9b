#include <gtest/gtest.h>

#include "ExpectVector.h"
#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Move.h"
#include "core/Event_Update.h"
#include "shell/CameraItem.h"
#include "shell/I_Config.h"
#include "shell/MoveableItem.h"
#include "shell/OptionKey.h"

namespace {

using TestSupport::expectVec;

typedef MathStuff::Vector3<float> Vec;

void move(const Game::WorldItem& item, int kind, float value = 0.0f)
{
    EVT::Event_Move event(EVT::EVENT_MOVE, item.getID(), kind, value);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

void update(int ms)
{
    EVT::Event_Update event(EVT::EVENT_UPDATE, ms);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// A game whose option keys give every speed distinct normal and fast values.
class MoveableItemTest : public ::testing::Test {
protected:
    MoveableItemTest()
    {
        Game::I_Config* config = game.getConfig();
        float* direction = config->getFloatPtr(Game::OPTION_DIRECTION_SPEED);
        direction[1] = 1.0f;
        direction[2] = 10.0f;
        const int keys[] = {Game::OPTION_ROLL_SPEED, Game::OPTION_SIDE_SPEED, Game::OPTION_UP_SPEED,
                            Game::OPTION_YAW_SPEED, Game::OPTION_PITCH_SPEED};
        for (int key : keys) {
            config->getFloatPtr(key)[0] = 4.5f;
            config->getFloatPtr(key)[1] = 9.0f;
        }
    }

    TestSupport::TestGame game;
};

} // namespace

TEST_F(MoveableItemTest, MoveKindsSetAndClearTheirMotionBits)
{
    struct Case {
        int setKind;
        int bit;
    };
    const Case cases[] = {{2, 0x10}, {4, 0x20},   {6, 0x1},    {8, 0x2},    {10, 0x4},   {12, 0x8},
                          {14, 0x40}, {16, 0x80}, {18, 0x100}, {20, 0x200}, {22, 0x400}, {24, 0x800}};
    Game::MoveableItem item(nullptr);
    for (const Case& c : cases) {
        move(item, c.setKind);
        EXPECT_EQ(item.getMotionFlags(), c.bit) << "kind " << c.setKind;
        move(item, c.setKind + 1);
        EXPECT_EQ(item.getMotionFlags(), 0) << "kind " << c.setKind + 1;
    }
    // Out-of-range kinds and events for other items change nothing.
    move(item, -1, 5.0f);
    move(item, 29, 5.0f);
    EVT::Event_Move other(EVT::EVENT_MOVE, item.getID() + 1000, 28, 5.0f);
    EVT::EventBus::instance()->raiseEvent(&other, false);
    EXPECT_EQ(item.getMotionFlags(), 0);
    expectVec(item.getOrientation().position, 0, 0, 0);
    expectVec(item.getOrientation().direction, 0, 0, -1);
}

TEST_F(MoveableItemTest, OneShotTurnTiltAndStep)
{
    Game::MoveableItem item(nullptr);
    move(item, 28, 5.0f);
    expectVec(item.getOrientation().position, 0, 0, -5);
    move(item, 26, 90.0f);
    expectVec(item.getOrientation().direction, 1, 0, 0);
    move(item, 26, -180.0f);
    expectVec(item.getOrientation().direction, -1, 0, 0);
    expectVec(item.getOrientation().up, 0, 1, 0);
    // Facing -x, side is up x direction = (0, 0, 1); a tilt of 90 turns both
    // vectors by -90 degrees about it.
    move(item, 27, 90.0f);
    expectVec(item.getOrientation().up, 1, 0, 0);
    expectVec(item.getOrientation().direction, 0, 1, 0);
}

TEST_F(MoveableItemTest, UpdatesIntegrateSwitchedOnMotionsPerMillisecond)
{
    Game::MoveableItem item(nullptr);
    move(item, 2); // forward at 1 unit per ms
    update(10);
    expectVec(item.getOrientation().position, 0, 0, -10);
    move(item, 4); // and back: the pair cancels
    update(10);
    expectVec(item.getOrientation().position, 0, 0, -10);
    move(item, 3);
    move(item, 5);

    move(item, 10); // side (up x direction = (-1, 0, 0)) at 4.5 per ms
    update(2);
    expectVec(item.getOrientation().position, -9, 0, -10);
    move(item, 11);

    move(item, 18); // yaw +4.5 degrees per ms: 20 ms turn 90 degrees about up
    update(10);
    update(10);
    move(item, 19);
    expectVec(item.getOrientation().direction, -1, 0, 0);
    update(10);
    expectVec(item.getOrientation().direction, -1, 0, 0);
}

TEST_F(MoveableItemTest, EachMotionBitMovesOrTurnsTheWayItsSignSays)
{
    // One update of 10 ms from the start orientation: moves of 10 units along
    // the direction, 45 along up and side (up x direction = (-1, 0, 0)), turns
    // of 45 degrees.
    const float h = 0.70710678f;
    struct Case {
        int kind;
        Vec position, direction, up;
    };
    const Case cases[] = {
        {2, Vec(0, 0, -10), Vec(0, 0, -1), Vec(0, 1, 0)},
        {4, Vec(0, 0, 10), Vec(0, 0, -1), Vec(0, 1, 0)},
        {6, Vec(0, 45, 0), Vec(0, 0, -1), Vec(0, 1, 0)},
        {8, Vec(0, -45, 0), Vec(0, 0, -1), Vec(0, 1, 0)},
        {10, Vec(-45, 0, 0), Vec(0, 0, -1), Vec(0, 1, 0)},
        {12, Vec(45, 0, 0), Vec(0, 0, -1), Vec(0, 1, 0)},
        {14, Vec(0, 0, 0), Vec(0, 0, -1), Vec(-h, h, 0)},  // roll -45 about the direction
        {16, Vec(0, 0, 0), Vec(0, 0, -1), Vec(h, h, 0)},   // roll +45
        {18, Vec(0, 0, 0), Vec(-h, 0, -h), Vec(0, 1, 0)},  // yaw +45 about up
        {20, Vec(0, 0, 0), Vec(h, 0, -h), Vec(0, 1, 0)},   // yaw -45
        {22, Vec(0, 0, 0), Vec(0, h, -h), Vec(0, h, h)},   // pitch -45 about the side
        {24, Vec(0, 0, 0), Vec(0, -h, -h), Vec(0, h, -h)}, // pitch +45
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Game::MoveableItem item(nullptr);
        move(item, c.kind);
        update(10);
        expectVec(item.getOrientation().position, c.position.x, c.position.y, c.position.z);
        expectVec(item.getOrientation().direction, c.direction.x, c.direction.y, c.direction.z);
        expectVec(item.getOrientation().up, c.up.x, c.up.y, c.up.z);
    }
}

TEST_F(MoveableItemTest, FastModeSwitchesToTheOtherSpeedAndSaysSo)
{
    Game::MoveableItem item(nullptr);
    testing::internal::CaptureStdout();
    move(item, 0);
    move(item, 2);
    update(1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "FAST START\n");
    expectVec(item.getOrientation().position, 0, 0, -10);
    testing::internal::CaptureStdout();
    move(item, 1);
    update(1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "FAST STOP\n");
    expectVec(item.getOrientation().position, 0, 0, -11);
}

TEST_F(MoveableItemTest, CameraMotionMovesItsOwnOrientationNotItsView)
{
    Game::CameraItem camera;
    MathStuff::Orientation<float> start;
    start.position = Vec(1, 2, 3);
    camera.setOrientation(start);
    move(camera, 2);
    move(camera, 18);
    update(10);
    expectVec(camera.getCameraOrientation().position, 1, 2, -7);
    // Without a tracked item the view stays where setOrientation put it.
    expectVec(camera.getOrientation().position, 1, 2, 3);
    expectVec(camera.getOrientation().direction, 0, 0, -1);
}
