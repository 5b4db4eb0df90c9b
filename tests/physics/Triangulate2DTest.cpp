#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "physics/Triangulate2D.h"

namespace {

typedef MathStuff::Vector3<float> Vec;
typedef Geometry::Triangulate2D::Points Points;
typedef Geometry::Triangulate2D::Triangles Triangles;

// Points in the x-y plane.
Points xy(const std::vector<std::pair<float, float> >& pairs)
{
    Points points;
    for (const auto& p : pairs)
        points.push_back(Vec(p.first, p.second, 0.0f));
    return points;
}

// A regular n-gon of radius 1, clockwise in x-y.
Points clockwiseNgon(int n)
{
    Points points;
    for (int i = 0; i < n; ++i) {
        const double a = -2.0 * M_PI * i / n;
        points.push_back(Vec(static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a)), 0.0f));
    }
    return points;
}

// Twice the signed area of a triangle in x-y.
float cross(const Vec& a, const Vec& b, const Vec& c)
{
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

float outlineArea(const Points& points)
{
    float twice = 0.0f;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Vec& a = points[i];
        const Vec& b = points[(i + 1) % points.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2.0f;
}

// The area the triangles cover, each counted once; a triangle wound against the
// others would cancel rather than add.
float coveredArea(const Points& points, const Triangles& triangles)
{
    float twice = 0.0f;
    for (const MathStuff::TriIndex& t : triangles)
        twice += cross(points[t.a], points[t.b], points[t.c]);
    return std::fabs(twice) / 2.0f;
}

struct Case {
    std::string name;
    Points points;
    bool ccw;
    bool cut;
};

TEST(Triangulate2D, CutsSimpleOutlinesIntoNMinusTwoTrianglesCoveringTheirArea)
{
    const std::vector<Case> cases{
        {"triangle", xy({{0, 0}, {0, 1}, {1, 0}}), false, true},
        {"clockwise square", xy({{0, 0}, {0, 1}, {1, 1}, {1, 0}}), false, true},
        {"counter-clockwise square asked as such", xy({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), true, true},
        {"hexagon", clockwiseNgon(6), false, true},
        {"37-gon", clockwiseNgon(37), false, true},
        {"L shape", xy({{0, 0}, {0, 3}, {1, 3}, {1, 1}, {3, 1}, {3, 0}}), false, true},
        {"dart", xy({{0, 0}, {-2, 3}, {0, 1}, {2, 3}}), false, true},
        {"comb", xy({{0, 0}, {0, 2}, {1, 1}, {2, 2}, {3, 1}, {4, 2}, {4, 0}}), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Geometry::Triangulate2D cutter;
        Triangles triangles;
        EXPECT_EQ(cutter.triangulateXY(c.points, c.ccw, triangles), c.cut);
        EXPECT_EQ(triangles.size(), c.points.size() - 2);
        EXPECT_NEAR(coveredArea(c.points, triangles), outlineArea(c.points), 1e-4f);
        for (const MathStuff::TriIndex& t : triangles)
            EXPECT_TRUE(t.a != t.b && t.b != t.c && t.a != t.c);
    }
}

TEST(Triangulate2D, TriangleComesBackAsItsOwnIndices)
{
    Geometry::Triangulate2D cutter;
    Triangles triangles;
    ASSERT_TRUE(cutter.triangulateXY(xy({{0, 0}, {0, 1}, {1, 0}}), false, triangles));
    ASSERT_EQ(triangles.size(), 1u);
    const MathStuff::TriIndex& t = triangles[0];
    EXPECT_EQ(t.a + t.b + t.c, 3);
    EXPECT_EQ(t.a * t.b * t.c, 0);
    EXPECT_TRUE(t.a != t.b && t.b != t.c);
}

TEST(Triangulate2D, WrongWindingAndCrossedOutlinesFailAfterOneLap)
{
    const std::vector<Case> cases{
        {"counter-clockwise square asked clockwise", xy({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), false, false},
        {"clockwise square asked counter-clockwise", xy({{0, 0}, {0, 1}, {1, 1}, {1, 0}}), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Geometry::Triangulate2D cutter;
        Triangles triangles;
        EXPECT_FALSE(cutter.triangulateXY(c.points, c.ccw, triangles));
        EXPECT_TRUE(triangles.empty());
    }
    // A bow tie: half of it runs the wrong way round, so the cut stops short.
    Geometry::Triangulate2D cutter;
    Triangles triangles;
    EXPECT_FALSE(cutter.triangulateXY(xy({{0, 0}, {0, 2}, {2, 0}, {2, 2}}), false, triangles));
    EXPECT_LT(triangles.size(), 2u);
}

TEST(Triangulate2D, FewerThanThreePointsNeedNoCut)
{
    Geometry::Triangulate2D cutter;
    Triangles triangles;
    EXPECT_TRUE(cutter.triangulateXY(Points(), false, triangles));
    EXPECT_TRUE(cutter.triangulateXY(xy({{0, 0}, {1, 1}}), false, triangles));
    EXPECT_TRUE(triangles.empty());
}

TEST(Triangulate2D, ReadsTheChosenAxes)
{
    // Clockwise in (z, y) and in (x, z); the unused axis holds values that
    // would tangle the outline if it were read.
    const Points zy{Vec(5, 0, 0), Vec(-3, 1, 0), Vec(9, 1, 1), Vec(0, 0, 1)};
    const Points xz{Vec(0, 7, 0), Vec(0, -2, 1), Vec(1, 4, 1), Vec(1, 0, 0)};
    Geometry::Triangulate2D cutter;
    Triangles triangles;
    EXPECT_TRUE(cutter.triangulateZY(zy, false, triangles));
    EXPECT_TRUE(cutter.triangulateXZ(xz, false, triangles));
    EXPECT_EQ(triangles.size(), 4u);
    EXPECT_FALSE(cutter.triangulateZY(xz, false, triangles));
}

TEST(Triangulate2D, PointOnEachEdgeOfTheCandidateTriangleBlocksTheEar)
{
    // Corner (0, 2) with neighbours (0, 0) and (2, 2); point 3 lies on one
    // edge of their triangle (the diagonal between the neighbours, or a side
    // at the corner), or just outside that edge.
    const struct {
        const char* edge;
        std::pair<float, float> on;
        std::pair<float, float> off;
    } cases[] = {
        {"diagonal", {1, 1}, {1.5f, 1}},
        {"side to the previous corner", {0, 1}, {-0.5f, 1}},
        {"side to the next corner", {1, 2}, {1, 2.5f}},
    };
    const std::vector<int> ring{4, 0, 1, 2, 3, 4, 0};
    Geometry::Triangulate2D cutter;
    Triangles unused;
    cutter.triangulateXY(Points(), false, unused); // clockwise, axes x and y
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edge);
        EXPECT_FALSE(cutter.isAnEar(2, xy({{0, 0}, {0, 2}, {2, 2}, c.on, {2, 0}}), ring));
        EXPECT_TRUE(cutter.isAnEar(2, xy({{0, 0}, {0, 2}, {2, 2}, c.off, {2, 0}}), ring));
    }
}

} // namespace
