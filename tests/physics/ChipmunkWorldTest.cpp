#include "physics/ChipmunkWorld.h"
#include "physics/I_CollisionHandler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "PhysicsWorldFixture.h"

namespace {

using Physics::ChipmunkBlueprint;
using Physics::ChipmunkItem;
using Physics::I_CollisionHandler;
using PhysicsTest::dataFile;

// Counts what the world asks of it.
class CountingItem : public ChipmunkItem {
public:
    explicit CountingItem(const ChipmunkBlueprint* blueprint)
        : ChipmunkItem(blueprint, MathStuff::Vector3<float>(0, 50, 0), 0), pre(0), steps(0), post(0) {}
    void prePhysics() override { ++pre; ChipmunkItem::prePhysics(); }
    void updateForces(float dt) override { ++steps; ChipmunkItem::updateForces(dt); }
    void postPhysics() override { ++post; ChipmunkItem::postPhysics(); }
    int pre, steps, post;
};

// Keeps every contact it gets and whether the engine was inside its step;
// with removeA (removeB) it deletes item a (b) and says so.
class Recorder : public I_CollisionHandler {
public:
    explicit Recorder(cpSpace* space)
        : space(space), insideStep(false), removeA(false), removeB(false), report(true) {}
    std::uint16_t collision(ChipmunkItem* a, ChipmunkItem* b, const Info& info) override
    {
        insideStep = insideStep || cpSpaceIsLocked(space);
        got.push_back(Contact{a, b, info});
        ChipmunkItem* gone = removeA ? a : (removeB ? b : nullptr);
        if (!gone)
            return 0;
        delete gone;
        return report ? (removeA ? REMOVED_A : REMOVED_B) : 0;
    }
    struct Contact {
        ChipmunkItem* a;
        ChipmunkItem* b;
        Info info;
    };
    cpSpace* space;
    bool insideStep;
    bool removeA;
    bool removeB;
    // Whether a removal is reported in the result.
    bool report;
    std::vector<Contact> got;
};

class ChipmunkWorldTest : public PhysicsTest::WorldFixture {
protected:
    // Sub-steps run by each update of the given milliseconds.
    std::vector<int> stepsPerUpdate(const std::string& levelFile, long ms, int updates)
    {
        return stepsPerUpdate(levelFile, std::vector<long>(updates, ms));
    }

    // Sub-steps run by each update, one update per entry of milliseconds.
    std::vector<int> stepsPerUpdate(const std::string& levelFile, const std::vector<long>& updates)
    {
        EXPECT_TRUE(build(levelFile));
        const Physics::ChipmunkBlueprint ball("ball", dataFile("bp_ball.cfg"));
        CountingItem* item = new CountingItem(&ball);
        items.push_back(std::unique_ptr<ChipmunkItem>(item));
        world->addItem(item);
        std::vector<int> steps;
        for (std::size_t i = 0; i < updates.size(); ++i) {
            const int before = item->steps;
            world->update(updates[i]);
            steps.push_back(item->steps - before);
            EXPECT_EQ(item->pre, int(i) + 1);
            EXPECT_EQ(item->post, int(i) + 1);
        }
        items.clear();
        return steps;
    }
};

TEST_F(ChipmunkWorldTest, FixedDeltaRunsOneSubStepPerUpdate)
{
    EXPECT_EQ(stepsPerUpdate("level_drop.cfg", 1000, 3), (std::vector<int>{1, 1, 1}));
}

TEST_F(ChipmunkWorldTest, ElapsedTimeRunsSubStepsCarryingTheRemainder)
{
    EXPECT_EQ(stepsPerUpdate("level_steps2.cfg", 20, 5), (std::vector<int>{2, 2, 3, 2, 2}));
}

TEST_F(ChipmunkWorldTest, ZeroMillisecondsRunsOnlyPreAndPostPhysics)
{
    EXPECT_EQ(stepsPerUpdate("level_steps2.cfg", 0, 2), (std::vector<int>{0, 0}));
}

TEST_F(ChipmunkWorldTest, SubStepsThatCannotCountDownRunNone)
{
    for (const char* steps : {"0", "-1", "1e39", "1e30"}) {
        SCOPED_TRACE(steps);
        CFG::getDefaultOverrides()->add("TIME_STEPS", steps);
        world.reset(new Physics::ChipmunkWorld);
        factory.resetRecords();
        EXPECT_EQ(stepsPerUpdate("level_steps2.cfg", 20, 3), (std::vector<int>{0, 0, 0}));
    }
}

TEST_F(ChipmunkWorldTest, OneUpdateRunsAtMostAThousandSubSteps)
{
    // 16 s of game time per update: 1920 sub-steps of 1/120 s.
    CFG::getDefaultOverrides()->add("TIME_ADJUST", "1000");
    EXPECT_EQ(stepsPerUpdate("level_steps2.cfg", 16, 2), (std::vector<int>{1000, 1000}));
    CFG::getDefaultOverrides()->add("TIME_ADJUST", "");
}

TEST_F(ChipmunkWorldTest, UnreadablePhysicsFileFailsTheCreate)
{
    Physics::LevelFile level;
    ASSERT_TRUE(level.load(dataFile("level_no_physics.cfg")));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(world->create(&factory, level));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no_such_physics.cfg"), std::string::npos);
    std::vector<ChipmunkItem*> made;
    EXPECT_EQ(factory.getRecords(made), 0);
}

TEST_F(ChipmunkWorldTest, CreateReadsThePhysicsFileAndMakesTheItems)
{
    ASSERT_TRUE(build("level_drop.cfg"));
    // "nothing" has no blueprint.
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->getName(), "floor");
    EXPECT_EQ(items[1]->getName(), "ball");
    EXPECT_EQ(items[1]->getSpace(), world->getSpace());
    float gx = 1, gy = 1;
    world->getGravity(gx, gy);
    EXPECT_EQ(gx, 0.0f);
    EXPECT_EQ(gy, -100.0f);
    EXPECT_EQ(cpSpaceGetIterations(world->getSpace()), 10);
    EXPECT_DOUBLE_EQ(cpSpaceGetCollisionSlop(world->getSpace()), 0.1f);
}

