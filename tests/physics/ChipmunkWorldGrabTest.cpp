#include "physics/ChipmunkWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "PhysicsWorldFixture.h"

namespace {

using Physics::ChipmunkItem;
using PhysicsTest::countConstraints;

cpBody* mouseBody(cpSpace* space)
{
    cpBody* found = nullptr;
    cpSpaceEachBody(space, [](cpBody* b, void* data) {
        if (cpBodyGetType(b) == CP_BODY_TYPE_KINEMATIC)
            *static_cast<cpBody**>(data) = b;
    }, &found);
    return found;
}

// A level with a floor at y 0 and a ball of radius 1 at (0, 10); gravity
// -100, one sub-step of 1/60 s per update, the pointer's displacement as the
// grab's velocity.
class ChipmunkWorldGrab : public PhysicsTest::WorldFixture {
protected:
    void SetUp() override { ASSERT_TRUE(build("level_drop.cfg")); }
    ChipmunkItem* floor() { return items[0].get(); }
    ChipmunkItem* ball() { return items[1].get(); }
    float ballAngle()
    {
        std::vector<float> angles;
        ball()->getAngles(angles);
        return angles[0];
    }
};

TEST_F(ChipmunkWorldGrab, NothingBeforeCreate)
{
    Physics::ChipmunkWorld fresh;
    fresh.mouseMove(1, 1);
    EXPECT_EQ(fresh.mouseGrab(0, 0, false), nullptr);
    EXPECT_EQ(fresh.mouseRelease(), nullptr);
}

TEST_F(ChipmunkWorldGrab, EmptySpaceAndStaticFloorGiveNullAndNoJoint)
{
    EXPECT_EQ(world->mouseGrab(50, 50, false), nullptr);
    EXPECT_EQ(world->mouseGrab(0, 0, true), nullptr);
    EXPECT_EQ(countConstraints(world->getSpace()), 0);
    EXPECT_EQ(world->mouseRelease(), nullptr);
    run(2);
}

TEST(ChipmunkWorldGrabForce, ForceBeyondTheFloatRangeOrNegativeHasNoLimit)
{
    const struct {
        const char* text;
        double force;
    } cases[] = {{"250", 250.0}, {"1e39", INFINITY}, {"-1", INFINITY}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        PhysicsTest::InSourceRoot root;
        CFG::getDefaultOverrides()->add("GRAB_MAX_FORCE", c.text);
        PhysicsTest::Factory factory;
        factory.add("ball", PhysicsTest::dataFile("bp_ball.cfg"));
        Physics::LevelFile level;
        ASSERT_TRUE(level.load(PhysicsTest::dataFile("level_drop.cfg")));
        Physics::ChipmunkWorld world;
        testing::internal::CaptureStderr();
        ASSERT_TRUE(world.create(&factory, level));
        testing::internal::GetCapturedStderr();
        std::vector<ChipmunkItem*> made;
        ASSERT_EQ(factory.getRecords(made), 1);
        ASSERT_EQ(world.mouseGrab(0, 10, false), made[0]);
        cpConstraint* joint = nullptr;
        cpSpaceEachConstraint(world.getSpace(), [](cpConstraint* j, void* data) {
            *static_cast<cpConstraint**>(data) = j;
        }, &joint);
        ASSERT_NE(joint, nullptr);
        EXPECT_EQ(cpConstraintGetMaxForce(joint), c.force);
        delete made[0];
    }
}

TEST_F(ChipmunkWorldGrab, GrabHoldsTheBallUntilRelease)
{
    EXPECT_EQ(world->mouseGrab(0, 10, false), ball());
    EXPECT_EQ(countConstraints(world->getSpace()), 1);
    run(30);
    std::vector<MathStuff::Orientation<float> > at;
    ball()->getPositions(at);
    EXPECT_NEAR(at[0].position.y, 10.0f, 0.5f);
    EXPECT_EQ(world->mouseRelease(), ball());
    EXPECT_EQ(countConstraints(world->getSpace()), 0);
    EXPECT_EQ(world->mouseRelease(), nullptr);
}

TEST_F(ChipmunkWorldGrab, RigidGrabKeepsTheAngleWhereAFreeOneSwings)
{
    // Held off centre, gravity swings a freely held ball about the pointer.
    EXPECT_EQ(world->mouseGrab(0.8f, 10, true), ball());
    EXPECT_EQ(countConstraints(world->getSpace()), 2);
    run(30);
    EXPECT_NEAR(ballAngle(), 0.0f, 0.01f);
    EXPECT_EQ(world->mouseGrab(0.8f, 10, false), ball());
    EXPECT_EQ(countConstraints(world->getSpace()), 1);
    run(30);
    EXPECT_GT(std::fabs(ballAngle()), 0.1f);
}

TEST_F(ChipmunkWorldGrab, TwoMovesBeforeASubStepMakeOneVelocity)
{
    // Held or not, the grab's velocity follows the pointer on every sub-step.
    world->mouseMove(1, 0);
    world->mouseMove(3, 0);
    world->mouseMove(std::numeric_limits<float>::quiet_NaN(), 0);
    run(1);
    ASSERT_EQ(world->mouseGrab(0, 10, false), ball());
    cpBody* mouse = mouseBody(world->getSpace());
    ASSERT_NE(mouse, nullptr);
    EXPECT_NEAR(cpBodyGetVelocity(mouse).x, 3 * 60.0, 1e-3);
    world->mouseMove(1, 10);
    world->mouseMove(2, 10);
    run(1);
    EXPECT_NEAR(cpBodyGetVelocity(mouse).x, 2 * 60.0, 1e-3);
    EXPECT_DOUBLE_EQ(cpBodyGetPosition(mouse).x, 2.0);
    run(1);
    EXPECT_DOUBLE_EQ(cpBodyGetVelocity(mouse).x, 0.0);
    world->mouseRelease();
    EXPECT_EQ(mouseBody(world->getSpace()), nullptr);
}

TEST_F(ChipmunkWorldGrab, RemovingTheHeldItemDropsTheGrab)
{
    ASSERT_EQ(world->mouseGrab(0, 10, false), ball());
    world->removeItem(floor());
    EXPECT_EQ(countConstraints(world->getSpace()), 1);
    items[1].reset();
    EXPECT_EQ(countConstraints(world->getSpace()), 0);
    EXPECT_EQ(world->mouseRelease(), nullptr);
    run(5);
}

TEST_F(ChipmunkWorldGrab, HeldBodyTurningStaticDropsTheGrab)
{
    ASSERT_EQ(world->mouseGrab(0, 10, false), ball());
    ball()->setBodyMass("BALL", -1);
    EXPECT_EQ(countConstraints(world->getSpace()), 0);
    run(5);
    EXPECT_EQ(world->mouseGrab(0, 10, false), nullptr);
}

TEST_F(ChipmunkWorldGrab, RemovingTheHeldBodyDropsTheGrab)
{
    ASSERT_EQ(world->mouseGrab(0, 10, true), ball());
    ball()->removeBody("BALL");
    EXPECT_EQ(countConstraints(world->getSpace()), 0);
    EXPECT_EQ(world->mouseRelease(), nullptr);
    run(5);
    EXPECT_EQ(world->mouseGrab(0, 10, false), nullptr);
}

} // namespace
