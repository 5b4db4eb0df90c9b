#include <gtest/gtest.h>

#include <cmath>

#include "core/Matrix4x4.h"
#include "core/Orientation.h"
#include "core/Pi.h"
#include "core/Vector3.h"

namespace {

typedef MathStuff::Vector3<float> V;

void expectVector(const V& v, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

void expectColumns(const MathStuff::Matrix4x4<float>& m, const float (&expected)[16])
{
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m.m[i], expected[i], 1e-6f) << "entry " << i;
}

TEST(Vector3, OperatorsAndCrossProduct)
{
    expectVector(V(), 0, 0, 0);
    expectVector(MathStuff::crossProduct(V(1, 0, 0), V(0, 1, 0)), 0, 0, 1);
    expectVector(MathStuff::crossProduct(V(0, 1, 0), V(1, 0, 0)), 0, 0, -1);
    expectVector(MathStuff::crossProduct(V(0, 1, 0), V(0, 0, -1)), -1, 0, 0);
    expectVector(MathStuff::crossProduct(V(1, 2, 3), V(4, 5, 6)), -3, 6, -3);
    expectVector(V(5, 7, 9) - V(1, 2, 3), 4, 5, 6);
    expectVector(V(1, -2, 3) * 2.0f, 2, -4, 6);
    const V negated = -V(0, 1, -2);
    expectVector(negated, 0, -1, 2);
    EXPECT_TRUE(std::signbit(negated.x));
}

TEST(Orientation, DefaultsFaceDownTheNegativeZAxis)
{
    const MathStuff::Orientation<float> o;
    expectVector(o.position, 0, 0, 0);
    expectVector(o.direction, 0, 0, -1);
    expectVector(o.up, 0, 1, 0);
    expectVector(o.scale, 1, 1, 1);
}

TEST(Orientation, TransformationColumnsAreSideUpDirectionAndPosition)
{
    MathStuff::Matrix4x4<float> m;
    MathStuff::Orientation<float> o(V(1, 2, 3), V(0, 0, 1), V(0, 1, 0), V(1, 1, 1));
    o.getTransformation(m);
    expectColumns(m, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1});

    o.direction = V(0, 0, -1);
    o.getTransformation(m);
    expectColumns(m, {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 1, 2, 3, 1});

    // Facing +x with up +z, scaled per axis: x goes to up x direction = (0, 1, 0).
    o = MathStuff::Orientation<float>(V(0, 0, 0), V(1, 0, 0), V(0, 0, 1), V(2, 3, 4));
    o.getTransformation(m);
    expectColumns(m, {0, 2, 0, 0, 0, 0, 3, 0, 4, 0, 0, 0, 0, 0, 0, 1});
}

TEST(Matrix4x4, RotationFollowsTheRightHandAboutANormalisedAxis)
{
    MathStuff::Matrix4x4<float> a, b;
    V axis(0, 0, 2);
    a.loadRotation(90.0f, axis);
    b.loadRotation(90.0f, V(0, 0, 1));
    expectVector(axis, 0, 0, 2); // taken by value
    for (int i = 0; i < 16; ++i) EXPECT_EQ(a.m[i], b.m[i]) << "entry " << i;
    expectColumns(a, {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    const float radians = static_cast<float>(90.0f * (MathStuff::PI / 180.0));
    EXPECT_EQ(a.m[0], static_cast<float>(std::cos(radians)));
    EXPECT_NE(a.m[0], 0.0f);

    // About x by 90 degrees: y turns into z.
    a.loadRotation(90.0f, V(1, 0, 0));
    const V turned = a.rotate(V(0, 1, 0));
    EXPECT_NEAR(turned.x, 0, 1e-6f);
    EXPECT_NEAR(turned.y, 0, 1e-6f);
    EXPECT_NEAR(turned.z, 1, 1e-6f);

    // About a diagonal axis by 120 degrees: x -> y -> z.
    a.loadRotation(120.0f, V(1, 1, 1));
    const V cycled = a.rotate(V(1, 0, 0));
    EXPECT_NEAR(cycled.x, 0, 1e-6f);
    EXPECT_NEAR(cycled.y, 1, 1e-6f);
    EXPECT_NEAR(cycled.z, 0, 1e-6f);
    EXPECT_EQ(a.m[15], 1.0f);
}

} // namespace