TEST_F(ChipmunkWorldTest, LandingBallReachesItsHandlerAfterTheStep)
{
    ASSERT_TRUE(build("level_drop.cfg"));
    Recorder handler(world->getSpace());
    world->registerCollisionHandler(2, 1, &handler);
    run(60);
    ASSERT_FALSE(handler.got.empty());
    EXPECT_FALSE(handler.insideStep);
    const Recorder::Contact& first = handler.got[0];
    EXPECT_EQ(first.a, items[1].get());
    EXPECT_EQ(first.b, items[0].get());
    EXPECT_EQ(first.info.itemA, items[1].get());
    EXPECT_EQ(first.info.shapeA, items[1]->getShapes()[0].first);
    EXPECT_EQ(first.info.shapeB, items[0]->getShapes()[0].first);
    EXPECT_GT(first.info.impulse, 0.0);
    EXPECT_EQ(items[1]->getBodyName(first.info.shapeA), "BALL");
}

TEST_F(ChipmunkWorldTest, PairRegisteredAgainTheOtherWayRoundGivesItsOwnOrder)
{
    ASSERT_TRUE(build("level_drop.cfg"));
    Recorder first(world->getSpace());
    Recorder second(world->getSpace());
    world->registerCollisionHandler(1, 2, &first);
    world->registerCollisionHandler(2, 1, &second);
    // A null handler changes nothing.
    world->registerCollisionHandler(2, 1, nullptr);
    run(60);
    EXPECT_TRUE(first.got.empty());
    ASSERT_FALSE(second.got.empty());
    EXPECT_EQ(second.got[0].a, items[1].get());
    EXPECT_EQ(second.got[0].b, items[0].get());
    EXPECT_EQ(second.got[0].info.shapeA, items[1]->getShapes()[0].first);
}

TEST_F(ChipmunkWorldTest, ItemAddedTwiceIsListedOnce)
{
    ASSERT_TRUE(build("level_drop.cfg"));
    const ChipmunkBlueprint ball("ball", dataFile("bp_ball.cfg"));
    CountingItem* item = new CountingItem(&ball);
    items.push_back(std::unique_ptr<ChipmunkItem>(item));
    world->addItem(item);
    world->addItem(item);
    run(1);
    EXPECT_EQ(item->pre, 1);
    // Once deleted, the world no longer reaches it.
    items.pop_back();
    run(1);
}

