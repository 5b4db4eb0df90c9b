#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkBlueprint.h"
#include "physics/I_PhysicalEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "ExpectVector.h"
#include "PhysicsTestData.h"

namespace {

using Physics::ChipmunkBlueprint;
using Physics::ChipmunkItem;
using PhysicsTest::countBodies;
using PhysicsTest::countConstraints;
using PhysicsTest::countShapes;
using PhysicsTest::dataFile;
typedef ChipmunkItem::XYPart XY;

// Drives a body at a fixed velocity, pushed by a fixed force, and counts how
// often it was asked.
class FixedVelocity : public Physics::I_PhysicalEngine {
public:
    FixedVelocity(double vx, double vy) : vx(vx), vy(vy), fx(0), fy(0), calls(0) {}
    void timePassed(float) override { ++calls; }
    void getTorque(double, double&) override {}
    void getForce(double& x, double& y) override { x = fx; y = fy; }
    void getVelocity(double& x, double& y) override { x = vx; y = vy; }
    double vx, vy, fx, fy;
    int calls;
};

class ChipmunkItemTest : public ::testing::Test {
protected:
    ChipmunkItemTest()
        : ball("ball", dataFile("bp_ball.cfg")), floor("floor", dataFile("bp_floor.cfg")),
          chain("chain", dataFile("bp_chain.cfg")), space(cpSpaceNew())
    {
    }
    ~ChipmunkItemTest() override { cpSpaceFree(space); }

    std::unique_ptr<ChipmunkItem> make(const ChipmunkBlueprint& blueprint, float x = 0, float y = 0)
    {
        return std::unique_ptr<ChipmunkItem>(new ChipmunkItem(&blueprint, MathStuff::Vector3<float>(x, y, 0), 0));
    }

    ChipmunkBlueprint ball, floor, chain;
    cpSpace* space;
};

TEST_F(ChipmunkItemTest, AnswersMissingBodiesAndForeignShapesWithNothing)
{
    std::unique_ptr<ChipmunkItem> a = make(ball), b = make(ball);
    EXPECT_EQ(a->getName(), "ball");
    EXPECT_EQ(a->getBodyIndex("BALL"), 0);
    EXPECT_EQ(a->getBodyIndex("NOSE"), -1);
    EXPECT_EQ(a->getBodyName(a->getShapes()[0].first), "BALL");
    EXPECT_EQ(a->getBodyName(b->getShapes()[0].first), "");
    EXPECT_EQ(a->getBodyName(nullptr), "");
    // Operations on a name no body has change nothing.
    a->setBodyVelocity("NOSE", XY(1, 1));
    a->removeBody("NOSE");
    a->setBodyMass("NOSE", -1);
    std::vector<XY> v;
    a->getVelocities(v);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].x, 0.0f);
    EXPECT_EQ(a->getBodyNames().size(), 1u);
}

TEST_F(ChipmunkItemTest, RemovingTheFirstOfThreeBodiesKeepsOrderAndEngines)
{
    std::unique_ptr<ChipmunkItem> item = make(chain);
    item->addToSpace(nullptr, space);
    FixedVelocity belly(1, 0), foot(0, 1);
    item->setEngine("BELLY", &belly);
    item->setEngine("FOOT", &foot);
    std::vector<MathStuff::Orientation<float> > before;
    item->getPositions(before);

    item->removeBody("HEAD");
    EXPECT_EQ(item->getBodyNames(), (std::vector<std::string>{"BELLY", "FOOT"}));
    std::vector<MathStuff::Orientation<float> > after;
    item->getPositions(after);
    ASSERT_EQ(after.size(), 2u);
    TestSupport::expectVec(after[0].position, before[1].position.x, before[1].position.y, 0);
    TestSupport::expectVec(after[1].position, before[2].position.x, before[2].position.y, 0);
    // The pin and gear to the head went with it, and the head's two polygons.
    EXPECT_EQ(item->getConstraints().size(), 2u);
    EXPECT_EQ(countConstraints(space), 2);
    EXPECT_EQ(item->getShapes().size(), 5u);
    EXPECT_EQ(countShapes(space), 5);
    EXPECT_EQ(countBodies(space), 2);

    item->updateForces(1.0f / 60);
    std::vector<XY> v;
    item->getVelocities(v);
    EXPECT_EQ(belly.calls, 1);
    EXPECT_EQ(foot.calls, 1);
    EXPECT_EQ(v[0].x, 1.0f);
    EXPECT_EQ(v[1].y, 1.0f);
}

