#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayFixture.h"
#include "RecordingGL.h"
#include "world/CarrotCamera.h"
#include "world/ExploPiece.h"
#include "world/Meteor.h"
#include "world/Player.h"
#include "world/SnowBall.h"
#include "world/Snowman.h"

namespace {

using namespace PlayTests;

typedef PlayFixture Snowman;
typedef PlayFixture Rock;
typedef PlayFixture Fragments;

const std::vector<Heard> THROWN = {plain(EVT::EVENT_ROCK_THROWN), sound("THROW_ROCK")};
const std::vector<Heard> FELL = {plain(EVT::EVENT_SNOWMAN_FELL), sound("SNOWMAN_FALL")};

TEST_F(Snowman, ThrowDelayShortensByLevelDownToTheMinimum)
{
    // MAX 10000, DEC 1500, MIN 4000.
    const int expected[][2] = {{0, 10000}, {1, 8500}, {4, 4000}, {5, 4000}, {100000000, 4000}};
    for (const auto& level : expected) {
        KWEP::GameStuff::setLevelCount(level[0]);
        KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
        ASSERT_NE(snowman, nullptr);
        EXPECT_EQ(snowman->getThrowTimer(), level[1]) << level[0];
        delete snowman;
    }
}

TEST_F(Snowman, ThrowsOnceWhenTheTimerReachesZero)
{
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_ONEPART", 100, 0);
    snowman->update(6000);
    EXPECT_EQ(snowman->getThrowTimer(), 4000);
    EXPECT_TRUE(log.take().empty());
    snowman->update(4000);
    EXPECT_EQ(snowman->getThrowTimer(), 0);
    EXPECT_EQ(log.take(), THROWN);
    EXPECT_NE(only("ROCK"), nullptr);
    snowman->update(4000);
    EXPECT_EQ(snowman->getThrowTimer(), 0);
    EXPECT_TRUE(log.take().empty());
    EXPECT_EQ(count("ROCK"), 1);
}

TEST_F(Snowman, FallBeforeTheThrowShowsOneBonusThenClearsTheLevel)
{
    // 1234 ms left at the fall, level 2, one carrot: 123 x 3 x 2.
    KWEP::GameStuff::setLevelCount(2);
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    ASSERT_NE(add("P_CARROT", -100, 10), nullptr);
    snowman->update(7000 - 1234);
    ASSERT_EQ(snowman->getThrowTimer(), 1234);
    snowman->getChipmunkItem()->addCollision(1);
    snowman->update(16);
    EXPECT_EQ(log.take(), FELL);
    snowman->getChipmunkItem()->addCollision(1);
    snowman->update(1500); // bonus timer 3000 - 1500 - 1500 = 0: not yet
    EXPECT_TRUE(log.take().empty());
    EXPECT_EQ(snowman->getThrowTimer(), 1234); // the countdown stopped
    snowman->update(1);
    EXPECT_EQ(log.take(), std::vector<Heard>{score(738)});
    snowman->update(1499); // the end timer reaches 0
    EXPECT_TRUE(log.take().empty());
    EXPECT_FALSE(snowman->getDeleteMe());
    snowman->update(1);
    EXPECT_EQ(log.take(), std::vector<Heard>{plain(EVT::EVENT_SNOWMAN_DOWN)});
    EXPECT_TRUE(snowman->getDeleteMe());
    world->update(16);
    EXPECT_FALSE(alive(snowman));
}

TEST_F(Snowman, AfterTheThrowAFallChangesNothingButALostPartEndsWithBonusBaseOne)
{
    setKey("SHOW_BONUS_TIMER", "9000"); // longer than the end: the bonus comes at once
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    snowman->update(10000);
    EXPECT_EQ(log.take(), THROWN);
    snowman->getChipmunkItem()->addCollision(1);
    snowman->update(16);
    EXPECT_TRUE(log.take().empty());
    // Its fallen parts touch the ground on every step; a part lost meanwhile
    // still starts the end, with no event.
    snowman->getChipmunkItem()->prePhysics(); // the world clears the flags each update
    snowman->getChipmunkItem()->addCollision(1);
    snowman->getChipmunkItem()->addCollision(0);
    snowman->update(16);
    EXPECT_TRUE(log.take().empty());
    snowman->update(16);
    EXPECT_EQ(log.take(), std::vector<Heard>{score(1)});
    for (int n = 0; n < 200 && !snowman->getDeleteMe(); ++n)
        snowman->update(16);
    EXPECT_EQ(log.take(), std::vector<Heard>{plain(EVT::EVENT_SNOWMAN_DOWN)});
}

TEST_F(Rock, LandedRockLosesTheGameAfterTheDelay)
{
    KWEP::Meteor* rock = add<KWEP::Meteor>("P_ROCK", 100, 50);
    ASSERT_NE(rock, nullptr);
    rock->update(16);
    EXPECT_TRUE(log.take().empty());
    // HIT_END_DELAY 2000: the 125th update from the landing ends the game.
    rock->getChipmunkItem()->addCollision(2);
    rock->update(16);
    EXPECT_EQ(log.take(), std::vector<Heard>{sound("ROCK_HIT")});
    for (int n = 2; n < 125; ++n) {
        rock->getChipmunkItem()->addCollision(2); // taken only once
        rock->update(16);
    }
    EXPECT_TRUE(log.take().empty());
    EXPECT_FALSE(rock->getDeleteMe());
    rock->update(16);
    EXPECT_EQ(log.take(), (std::vector<Heard>{withText(EVT::EVENT_GAME_OVER, "LOST"), sound("DIE_SONG")}));
    EXPECT_TRUE(rock->getDeleteMe());
}

TEST_F(Rock, DelayOneAboveTheStepEndsTheGameOnTheNextUpdate)
{
    setKey("HIT_END_DELAY", "17");
    KWEP::Meteor* rock = add<KWEP::Meteor>("P_ROCK", 100, 50);
    ASSERT_NE(rock, nullptr);
    rock->getChipmunkItem()->addCollision(2);
    rock->update(16); // 1 ms left
    EXPECT_EQ(log.take(), std::vector<Heard>{sound("ROCK_HIT")});
    EXPECT_FALSE(rock->getDeleteMe());
    rock->update(16);
    EXPECT_EQ(log.take(), (std::vector<Heard>{withText(EVT::EVENT_GAME_OVER, "LOST"), sound("DIE_SONG")}));
    EXPECT_TRUE(rock->getDeleteMe());
}

TEST_F(Rock, DelayBelowOneEndsTheGameOnTheLandingAndSoundsOnce)
{
    for (const char* delay : {"0", "-5", ""}) {
        setKey("HIT_END_DELAY", delay);
        KWEP::Meteor* rock = add<KWEP::Meteor>("P_ROCK", 100, 50);
        rock->getChipmunkItem()->addCollision(2);
        rock->update(16);
        EXPECT_EQ(log.take(), (std::vector<Heard>{sound("ROCK_HIT"), withText(EVT::EVENT_GAME_OVER, "LOST"),
                                                  sound("DIE_SONG")}))
            << delay;
        delete rock;
    }
}

TEST_F(Rock, ActionCameraFramesThePlayerWithTheRock)
{
    KWEP::CarrotCamera map;
    world->addCamera(&map);
    KWEP::Player* hand = only<KWEP::Player>("PLAYER");
    KWEP::Meteor* rock = add<KWEP::Meteor>("P_ROCK", 100, 50);
    ASSERT_NE(rock, nullptr);
    std::vector<MathStuff::Orientation<float> > parts;
    rock->getPositions(parts);
    hand->getPositions(parts);
    EXPECT_FLOAT_EQ(map.getOrientation().position.x, 50.0f);
    EXPECT_FLOAT_EQ(map.getOrientation().position.y, 25.0f);
    world->removeCamera(&map);
}

TEST_F(Fragments, ShrinkAStepPerUpdateOnceTheirLifeIsOverAndGoBelowTheLimit)
{
    // BALL_SECS_MIN 2, MAX 5: lives of 2, 3 or 4 seconds.
    random->values = {0.0f, 0.34f, 0.67f, 0.99f, 1.0f};
    for (float life : {2.0f, 3.0f, 4.0f, 4.0f, 4.0f})
        EXPECT_FLOAT_EQ(add<KWEP::SnowBall>("P_BALL", 0, 50)->getLife(), life);
    // MIN 5 above MAX 2: 5 + trunc(r x -3) gives 5, 4 or 3.
    setKey("BALL_SECS_MIN", "5");
    setKey("BALL_SECS_MAX", "2");
    random->values = {0.0f, 0.34f, 0.67f, 0.99f};
    random->next = 0;
    for (float life : {5.0f, 4.0f, 3.0f, 3.0f})
        EXPECT_FLOAT_EQ(add<KWEP::SnowBall>("P_BALL", 0, 50)->getLife(), life);
    setKey("BALL_SECS_MIN", "2");
    setKey("BALL_SECS_MAX", "5");

    // Updates shorter than a second add up: three of 999 ms outlive 2 s.
    random->values = {0.0f};
    KWEP::SnowBall* ball = add<KWEP::SnowBall>("P_BALL", 0, 50);
    ball->update(999);
    ball->update(999);
    EXPECT_FALSE(ball->isShrinking());
    ball->update(999);
    EXPECT_TRUE(ball->isShrinking());
    // Step 0.25, limit 0.3: 0.75, 0.5, then 0.25 goes.
    for (float scale : {0.75f, 0.5f}) {
        ball->update(1);
        EXPECT_FLOAT_EQ(ball->getScale(), scale);
        EXPECT_FALSE(ball->getDeleteMe());
    }
    ball->update(100000);
    EXPECT_FLOAT_EQ(ball->getScale(), 0.25f);
    EXPECT_TRUE(ball->getDeleteMe());

    // A limit above 1 goes on the first shrinking update.
    setKey("BALL_SCALE_LIMIT", "1.5");
    KWEP::SnowBall* big = add<KWEP::SnowBall>("P_BALL", 0, 50);
    big->update(2001);
    big->update(1);
    EXPECT_TRUE(big->getDeleteMe());
}

TEST_F(Fragments, CarrotPiecesAtRestShrinkEarlySnowballsDoNot)
{
    KWEP::ExploPiece* piece = add<KWEP::ExploPiece>("P_BANG", 0, 50);
    KWEP::SnowBall* ball = add<KWEP::SnowBall>("P_BALL", 0, 50);
    ASSERT_NE(piece, nullptr);
    piece->getChipmunkItem()->setBodyVelocity("LEFT", Physics::ChipmunkItem::XYPart(0.8f, 0));
    piece->getChipmunkItem()->setBodyVelocity("RIGHT", Physics::ChipmunkItem::XYPart(0, 0.7f));
    piece->update(16); // 0.64 + 0.49 is not below 1
    ball->update(16);
    EXPECT_FALSE(piece->isShrinking());
    piece->getChipmunkItem()->setBodyVelocity("LEFT", Physics::ChipmunkItem::XYPart(0.6f, 0));
    piece->update(16);
    ball->update(16);
    EXPECT_TRUE(piece->isShrinking());
    EXPECT_FALSE(ball->isShrinking());
    // BANG_SECS_LIMIT 3 ends a moving piece's flight too.
    KWEP::ExploPiece* flying = add<KWEP::ExploPiece>("P_BANG", 0, 50);
    flying->getChipmunkItem()->setBodyVelocity("LEFT", Physics::ChipmunkItem::XYPart(50, 0));
    flying->update(3000);
    EXPECT_FALSE(flying->isShrinking());
    flying->update(1);
    EXPECT_TRUE(flying->isShrinking());
}

TEST_F(Fragments, AreDrawnAtTheirScale)
{
    // One draw per frame of the snowball's one part; its matrix at scale 1,
    // then at 0.75 after the first shrinking step.
    KWEP::SnowBall* ball = add<KWEP::SnowBall>("P_BALL", 20, 50);
    ASSERT_NE(ball, nullptr);
    RecordingGL::reset();
    ball->render();
    ball->update(5000);
    ball->update(16);
    ball->render();
    const std::vector<RecordingGL::Draw>& draws = RecordingGL::draws();
    ASSERT_EQ(draws.size(), 2u);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            EXPECT_NEAR(draws[1].matrix[column * 4 + row], 0.75f * draws[0].matrix[column * 4 + row], 1e-5);
    EXPECT_FLOAT_EQ(draws[1].matrix[12], draws[0].matrix[12]); // in place
    RecordingGL::reset();
}

} // namespace
