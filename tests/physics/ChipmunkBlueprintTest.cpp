#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkBlueprintDetails.h"
#include "physics/ContraintFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PhysicsTestData.h"

namespace {

using Physics::ChipmunkBlueprint;
typedef ChipmunkBlueprint::Details Details;
using PhysicsTest::dataFile;

// One instance of a blueprint, freed with the fixture.
struct Instance {
    Instance(const ChipmunkBlueprint& blueprint, float x, float y, float degrees)
    {
        blueprint.create(MathStuff::Vector3<float>(x, y, 0), degrees, names, bodies, constraints, shapes);
    }
    ~Instance()
    {
        for (auto& s : shapes)
            cpShapeFree(s.first);
        for (cpConstraint* c : constraints)
            cpConstraintFree(c);
        for (cpBody* b : bodies)
            cpBodyFree(b);
    }
    std::vector<std::string> names;
    std::vector<cpBody*> bodies;
    std::vector<cpConstraint*> constraints;
    std::vector<std::pair<cpShape*, bool> > shapes;
};

std::vector<std::string> shapeNames(const Details& details)
{
    std::vector<std::string> names;
    for (const Details::ShapeInfo& s : details.shapes)
        names.push_back(s.name);
    return names;
}

TEST(ChipmunkBlueprint, PlacesBodiesAtTheTurnedOffset)
{
    const ChipmunkBlueprint blueprint("chain", dataFile("bp_chain.cfg"));
    Instance made(blueprint, 10, 5, 90);
    ASSERT_EQ(made.names, (std::vector<std::string>{"HEAD", "BELLY", "FOOT"}));
    const cpVect p = cpBodyGetPosition(made.bodies[0]);
    EXPECT_NEAR(p.x, 10.0, 1e-9);
    EXPECT_NEAR(p.y, 6.0, 1e-9);
    EXPECT_NEAR(cpBodyGetAngle(made.bodies[0]), M_PI / 2, 1e-9);
    EXPECT_NEAR(cpBodyGetRotation(made.bodies[0]).x, 0.0, 1e-9);
    EXPECT_NEAR(cpBodyGetRotation(made.bodies[0]).y, 1.0, 1e-9);
    // (0, -3) turned a quarter: (3, 0).
    EXPECT_NEAR(cpBodyGetPosition(made.bodies[1]).x, 13.0, 1e-9);
    EXPECT_DOUBLE_EQ(cpBodyGetMass(made.bodies[2]), 3.0);
    EXPECT_DOUBLE_EQ(cpBodyGetMoment(made.bodies[2]), 6.0);
}

TEST(ChipmunkBlueprint, MakesEveryJointKindAndSkipsMalformedEntries)
{
    const ChipmunkBlueprint blueprint("chain", dataFile("bp_chain.cfg"));
    const Details& d = blueprint.getDetails();
    ASSERT_EQ(d.joints.size(), 4u);
    EXPECT_EQ(d.joints[0].kind, Details::PIN);
    EXPECT_EQ(d.joints[1].kind, Details::GEAR);
    EXPECT_EQ(d.joints[2].kind, Details::RLIMIT);
    EXPECT_EQ(d.joints[3].kind, Details::DAMPED);
    EXPECT_DOUBLE_EQ(d.joints[1].first, 0.5);
    EXPECT_DOUBLE_EQ(d.joints[1].second, 2.0);
    EXPECT_DOUBLE_EQ(d.joints[2].first, -0.25);
    EXPECT_EQ(d.joints[2].bodyA, 1);
    EXPECT_EQ(d.joints[2].bodyB, 2);

    Instance made(blueprint, 0, 0, 0);
    ASSERT_EQ(made.constraints.size(), 4u);
    EXPECT_TRUE(cpConstraintIsPinJoint(made.constraints[0]));
    EXPECT_TRUE(cpConstraintIsGearJoint(made.constraints[1]));
    EXPECT_TRUE(cpConstraintIsRotaryLimitJoint(made.constraints[2]));
    ASSERT_TRUE(cpConstraintIsDampedSpring(made.constraints[3]));
    EXPECT_DOUBLE_EQ(cpDampedSpringGetRestLength(made.constraints[3]), 10.0);
    EXPECT_DOUBLE_EQ(cpDampedSpringGetStiffness(made.constraints[3]), 5.0);
    EXPECT_EQ(cpPinJointGetAnchorA(made.constraints[0]).y, -1.0);
}

TEST(ChipmunkBlueprint, ReadsShapesAndSkipsUnknownTypesAndBodies)
{
    const ChipmunkBlueprint blueprint("chain", dataFile("bp_chain.cfg"));
    const Details& d = blueprint.getDetails();
    EXPECT_EQ(shapeNames(d), (std::vector<std::string>{"head_box", "belly_zigzag", "foot_ball", "belly_plain"}));
    const Details::ShapeInfo& box = d.shapes[0];
    EXPECT_EQ(box.group, 7u);
    EXPECT_EQ(box.layers, 0x0Fu);
    EXPECT_EQ(box.collisionType, 3u);
    EXPECT_EQ(box.points.size(), 2u);
    // Defaults of keys the file leaves out.
    const Details::ShapeInfo& ball = d.shapes[2];
    EXPECT_EQ(ball.group, 0xFFFFFFFFu);
    EXPECT_EQ(ball.layers, 0xFFFFFFFFu);
    EXPECT_EQ(ball.collisionType, 0xFFFFFFFFu);
    EXPECT_FALSE(ball.isStatic);

    Instance made(blueprint, 0, 0, 0);
    // Two polygons, two relative segments (second list missing), one circle, two plain segments.
    ASSERT_EQ(made.shapes.size(), 7u);
    cpShape* circle = made.shapes[4].first;
    EXPECT_DOUBLE_EQ(cpCircleShapeGetRadius(circle), 0.5);
    EXPECT_DOUBLE_EQ(cpCircleShapeGetOffset(circle).y, 0.25);
    EXPECT_EQ(cpShapeGetCollisionType(made.shapes[0].first), cpCollisionType(3));
    EXPECT_EQ(cpShapeGetFilter(made.shapes[0].first).group, cpGroup(7));
    EXPECT_EQ(cpShapeGetFilter(made.shapes[0].first).mask, cpBitmask(0x0F));
    // The polygon's corners are moved by its offset (0.5, 0).
    cpShape* corners = made.shapes[0].first;
    double left = INFINITY, right = -INFINITY;
    for (int i = 0; i < cpPolyShapeGetCount(corners); ++i) {
        left = std::min(left, cpPolyShapeGetVert(corners, i).x);
        right = std::max(right, cpPolyShapeGetVert(corners, i).x);
    }
    EXPECT_DOUBLE_EQ(left, -0.5);
    EXPECT_DOUBLE_EQ(right, 1.5);
}

TEST(ChipmunkBlueprint, LinePointsRelativeOrInBodyCoordinates)
{
    const ChipmunkBlueprint blueprint("chain", dataFile("bp_chain.cfg"));
    Instance made(blueprint, 0, 0, 0);
    struct Case { int shape; double ax, ay, bx, by; };
    const Case cases[] = {
        {2, 2, 3, 3, 3}, {3, 3, 3, 4, 4},   // relative: (2,3) (1,0) (1,1) -> (4,4)
        {5, 0, 0, 1, 0}, {6, 1, 0, 1, 1},   // body coordinates
    };
    for (const Case& c : cases) {
        cpShape* s = made.shapes[c.shape].first;
        SCOPED_TRACE(c.shape);
        EXPECT_DOUBLE_EQ(cpSegmentShapeGetA(s).x, c.ax);
        EXPECT_DOUBLE_EQ(cpSegmentShapeGetA(s).y, c.ay);
        EXPECT_DOUBLE_EQ(cpSegmentShapeGetB(s).x, c.bx);
        EXPECT_DOUBLE_EQ(cpSegmentShapeGetB(s).y, c.by);
    }
    EXPECT_DOUBLE_EQ(cpSegmentShapeGetRadius(made.shapes[2].first), 0.25);
}

TEST(ChipmunkBlueprint, MassMinusOneGivesAStaticBodyWithStaticShapes)
{
    const ChipmunkBlueprint blueprint("floor", dataFile("bp_floor.cfg"));
    Instance made(blueprint, 0, 0, 0);
    ASSERT_EQ(made.bodies.size(), 1u);
    EXPECT_EQ(cpBodyGetType(made.bodies[0]), CP_BODY_TYPE_STATIC);
    ASSERT_EQ(made.shapes.size(), 1u);
    EXPECT_TRUE(made.shapes[0].second);
    EXPECT_TRUE(std::isinf(blueprint.getDetails().bodies[0].mass));
}

TEST(ChipmunkBlueprint, DampedSpringForceFollowsItsClamp)
{
    const ChipmunkBlueprint blueprint("chain", dataFile("bp_chain.cfg"));
    Instance made(blueprint, 0, 0, 0);
    cpConstraint* spring = made.constraints[3];
    struct Case { double clamp, dist, force; };
    const Case cases[] = {{4, 20, 5 * -4.0}, {0, 20, 5 * -10.0}, {4, 8, 5 * 2.0}, {-3, 8, 5 * -3.0}};
    for (const Case& c : cases) {
        Physics::ContraintFunctions::s_dampedSpringClampValues.add(spring, c.clamp);
        EXPECT_DOUBLE_EQ(Physics::ContraintFunctions::dampedSpringForceClamp(spring, c.dist), c.force)
            << "clamp " << c.clamp << " dist " << c.dist;
    }
}

TEST(ChipmunkBlueprint, MissingFileGivesNoPartsAndAMessage)
{
    testing::internal::CaptureStderr();
    const ChipmunkBlueprint blueprint("none", dataFile("no_such_blueprint.cfg"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no_such_blueprint.cfg"), std::string::npos);
    EXPECT_EQ(blueprint.getName(), "none");
    Instance made(blueprint, 0, 0, 0);
    EXPECT_TRUE(made.bodies.empty());
    EXPECT_TRUE(made.shapes.empty());
}

TEST(ChipmunkBlueprint, RefusesValuesTheEngineWouldAbortOnWithOneLineEach)
{
    testing::internal::CaptureStderr();
    const ChipmunkBlueprint blueprint("refused", dataFile("bp_refused.cfg"));
    const std::string err = testing::internal::GetCapturedStderr();
    const Details& d = blueprint.getDetails();
    ASSERT_EQ(d.bodies.size(), 3u);
    EXPECT_EQ(d.bodies[0].name, "GOOD");
    EXPECT_EQ(d.bodies[0].offset.x, 0.0);
    EXPECT_EQ(d.bodies[0].offset.y, 0.0);
    EXPECT_EQ(d.bodies[1].name, "STONE");
    EXPECT_TRUE(std::isinf(d.bodies[2].moment));
    for (const char* key : {"ZERO_MASS", "WORD_MASS", "HUGE_MASS", "FLAT_MOMENT", "NEGMOMENT_MOMENT",
                            "GOOD_BODY_OFFSET", "wide_LINE_WIDTH", "LINE_wide1", "LINE_wide2", "huge_RADIUS",
                            "huge_OFFSET", "slippery_FRICTION", "slippery_ELASTIC", "bouncy_NUM_POLYS",
                            "far_SURFACE", "neg_K_FORCE", "neg_DAMPING"})
        EXPECT_NE(err.find(std::string("bp_refused.cfg: ") + key), std::string::npos) << key;

    // Only the pin and spring to the static body and the gear with a turning body stand.
    ASSERT_EQ(d.joints.size(), 3u);
    EXPECT_EQ(d.joints[0].kind, Details::PIN);
    EXPECT_EQ(d.joints[0].anchorA.x, 0.0);
    EXPECT_EQ(d.joints[1].kind, Details::GEAR);
    EXPECT_EQ(d.joints[1].first, 0.0);
    EXPECT_EQ(d.joints[2].stiffness, 0.0);
    EXPECT_EQ(d.joints[2].damping, 0.0);
    EXPECT_EQ(d.shapes.size(), 5u);
    EXPECT_EQ(d.shapes[0].lineWidth, 0.0);
    EXPECT_EQ(d.shapes[0].points[0].size(), 0u);
    EXPECT_EQ(d.shapes[0].points[1].size(), 0u) << "a third number out of range refuses the point too";
    EXPECT_EQ(d.shapes[2].friction, 0.0);
    EXPECT_EQ(d.shapes[2].elasticity, 0.0);
}

} // namespace