TEST_F(ChipmunkItemTest, ForcesAreThoseOfTheLastStepThoughTheEngineClearedThem)
{
    std::unique_ptr<ChipmunkItem> item = make(chain);
    item->addToSpace(nullptr, space);
    FixedVelocity foot(0, 0);
    foot.fx = 3;
    foot.fy = -4;
    item->setEngine("FOOT", &foot);
    item->removeBody("HEAD"); // the forces follow the bodies left
    item->updateForces(1.0f / 60);
    cpSpaceStep(space, 1.0 / 60);
    std::vector<XY> forces;
    item->getForces(forces);
    ASSERT_EQ(forces.size(), 2u);
    EXPECT_EQ(forces[0].x, 0.0f);
    EXPECT_EQ(forces[1].x, 3.0f);
    EXPECT_EQ(forces[1].y, -4.0f);
}

TEST_F(ChipmunkItemTest, StaticBodyStaysOutOfTheSpaceWhileItsShapesGoIn)
{
    std::unique_ptr<ChipmunkItem> item = make(floor);
    item->addToSpace(nullptr, space);
    EXPECT_EQ(item->getSpace(), space);
    EXPECT_FALSE(cpSpaceContainsBody(space, item->getBodies()[0]));
    EXPECT_TRUE(cpSpaceContainsShape(space, item->getShapes()[0].first));
    item->removeFromSpace();
    EXPECT_EQ(countShapes(space), 0);
    EXPECT_EQ(item->getSpace(), nullptr);
}

TEST_F(ChipmunkItemTest, DestructorEmptiesTheSpace)
{
    {
        std::unique_ptr<ChipmunkItem> a = make(chain), b = make(floor);
        a->addToSpace(nullptr, space);
        b->addToSpace(nullptr, space);
        EXPECT_EQ(countBodies(space), 3);
        EXPECT_EQ(countShapes(space), 8);
        EXPECT_EQ(countConstraints(space), 4);
        cpSpaceStep(space, 1.0 / 60);
    }
    EXPECT_EQ(countBodies(space), 0);
    EXPECT_EQ(countShapes(space), 0);
    EXPECT_EQ(countConstraints(space), 0);
}

TEST_F(ChipmunkItemTest, OrientationFollowsTheBodyAngle)
{
    std::unique_ptr<ChipmunkItem> item = make(ball, 3, 4);
    item->setBodyAngle("BALL", float(M_PI / 2));
    std::vector<MathStuff::Orientation<float> > o;
    item->getPositions(o);
    ASSERT_EQ(o.size(), 1u);
    TestSupport::expectVec(o[0].position, 3, 4, 0);
    TestSupport::expectVec(o[0].direction, 0, 1, 0);
    TestSupport::expectVec(o[0].up, -1, 0, 0);
    TestSupport::expectVec(o[0].scale, 1, 1, 1);
    std::vector<float> angles;
    item->getAngles(angles);
    EXPECT_NEAR(angles[0], M_PI / 2, 1e-6);
}

