#include <gtest/gtest.h>

#include <chipmunk/chipmunk.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PlayFixture.h"
#include "shell/Font.h"
#include "world/GameStuff.h"
#include "world/Snowman.h"

namespace {

using namespace PlayTests;
typedef MathStuff::Vector3<float> Vec;

// A flying letter: where its body is, how it flies.
struct Letter {
    Vec at;
    Physics::ChipmunkItem::XYPart velocity;
    float spin;
};

// The bodies carrying flying texts, left to right.
std::vector<Letter> letters(KWEP::World& world)
{
    std::vector<Physics::ChipmunkItem*> items;
    cpSpaceEachBody(world.getPhysicsWorld()->getSpace(), [](cpBody* body, void* data) {
        Physics::ChipmunkItem* item = static_cast<Physics::ChipmunkItem*>(cpBodyGetUserData(body));
        if (item && item->getName() == "Letter")
            static_cast<std::vector<Physics::ChipmunkItem*>*>(data)->push_back(item);
    }, &items);
    std::vector<Letter> found;
    for (Physics::ChipmunkItem* item : items) {
        std::vector<float> spins;
        item->getSpins(spins);
        found.push_back(Letter{bodyPositions(*item)[0], bodyVelocities(*item)[0], spins[0]});
    }
    std::sort(found.begin(), found.end(), [](const Letter& a, const Letter& b) { return a.at.x < b.at.x; });
    return found;
}

class GameActions : public PlayFixture {
protected:
    void SetUp() override
    {
        PlayFixture::SetUp();
        world->setFont(&font);
    }
    Text3D::Font font{"none"};
};

TEST_F(GameActions, SnowmanStandsInTheWindowOfItsLevelAndIsAnnounced)
{
    struct Case {
        int level;
        const char *min, *max, *range, *step;
        float r;
        float x;
    };
    const Case cases[] = {
        // The window [min, min + 2 range] while max lies beyond it.
        {0, "120", "320", "40", "40", 0.0f, 120.0f},
        {0, "120", "320", "40", "40", 0.5f, 160.0f},
        {0, "120", "320", "40", "40", 1.0f, 200.0f},
        // Past max: centre + min + r (max - min), clamped; min >= range ends at max.
        {4, "120", "320", "40", "40", 0.0f, 320.0f},
        {9, "120", "320", "40", "40", 0.7f, 320.0f},
        // min counts twice there: 70 + 10 + 0.
        {0, "10", "100", "60", "0", 0.0f, 80.0f},
        {0, "10", "100", "60", "0", 0.1f, 89.0f},
        // Missing keys: everything 0; a value beyond the float range too.
        {3, "", "", "", "", 0.5f, 0.0f},
        {0, "1e999", "320", "40", "0", 0.5f, 40.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.level) + " " + c.min + " r " + std::to_string(c.r));
        world->apocalypse();
        ASSERT_TRUE(world->genisis("play_level.cfg"));
        setKey("SNOWMAN_MIN_X", c.min);
        setKey("SNOWMAN_MAX_X", c.max);
        setKey("SNOWMAN_XRANGE", c.range);
        setKey("SNOWMAN_XCHG_PER_LEVEL", c.step);
        random->values = {c.r};
        KWEP::GameStuff::setLevelCount(c.level);
        log.take();
        KWEP::GameStuff::createSnowman(world);
        EXPECT_EQ(log.take(), std::vector<Heard>{plain(EVT::EVENT_SNOWMAN_MADE)});
        KWEP::Snowman* snowman = only<KWEP::Snowman>("BOSS");
        ASSERT_NE(snowman, nullptr);
        EXPECT_NEAR(bodyPositions(*snowman->getChipmunkItem())[0].x, c.x, 1e-3);
    }
    // An undefined item makes no snowman; the event still comes.
    setKey("SNOWMAN_ITEM", "NO_SUCH_ITEM");
    KWEP::GameStuff::createSnowman(world);
    EXPECT_EQ(count("BOSS"), 1);
    EXPECT_EQ(log.take(), std::vector<Heard>{plain(EVT::EVENT_SNOWMAN_MADE)});
}

