#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <string>
#include <vector>

#include "FakeRandom.h"
#include "LevelTestGame.h"
#include "PlayFixture.h"
#include "core/CFG.h"
#include "core/Event_Update.h"
#include "core/PointsString.h"
#include "shell/MoveableItem.h"
#include "world/GameStuff.h"
#include "world/Player.h"
#include "world/Snowman.h"
#include "world/World.h"

namespace {

using namespace PlayTests;
typedef MathStuff::Vector3<float> Vec;

// Steps the world on every update event, as the running game does.
class Stepper : public EVT::I_EventConsumer {
public:
    explicit Stepper(KWEP::World* world) : m_world(world)
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_UPDATE, this);
    }
    void handleEvent(EVT::I_Event* event) override
    {
        if (const EVT::Event_Update* update = EVT::eventCast<EVT::Event_Update>(event))
            m_world->update(update->ms);
    }

private:
    KWEP::World* m_world;
};

// The shipped configuration, items and level, run from the project's root,
// with the hand and the play camera set up as at a level's start.
class ShippedPlay : public ::testing::Test {
protected:
    ShippedPlay() : world(new KWEP::World), game(world), stepper(world) {}

    void SetUp() override
    {
        ASSERT_EQ(chdir(FRELMORY_SOURCE_DIR), 0);
        ASSERT_TRUE(CFG::setConfig("KWEP.cfg"));
        game.game.setRNG(new TestSupport::FakeRandom({0.5f}));
        world->defineItems(CFG::get("ALL_ITEMS") + " ITEM: ONEPART BOSS tests/world/data/play_onepart.cfg");
        ASSERT_TRUE(world->genisis(CFG::get("LEVEL_FILE")));
        KWEP::Player* hand = nullptr;
        std::vector<unsigned long> ids;
        ASSERT_EQ(world->getItems("PLAYER", ids), 1);
        hand = dynamic_cast<KWEP::Player*>(world->findItem(ids[0]));
        ASSERT_NE(hand, nullptr);
        hand->setWorld(world);
        Game::MoveableItem* camera = new Game::MoveableItem(nullptr);
        MathStuff::Orientation<float> at;
        at.position = MathStuff::PointsString(0.0f, false).stringToPoint(CFG::get("CAMERA_XYZ"));
        camera->setOrientation(at);
        world->setCameraItem(camera);
        KWEP::GameStuff::setLevelCount(0);
    }

    Physics::ChipmunkItem* item(const std::string& kind)
    {
        std::vector<unsigned long> ids;
        if (world->getItems(kind, ids) != 1)
            return nullptr;
        Physics::ChipmunkWorldItem* actor = dynamic_cast<Physics::ChipmunkWorldItem*>(world->findItem(ids[0]));
        return actor ? actor->getChipmunkItem() : nullptr;
    }

    // Sends the carrot on a curve through the snowman's top part, reaching it
    // after 0.7 s: a firm throw of about 500 units/s.
    void throwCarrotAtTheTop()
    {
        Physics::ChipmunkItem* carrot = item("VEG");
        Physics::ChipmunkItem* snowman = item("BOSS");
        ASSERT_NE(carrot, nullptr);
        ASSERT_NE(snowman, nullptr);
        const Vec from = bodyPositions(*carrot)[0];
        const Vec to = bodyPositions(*snowman).back();
        float gx = 0, gy = 0;
        world->getPhysicsWorld()->getGravity(gx, gy);
        const float t = 0.7f;
        carrot->setBodyVelocity(carrot->getBodyNames()[0],
                                Physics::ChipmunkItem::XYPart((to.x - from.x) / t, (to.y - from.y) / t - gy * t / 2));
    }

    // Frames of 16 ms on the bus until the event is heard or the time is up.
    std::vector<Heard> playUntil(int id, int ms)
    {
        std::vector<Heard> heard;
        for (int time = 0; time < ms; time += 16) {
            EVT::Event_Update update(EVT::EVENT_UPDATE, 16);
            EVT::EventBus::instance()->raiseEvent(&update, false);
            const std::vector<Heard> now = log.take();
            heard.insert(heard.end(), now.begin(), now.end());
            for (const Heard& h : now)
                if (h.id == id)
                    return heard;
        }
        return heard;
    }

    static std::vector<int> ids(const std::vector<Heard>& heard)
    {
        std::vector<int> all;
        for (const Heard& h : heard)
            all.push_back(h.id);
        return all;
    }
    static int indexOf(const std::vector<Heard>& heard, const Heard& wanted)
    {
        for (size_t i = 0; i < heard.size(); ++i)
            if (heard[i] == wanted)
                return static_cast<int>(i);
        return -1;
    }

    KWEP::World* world; // owned by the game root
    WorldTests::LevelTestGame game;
    Stepper stepper;
    EventLog log;
};

TEST_F(ShippedPlay, DoingNothingTheRockIsThrownLandsAndLosesTheGame)
{
    KWEP::GameStuff::createSnowman(world);
    const std::vector<Heard> heard = playUntil(EVT::EVENT_GAME_OVER, 20000);
    const int thrown = indexOf(heard, plain(EVT::EVENT_ROCK_THROWN));
    const int hit = indexOf(heard, sound("ROCK_HIT"));
    const int lost = indexOf(heard, withText(EVT::EVENT_GAME_OVER, CFG::get("LOST_GAME_RULE")));
    ASSERT_GE(thrown, 0);
    EXPECT_GT(hit, thrown);
    EXPECT_GT(lost, hit);
    EXPECT_EQ(CFG::get("LOST_GAME_RULE"), "LOST_GAME");
    EXPECT_EQ(indexOf(heard, plain(EVT::EVENT_SNOWMAN_DOWN)), -1);
    // The rock lands near the carrot's start.
    EXPECT_EQ(item("ROCK"), nullptr); // gone with the ending
}

TEST_F(ShippedPlay, CarrotThrownAtTheSnowmansTopBurstsScoresAndClearsTheLevel)
{
    KWEP::GameStuff::createSnowman(world);
    throwCarrotAtTheTop();
    const std::vector<Heard> heard = playUntil(EVT::EVENT_SNOWMAN_DOWN, 10000);
    const int burst = indexOf(heard, plain(EVT::EVENT_CARROT_EXPLODED));
    const int cleared = indexOf(heard, plain(EVT::EVENT_SNOWMAN_DOWN));
    ASSERT_GE(burst, 0);
    EXPECT_GT(cleared, burst);
    bool scored = false;
    for (const Heard& h : heard)
        scored = scored || (h.id == EVT::EVENT_SCORE && h.points > 0);
    EXPECT_TRUE(scored);
    for (int id : ids(heard))
        EXPECT_NE(id, EVT::EVENT_GAME_OVER);
}

TEST_F(ShippedPlay, OnePartSnowmanStruckHardGoesAtOnceAndTheLevelIsCleared)
{
    WorldTests::LevelTestGame::setKey("SNOWMAN_ITEM", "ONEPART");
    KWEP::GameStuff::createSnowman(world);
    throwCarrotAtTheTop();
    const std::vector<Heard> heard = playUntil(EVT::EVENT_SNOWMAN_DOWN, 5000);
    const int last = indexOf(heard, plain(EVT::EVENT_LAST_PART_EXPLODED));
    ASSERT_GE(last, 0);
    EXPECT_GT(indexOf(heard, plain(EVT::EVENT_SNOWMAN_DOWN)), last);
    EXPECT_EQ(item("BOSS"), nullptr);
}

} // namespace
