#include <gtest/gtest.h>

#include <list>

#include "PlayFixture.h"
#include "world/GameStuff.h"
#include "world/Snowman.h"

namespace {

using namespace PlayTests;

// The tuning of the game actions is read once, on first use: this executable
// holds the one test that takes it missing, in a process of its own.
class MissingTuning : public PlayFixture {
protected:
    MissingTuning()
    {
        for (const char* key : {"BALL_VEL_RANGE", "SNOWMAN_ROCK_ITEM_NAME", "CARROT_BANG_ITEM_NAME",
                                "CARROT_TO_BANG_VELO_MULT"})
            setKey(key, "");
    }
};

TEST_F(MissingTuning, ActionsMakeWhatTheyCanAndPlayGoesOn)
{
    // No BALL_VEL_RANGE: the snowballs rest, whatever is drawn.
    random->values = {0.9f, 0.1f, 0.7f};
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    ASSERT_NE(snowman, nullptr);
    const std::list<Physics::ChipmunkWorldItem*> balls =
        KWEP::GameStuff::explodeSnowmanBit("BASE", snowman->getChipmunkItem(), world, 12);
    ASSERT_EQ(balls.size(), 2u);
    for (const Physics::ChipmunkWorldItem* ball : balls) {
        EXPECT_EQ(bodyVelocities(*ball->getChipmunkItem())[0].x, 0.0f);
        EXPECT_EQ(bodyVelocities(*ball->getChipmunkItem())[0].y, 0.0f);
    }
    // No rock item, no explosion item: nothing made, nothing broken.
    EXPECT_EQ(KWEP::GameStuff::makeMeteor(snowman->getChipmunkItem(), world), nullptr);
    Physics::ChipmunkWorldItem* carrot = add("P_CARROT", 30, 40);
    EXPECT_EQ(KWEP::GameStuff::makeCarrotExplosion(carrot->getChipmunkItem(), world), nullptr);
    EXPECT_EQ(count("ROCK"), 0);
    EXPECT_EQ(count("BANG"), 0);
    snowman->update(10000); // the throw makes no rock; the snowman still announces it
    EXPECT_EQ(snowman->getThrowTimer(), 0);
    for (int n = 0; n < 30; ++n)
        world->update(16);
}

} // namespace