TEST_F(GameActions, ExplodedPartScoresThenItsDigitsFanOutCentredOnThePart)
{
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    ASSERT_NE(snowman, nullptr);
    random->values = {0.5f, 0.25f}; // r1 then r2 for every digit
    EXPECT_TRUE(KWEP::GameStuff::explodeSnowmanBit("HEAD", snowman->getChipmunkItem(), world, 250).empty());
    EXPECT_EQ(log.take(), std::vector<Heard>{score(250)});
    std::vector<Letter> digits = letters(*world);
    ASSERT_EQ(digits.size(), 3u);
    const float xVel[] = {-60.0f, 0.0f, 60.0f};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(digits[k].at.x, 100.0f - 8.0f + 8.0f * static_cast<float>(k), 1e-3) << k;
        EXPECT_NEAR(digits[k].at.y, 30.0f, 1e-3) << k; // the head's body
        EXPECT_FLOAT_EQ(digits[k].velocity.x, xVel[k]) << k;
        EXPECT_FLOAT_EQ(digits[k].velocity.y, 120.0f) << k; // 80 + 0.5 x 80
        EXPECT_FLOAT_EQ(digits[k].spin, -1.5f) << k;        // -3 + 0.25 x 6
    }
    world->apocalypse();
    ASSERT_TRUE(world->genisis("play_level.cfg"));
    snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    // One digit stands on the part and flies straight up; an absent body
    // name takes body 0.
    KWEP::GameStuff::explodeSnowmanBit("NOSE", snowman->getChipmunkItem(), world, 7);
    digits = letters(*world);
    ASSERT_EQ(digits.size(), 1u);
    EXPECT_NEAR(digits[0].at.x, 100.0f, 1e-3);
    EXPECT_NEAR(digits[0].at.y, 10.0f, 1e-3);
    EXPECT_FLOAT_EQ(digits[0].velocity.x, 0.0f);
}

TEST_F(GameActions, ExplodedPartIsPlacedBeforeTheScoreGoesOut)
{
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    ASSERT_NE(snowman, nullptr);
    DeleteOnEvent ender(*world, snowman->getID(), EVT::EVENT_SCORE);
    KWEP::GameStuff::explodeSnowmanBit("HEAD", snowman->getChipmunkItem(), world, 7);
    EXPECT_EQ(count("BOSS"), 0);
    const std::vector<Letter> digits = letters(*world);
    ASSERT_EQ(digits.size(), 1u);
    EXPECT_NEAR(digits[0].at.x, 100.0f, 1e-3);
    EXPECT_NEAR(digits[0].at.y, 30.0f, 1e-3); // the head's body
}