TEST_F(ChipmunkWorldTest, IterationsOutsideOneToAThousandGiveTheEnginesDefault)
{
    const struct {
        const char* text;
        int iterations;
        bool message;
    } cases[] = {{"1", 1, false}, {"1000", 1000, false}, {"0", 10, true}, {"1001", 10, true},
                 {"2000000000", 10, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CFG::getDefaultOverrides()->add("ITERATIONS", c.text);
        world.reset(new Physics::ChipmunkWorld);
        items.clear();
        factory.resetRecords();
        testing::internal::CaptureStderr();
        ASSERT_TRUE(build("level_drop.cfg"));
        EXPECT_EQ(testing::internal::GetCapturedStderr().find("ITERATIONS") != std::string::npos, c.message);
        EXPECT_EQ(cpSpaceGetIterations(world->getSpace()), c.iterations);
        items.clear();
    }
    CFG::getDefaultOverrides()->add("ITERATIONS", "");
}

TEST_F(ChipmunkWorldTest, HashCellCountBeyondReasonUsesTheEnginesOwnIndex)
{
    CFG::getDefaultOverrides()->add("ACTIVE_HASH_CNT", "2000000000");
    testing::internal::CaptureStderr();
    ASSERT_TRUE(build("level_drop.cfg"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("ACTIVE_HASH_CNT"), std::string::npos);
    run(10);
    CFG::getDefaultOverrides()->add("ACTIVE_HASH_CNT", "");
}

TEST_F(ChipmunkWorldTest, ContactOfAnItemAnEarlierHandlerRemovedGetsNull)
{
    // On either side, reported or not, a removal reaches no later contact.
    for (bool sideA : {true, false}) {
        for (bool report : {true, false}) {
            SCOPED_TRACE(std::string(sideA ? "side a" : "side b") + (report ? ", reported" : ""));
            items.clear();
            world.reset(new Physics::ChipmunkWorld);
            factory.resetRecords();
            ASSERT_TRUE(build("level_steps2.cfg"));
            add("floor", 0, 0);
            ChipmunkItem* twin = take(add("twin", 0, 1.5f));
            Recorder handler(world->getSpace());
            handler.removeA = sideA;
            handler.removeB = !sideA;
            handler.report = report;
            // The twin's circles are of type 2, the floor of type 1.
            if (sideA)
                world->registerCollisionHandler(2, 1, &handler);
            else
                world->registerCollisionHandler(1, 2, &handler);
            run(60);
            ASSERT_EQ(handler.got.size(), 2u);
            const Recorder::Contact& first = handler.got[0];
            const Recorder::Contact& second = handler.got[1];
            EXPECT_EQ(sideA ? first.a : first.b, twin);
            EXPECT_EQ(sideA ? second.a : second.b, nullptr);
            EXPECT_EQ(sideA ? second.info.itemA : second.info.itemB, twin);
            EXPECT_NE(sideA ? second.b : second.a, nullptr);
            EXPECT_EQ(PhysicsTest::countBodies(world->getSpace()), 0);
            items.clear(); // before the handler goes
        }
    }
}

TEST_F(ChipmunkWorldTest, ItemRemovedDirectlyLeavesTheSpaceAndForgetsTheWorld)
{
    ASSERT_TRUE(build("level_drop.cfg"));
    ChipmunkItem* ball = add("ball", 0, 5);
    const int before = PhysicsTest::countBodies(world->getSpace());
    world->removeItem(ball);
    EXPECT_EQ(ball->getSpace(), nullptr);
    EXPECT_EQ(PhysicsTest::countBodies(world->getSpace()), before - 1);
    // The item goes after the world: its destructor must not reach it.
    world.reset();
    items.clear();
}

TEST_F(ChipmunkWorldTest, BankTooLargeToCountDownIsDroppedWithOneMessage)
{
    const struct {
        const char* key;
        const char* value;
        const char* level;
        std::vector<long> ms;
        std::vector<int> steps;
    } cases[] = {
        // A five-minute stall at a thousand times the speed; then 16 s a frame.
        {"TIME_ADJUST", "1000", "level_steps2.cfg", {300000, 300000, 16}, {0, 0, 1000}},
        // Each update banks a million seconds: nothing runs, but it is said once.
        {"TIME_FIXED_DELTA", "0.000001", "level_drop.cfg", {16, 16}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        CFG::getDefaultOverrides()->add(c.key, c.value);
        world.reset(new Physics::ChipmunkWorld);
        factory.resetRecords();
        testing::internal::CaptureStderr();
        EXPECT_EQ(stepsPerUpdate(c.level, c.ms), c.steps);
        const std::string said = testing::internal::GetCapturedStderr();
        CFG::getDefaultOverrides()->add(c.key, "");
        const std::string line = "too much to count down";
        ASSERT_NE(said.find(line), std::string::npos) << said;
        EXPECT_EQ(said.find(line, said.find(line) + 1), std::string::npos) << said;
    }
}

TEST_F(ChipmunkWorldTest, RefusedDataStepsWithoutAnAbort)
{
    testing::internal::CaptureStderr();
    ASSERT_TRUE(build("level_refused.cfg"));
    const std::string err = testing::internal::GetCapturedStderr();
    for (const char* key : {"ITERATIONS", "COLLISION_SLOP", "GRAVITY", "GRAB_MAX_FORCE",
                            "GRAB_OLD_VEL_WEIGHTING", "ACTIVE_HASH_DIM", "position of ball"})
        EXPECT_NE(err.find(key), std::string::npos) << key;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(cpSpaceGetIterations(world->getSpace()), 10);
    float gx = 1, gy = 1;
    world->getGravity(gx, gy);
    EXPECT_EQ(gx, 0.0f);
    EXPECT_EQ(gy, 0.0f);
    world->mouseGrab(0, 0, true);
    world->mouseMove(3, 3);
    run(120);
    std::vector<MathStuff::Orientation<float> > at;
    items[1]->getPositions(at);
    for (const MathStuff::Orientation<float>& o : at)
        EXPECT_TRUE(std::isfinite(o.position.x) && std::isfinite(o.position.y));
}

TEST_F(ChipmunkWorldTest, ItemsOutlivingTheWorldLeaveItQuietly)
{
    ASSERT_TRUE(build("level_drop.cfg"));
    run(2);
    world.reset();
    EXPECT_EQ(items[1]->getSpace(), nullptr);
}

} // namespace