TEST_F(ChipmunkItemTest, ImpulseActsInTheBodysFrameAtEveryAngle)
{
    // Mass 1, moment 10: j (1, 0) at r (0, 1) gives spin -0.1 in every frame.
    struct Case { double angle, vx, vy; };
    const Case cases[] = {{0, 1, 0}, {M_PI / 2, 0, 1}, {M_PI, -1, 0}, {3 * M_PI / 2, 0, -1}};
    for (const Case& c : cases) {
        std::unique_ptr<ChipmunkItem> item = make(ball);
        item->setBodyAngle("BALL", float(c.angle));
        item->applyImpulse("BALL", XY(1, 0), XY(0, 1));
        std::vector<XY> v;
        std::vector<float> spins;
        item->getVelocities(v);
        item->getSpins(spins);
        EXPECT_NEAR(v[0].x, c.vx, 1e-6) << c.angle;
        EXPECT_NEAR(v[0].y, c.vy, 1e-6) << c.angle;
        EXPECT_NEAR(spins[0], -0.1, 1e-6) << c.angle;
    }
}

TEST_F(ChipmunkItemTest, SettersIgnoreValuesThatAreNotFinite)
{
    std::unique_ptr<ChipmunkItem> item = make(ball);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    item->setBodyVelocity("BALL", XY(2, 3));
    item->setBodyVelocity("BALL", XY(nan, 0));
    item->setBodyVelocity("BALL", XY(0, inf));
    item->setBodySpin("BALL", 1.5f);
    item->setBodySpin("BALL", nan);
    item->setBodyAngle("BALL", inf);
    item->applyImpulse("BALL", XY(inf, 0), XY(0, 0));
    std::vector<XY> v;
    std::vector<float> spins, angles;
    item->getVelocities(v);
    item->getSpins(spins);
    item->getAngles(angles);
    EXPECT_EQ(v[0].x, 2.0f);
    EXPECT_EQ(v[0].y, 3.0f);
    EXPECT_EQ(spins[0], 1.5f);
    EXPECT_EQ(angles[0], 0.0f);
}

TEST_F(ChipmunkItemTest, MassMinusOneTakesTheBodyOutAndAFiniteMassBringsItBack)
{
    std::unique_ptr<ChipmunkItem> item = make(ball);
    item->addToSpace(nullptr, space);
    cpBody* body = item->getBodies()[0];
    item->setBodyMass("BALL", -1);
    EXPECT_FALSE(cpSpaceContainsBody(space, body));
    EXPECT_TRUE(cpSpaceContainsShape(space, item->getShapes()[0].first));
    item->setBodyMass("BALL", 4);
    EXPECT_TRUE(cpSpaceContainsBody(space, body));
    EXPECT_DOUBLE_EQ(cpBodyGetMass(body), 4.0);
    EXPECT_DOUBLE_EQ(cpBodyGetMoment(body), 10.0);
    item->setBodyMass("BALL", 0);
    EXPECT_DOUBLE_EQ(cpBodyGetMass(body), 4.0);
    cpSpaceStep(space, 1.0 / 60);
}

TEST_F(ChipmunkItemTest, BodyStaysDynamicWhileAJointNeedsItToMove)
{
    std::unique_ptr<ChipmunkItem> item = make(chain);
    item->addToSpace(nullptr, space);
    item->setBodyMass("BELLY", -1);
    EXPECT_EQ(countBodies(space), 2);
    testing::internal::CaptureStderr();
    // The pin and the gear to the belly would join two bodies that cannot move.
    item->setBodyMass("HEAD", -1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("HEAD"), std::string::npos);
    EXPECT_TRUE(cpSpaceContainsBody(space, item->getBodies()[0]));
    cpSpaceStep(space, 1.0 / 60);
}

TEST_F(ChipmunkItemTest, CollisionFlagsLastUntilPrePhysics)
{
    std::unique_ptr<ChipmunkItem> item = make(ball);
    item->addCollision(3);
    item->addCollision(3);
    EXPECT_TRUE(item->hasCollision(3));
    EXPECT_FALSE(item->hasCollision(4));
    item->prePhysics();
    EXPECT_FALSE(item->hasCollision(3));
}

} // namespace