TEST_F(GameActions, SnowballsFlyAtWholeSpeedsWithinTheRange)
{
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    ASSERT_NE(snowman, nullptr);
    // BALL_VEL_RANGE 2 draws from -2 to 2; a source answering 1 stays inside.
    random->values = {0.5f, 0.25f, 0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 0.99f, 1.0f, 1.0f};
    setKey("NUM_BALLS_BASE", "5");
    const std::list<Physics::ChipmunkWorldItem*> balls =
        KWEP::GameStuff::explodeSnowmanBit("BASE", snowman->getChipmunkItem(), world, 0);
    ASSERT_EQ(balls.size(), 5u);
    EXPECT_TRUE(letters(*world).size() == 1u); // the digit 0
    // The digit takes 0.5 and 0.25; then each ball its life, x and y (1 gives 2).
    const float expected[][2] = {{-1, 0}, {2, 2}, {2, 0}, {-2, -1}, {1, 2}};
    size_t n = 0;
    for (const Physics::ChipmunkWorldItem* ball : balls) {
        EXPECT_EQ(ball->getChipmunkItem()->getName(), "P_BALL");
        EXPECT_NEAR(bodyPositions(*ball->getChipmunkItem())[0].x, 100.0f, 1e-3);
        EXPECT_NEAR(bodyPositions(*ball->getChipmunkItem())[0].y, 10.0f, 1e-3);
        const Physics::ChipmunkItem::XYPart v = bodyVelocities(*ball->getChipmunkItem())[0];
        EXPECT_FLOAT_EQ(v.x, expected[n][0]) << n;
        EXPECT_FLOAT_EQ(v.y, expected[n][1]) << n;
        ++n;
    }
    // Counts that are missing, zero or negative make none.
    for (const char* none : {"", "0", "-3", "many"}) {
        setKey("NUM_BALLS_BASE", none);
        EXPECT_TRUE(KWEP::GameStuff::explodeSnowmanBit("BASE", snowman->getChipmunkItem(), world, 1).empty());
    }
    // A count beyond 50 makes 50, and says so once.
    setKey("NUM_BALLS_BASE", "3000");
    testing::internal::CaptureStderr();
    EXPECT_EQ(KWEP::GameStuff::explodeSnowmanBit("BASE", snowman->getChipmunkItem(), world, 1).size(), 50u);
    EXPECT_EQ(KWEP::GameStuff::explodeSnowmanBit("BASE", snowman->getChipmunkItem(), world, 1).size(), 50u);
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("NUM_BALLS_BASE asks for 3000"), std::string::npos) << told;
    EXPECT_EQ(told.find("NUM_BALLS_BASE", 1), std::string::npos) << told;
}

TEST_F(GameActions, RockIsThrownToPassTheTargetHeightAtTheTargetX)
{
    // Gravity (0, -10), start (10, 2), ROCK_X_VEL 5: t = 2, vy = 9.
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_ONEPART", 10, -6);
    ASSERT_NE(snowman, nullptr);
    Physics::ChipmunkWorldItem* rock = KWEP::GameStuff::makeMeteor(snowman->getChipmunkItem(), world);
    ASSERT_NE(rock, nullptr);
    EXPECT_EQ(only("ROCK"), rock);
    EXPECT_NEAR(bodyPositions(*rock->getChipmunkItem())[0].x, 10.0f, 1e-3);
    EXPECT_NEAR(bodyPositions(*rock->getChipmunkItem())[0].y, 2.0f, 1e-3);
    const Physics::ChipmunkItem::XYPart v = bodyVelocities(*rock->getChipmunkItem())[0];
    EXPECT_FLOAT_EQ(v.x, -5.0f);
    EXPECT_FLOAT_EQ(v.y, 9.0f);
    std::vector<float> spins;
    rock->getChipmunkItem()->getSpins(spins);
    EXPECT_FLOAT_EQ(spins[0], 4.0f);
    EXPECT_TRUE(log.take().empty()); // the snowman announces the throw
}

TEST_F(GameActions, ThrowThatCannotReachLeavesTheRockToFall)
{
    // Standing beyond the target the flight time is negative; a wind against
    // the throw gives it no real value.
    struct Case {
        const char* level;
        float x;
    };
    for (const Case& c : {Case{"play_level.cfg", -10.0f}, Case{"play_wind.cfg", 10.0f}}) {
        SCOPED_TRACE(c.level);
        world->apocalypse();
        ASSERT_TRUE(world->genisis(c.level));
        KWEP::Snowman* snowman = add<KWEP::Snowman>("P_ONEPART", c.x, -6);
        ASSERT_NE(snowman, nullptr);
        Physics::ChipmunkWorldItem* rock = KWEP::GameStuff::makeMeteor(snowman->getChipmunkItem(), world);
        ASSERT_NE(rock, nullptr);
        const Physics::ChipmunkItem::XYPart v = bodyVelocities(*rock->getChipmunkItem())[0];
        EXPECT_EQ(v.x, 0.0f);
        EXPECT_EQ(v.y, 0.0f);
        world->update(16); // nothing that is not finite reached the physics
    }
    EXPECT_EQ(KWEP::GameStuff::makeMeteor(nullptr, world), nullptr);
}

