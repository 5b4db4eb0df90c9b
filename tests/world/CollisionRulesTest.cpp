#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayFixture.h"
#include "physics/I_CollisionHandler.h"
#include "world/Carrot.h"
#include "world/CarrotGroundCollision.h"
#include "world/CarrotSnowmanCollision.h"
#include "world/MeteorGroundCollision.h"
#include "world/Snowman.h"
#include "world/SnowmanGroundCollision.h"

namespace {

using namespace PlayTests;
typedef Physics::I_CollisionHandler Handler;
// Copies: the handler's constants have no definition to bind to.
const std::uint16_t REMOVED_A = Handler::REMOVED_A;
const std::uint16_t REMOVED_B = Handler::REMOVED_B;

class CollisionRules : public PlayFixture {
protected:
    void SetUp() override
    {
        PlayFixture::SetUp();
        carrot = add<KWEP::Carrot>("P_CARROT", 30, 50);
        snowman = add<KWEP::Snowman>("P_SNOWMAN", 200, 0);
        ground = only("LEVEL");
        ASSERT_NE(carrot, nullptr);
        ASSERT_NE(snowman, nullptr);
        ASSERT_NE(ground, nullptr);
        log.take();
    }

    // A contact of the carrot with the snowman's named part.
    Handler::Info onPart(const std::string& body, double impulse)
    {
        Physics::ChipmunkItem* man = snowman->getChipmunkItem();
        const int index = man->getBodyIndex(body);
        cpShape* shape = man->getShapes()[static_cast<size_t>(index)].first;
        return Handler::Info{carrot->getChipmunkItem()->getShapes()[0].first, shape, carrot->getChipmunkItem(), man,
                             impulse};
    }
    Handler::Info onGround(double impulse)
    {
        return Handler::Info{carrot->getChipmunkItem()->getShapes()[0].first,
                             ground->getChipmunkItem()->getShapes()[0].first, carrot->getChipmunkItem(),
                             ground->getChipmunkItem(), impulse};
    }