TEST_F(GameActions, CarrotBurstsIntoItsTextAndPiecesCarryingItsMotion)
{
    Physics::ChipmunkWorldItem* veg = add("P_CARROT", 30, 40);
    ASSERT_NE(veg, nullptr);
    Physics::ChipmunkItem* item = veg->getChipmunkItem();
    item->setBodyVelocity("CARROT", Physics::ChipmunkItem::XYPart(10, -20));
    item->setBodySpin("CARROT", 3);
    item->setBodyAngle("CARROT", static_cast<float>(M_PI / 2));

    Physics::ChipmunkWorldItem* bang = KWEP::GameStuff::makeCarrotExplosion(item, world);
    ASSERT_NE(bang, nullptr);
    EXPECT_EQ(only("BANG"), bang);
    // No phrase generator: the default text, rising at 100 - vy.
    std::vector<Letter> text = letters(*world);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_NEAR(text[0].at.x, 30.0f, 1e-3);
    EXPECT_FLOAT_EQ(text[0].velocity.x, 0.0f);
    EXPECT_FLOAT_EQ(text[0].velocity.y, 120.0f);
    // Turned as the carrot, half its speed and twice its spin on every piece.
    std::vector<float> angles, spins;
    bang->getChipmunkItem()->getAngles(angles);
    bang->getChipmunkItem()->getSpins(spins);
    ASSERT_EQ(angles.size(), 2u);
    const std::vector<Vec> pieces = bodyPositions(*bang->getChipmunkItem());
    EXPECT_NEAR(pieces[0].x, 30.0f, 1e-3);
    EXPECT_NEAR(pieces[0].y, 35.0f, 1e-3);
    for (size_t k = 0; k < 2; ++k) {
        EXPECT_NEAR(angles[k], M_PI / 2, 1e-4);
        EXPECT_FLOAT_EQ(spins[k], 6.0f);
        EXPECT_FLOAT_EQ(bodyVelocities(*bang->getChipmunkItem())[k].x, 5.0f);
        EXPECT_FLOAT_EQ(bodyVelocities(*bang->getChipmunkItem())[k].y, -10.0f);
    }
    // The carrot stays for its caller to remove.
    EXPECT_TRUE(alive(veg));
    EXPECT_TRUE(log.take().empty());
}

TEST_F(GameActions, TuningReadOnFirstUseKeepsItsValueAndTheTextIsReadEachUse)
{
    Physics::ChipmunkWorldItem* veg = add("P_CARROT", 30, 40);
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_ONEPART", 10, -6);
    ASSERT_NE(KWEP::GameStuff::makeCarrotExplosion(veg->getChipmunkItem(), world), nullptr);
    ASSERT_NE(KWEP::GameStuff::makeMeteor(snowman->getChipmunkItem(), world), nullptr);
    setKey("CARROT_BANG_ITEM_NAME", "NO_SUCH_ITEM");
    setKey("ROCK_X_VEL", "50");
    setKey("CARROT_DEFAULT_BANG_TEXT", "");
    world->apocalypse();
    ASSERT_TRUE(world->genisis("play_level.cfg"));
    veg = add("P_CARROT", 30, 40);
    EXPECT_NE(KWEP::GameStuff::makeCarrotExplosion(veg->getChipmunkItem(), world), nullptr);
    EXPECT_TRUE(letters(*world).empty());
    snowman = add<KWEP::Snowman>("P_ONEPART", 10, -6);
    Physics::ChipmunkWorldItem* rock = KWEP::GameStuff::makeMeteor(snowman->getChipmunkItem(), world);
    ASSERT_NE(rock, nullptr);
    EXPECT_FLOAT_EQ(bodyVelocities(*rock->getChipmunkItem())[0].x, -5.0f);
}

} // namespace