    KWEP::CarrotGroundCollision carrotGround{world};
    KWEP::CarrotSnowmanCollision carrotSnowman{world};
    KWEP::Carrot* carrot = nullptr;
    KWEP::Snowman* snowman = nullptr;
    Physics::ChipmunkWorldItem* ground = nullptr;
};

const std::vector<Heard> CARROT_BURST = {plain(EVT::EVENT_CARROT_EXPLODED), sound("CARROT_SMASH")};

std::vector<Heard> burstThen(std::vector<Heard> more)
{
    std::vector<Heard> all = CARROT_BURST;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

TEST_F(CollisionRules, CarrotOnTheSnowmanBurstsAndTheStruckPartScoresOrExplodes)
{
    struct Case {
        const char* part;
        double impulse;
        std::vector<Heard> heard;
        size_t bodiesLeft;
    };
    // Limits: BASE 50, HEAD 20; NUM_BALLS_BASE 2, none for the head.
    const Case cases[] = {
        {"HEAD", 20.0, burstThen({plain(EVT::EVENT_HIT_BELOW_LIMIT), score(10)}), 2},
        {"HEAD", 1.9, burstThen({plain(EVT::EVENT_HIT_BELOW_LIMIT)}), 2},
        {"HEAD", 3.9, burstThen({plain(EVT::EVENT_HIT_BELOW_LIMIT), score(1)}), 2},
        {"HEAD", 25.7, burstThen({score(25), plain(EVT::EVENT_PART_EXPLODED), sound("SNOWMAN_SMASH")}), 1},
        {"BASE", 1e12, burstThen({score(2147483647), plain(EVT::EVENT_PART_EXPLODED), sound("SNOWMAN_SMASH")}), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.part) + " " + std::to_string(c.impulse));
        ASSERT_NE(carrot = add<KWEP::Carrot>("P_CARROT", 30, 50), nullptr);
        ASSERT_NE(snowman = add<KWEP::Snowman>("P_SNOWMAN", 200, 0), nullptr);
        const int balls = count("BALL");
        log.take();
        const Handler::Info info = onPart(c.part, c.impulse);
        // The carrot goes first; the part is still judged.
        EXPECT_EQ(carrotSnowman.collision(info.itemA, info.itemB, info), REMOVED_A);
        EXPECT_EQ(log.take(), c.heard);
        EXPECT_FALSE(alive(carrot));
        EXPECT_EQ(count("BANG") > 0, true);
        ASSERT_TRUE(alive(snowman));
        EXPECT_EQ(snowman->getChipmunkItem()->getBodyNames().size(), c.bodiesLeft);
        EXPECT_EQ(snowman->getChipmunkItem()->hasCollision(0), c.bodiesLeft == 1);
        EXPECT_EQ(count("BALL") - balls, std::string(c.part) == "BASE" ? 2 : 0);
        world->update(16); // clears the flags
    }
}

TEST_F(CollisionRules, LastPartTakesTheSnowmanAndClearsTheLevel)
{
    KWEP::Snowman* one = add<KWEP::Snowman>("P_ONEPART", -200, 0);
    ASSERT_NE(one, nullptr);
    Physics::ChipmunkItem* item = one->getChipmunkItem();
    // No limit is set for its part: any impulse explodes it.
    Handler::Info info{nullptr, item->getShapes()[0].first, nullptr, item, 21.0};
    EXPECT_EQ(carrotSnowman.collision(nullptr, item, info), REMOVED_B);
    EXPECT_EQ(log.take(), (std::vector<Heard>{score(21), plain(EVT::EVENT_LAST_PART_EXPLODED),
                                              plain(EVT::EVENT_SNOWMAN_DOWN)}));
    EXPECT_FALSE(alive(one));
    EXPECT_TRUE(alive(carrot));
}

TEST_F(CollisionRules, SnowmanGoneWithTheCarrotsBurstIsNotJudged)
{
    const Handler::Info info = onPart("HEAD", 100.0);
    DeleteOnEvent ender(*world, snowman->getID(), EVT::EVENT_CARROT_EXPLODED);
    EXPECT_EQ(carrotSnowman.collision(info.itemA, info.itemB, info), REMOVED_A | REMOVED_B);
    EXPECT_EQ(log.take(), CARROT_BURST);
    EXPECT_EQ(count("BOSS"), 0);
}

TEST_F(CollisionRules, NothingHappensWithoutItemsOrWithAShapeOfNoBody)
{
    Handler::Info info = onPart("HEAD", 100.0);
    EXPECT_EQ(carrotSnowman.collision(nullptr, nullptr, info), 0);
    EXPECT_EQ(carrotGround.collision(nullptr, nullptr, info), 0);
    // A shape that is not the snowman's has no body name there.
    info.shapeB = ground->getChipmunkItem()->getShapes()[0].first;
    EXPECT_EQ(carrotSnowman.collision(nullptr, info.itemB, info), 0);
    // Both carrot rules need a carrot: nothing else bursts or is deleted.
    info.itemA = snowman->getChipmunkItem();
    EXPECT_EQ(carrotGround.collision(info.itemA, ground->getChipmunkItem(), info), 0);
    info = onPart("HEAD", 100.0);
    info.itemA = ground->getChipmunkItem();
    EXPECT_EQ(carrotSnowman.collision(info.itemA, info.itemB, info), 0);
    EXPECT_TRUE(alive(ground));
    EXPECT_TRUE(log.take().empty());
    EXPECT_TRUE(alive(snowman));
    EXPECT_EQ(snowman->getChipmunkItem()->getBodyNames().size(), 2u);
}

TEST_F(CollisionRules, GroundImpactsRightOfTheLineWearTheCarrotDownBelowZero)
{
    // CARROT_HEALTH 100: 60, 30 and 10 leave 0, which it survives.
    for (double impulse : {60.0, 30.0, 10.0}) {
        const Handler::Info info = onGround(impulse);
        EXPECT_EQ(carrotGround.collision(info.itemA, info.itemB, info), 0) << impulse;
    }
    EXPECT_TRUE(log.take().empty());
    EXPECT_FLOAT_EQ(carrot->changeHealth(0.0f), 0.0f);
    const Handler::Info info = onGround(0.5);
    EXPECT_EQ(carrotGround.collision(info.itemA, info.itemB, info), REMOVED_A);
    EXPECT_EQ(log.take(), CARROT_BURST);
    EXPECT_FALSE(alive(carrot));
    EXPECT_EQ(count("BANG"), 1);
}

TEST_F(CollisionRules, ImpactsAtOrLeftOfTheLineCostNothing)
{
    setKey("CARROT_HEALTH", "");
    KWEP::Carrot* left = add<KWEP::Carrot>("P_CARROT", 0, 50);
    ASSERT_NE(left, nullptr);
    Handler::Info info = onGround(1000.0);
    info.itemA = left->getChipmunkItem();
    EXPECT_EQ(carrotGround.collision(info.itemA, info.itemB, info), 0);
    EXPECT_FLOAT_EQ(left->changeHealth(0.0f), 0.0f);
    // Without CARROT_HEALTH the first counted impact is fatal.
    KWEP::Carrot* right = add<KWEP::Carrot>("P_CARROT", 0.5f, 50);
    info.itemA = right->getChipmunkItem();
    EXPECT_EQ(carrotGround.collision(info.itemA, info.itemB, info), REMOVED_A);
    EXPECT_FALSE(alive(right));
}

TEST_F(CollisionRules, SnowmanAndRockOnTheGroundAreFlaggedForTheirNextUpdate)
{
    KWEP::SnowmanGroundCollision snowmanGround(world);
    KWEP::MeteorGroundCollision rockGround(world);
    Physics::ChipmunkWorldItem* rock = add("P_ROCK", 0, 50);
    ASSERT_NE(rock, nullptr);
    const Handler::Info none{nullptr, nullptr, nullptr, nullptr, 5.0};
    EXPECT_EQ(snowmanGround.collision(snowman->getChipmunkItem(), nullptr, none), 0);
    EXPECT_EQ(rockGround.collision(rock->getChipmunkItem(), nullptr, none), 0);
    EXPECT_EQ(snowmanGround.collision(nullptr, nullptr, none), 0);
    EXPECT_TRUE(snowman->getChipmunkItem()->hasCollision(1));
    EXPECT_FALSE(snowman->getChipmunkItem()->hasCollision(2));
    EXPECT_TRUE(rock->getChipmunkItem()->hasCollision(2));
    EXPECT_TRUE(log.take().empty());
}

TEST_F(CollisionRules, TheWorldRegistersTheRulesWithEachLevel)
{
    // A carrot dropped right of the line loses health on landing; a rock
    // dropped on the ground is flagged.
    KWEP::Carrot* dropped = add<KWEP::Carrot>("P_CARROT", 60, 8);
    Physics::ChipmunkWorldItem* rock = add("P_ROCK", -100, 8);
    ASSERT_NE(dropped, nullptr);
    ASSERT_NE(rock, nullptr);
    bool landed = false;
    for (int frame = 0; frame < 120; ++frame) {
        world->update(16);
        landed = landed || rock->getChipmunkItem()->hasCollision(2);
    }
    EXPECT_TRUE(landed);
    EXPECT_LT(dropped->changeHealth(0.0f), 100.0f);
}

} // namespace
