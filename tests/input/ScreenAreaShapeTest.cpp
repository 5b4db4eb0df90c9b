#include "input/ScreenAreaShape.h"

#include <gtest/gtest.h>

#include <algorithm>

using KWEP::ScreenAreaShape;

namespace
{
    struct Bounds { float minX, maxX, minY, maxY; };

    Bounds boundsOf(const ScreenAreaShape& s)
    {
        const std::vector<float>& v = s.vertices();
        Bounds b{v[0], v[0], v[1], v[1]};
        for (size_t i = 0; i < v.size(); i += 2)
        {
            b.minX = std::min(b.minX, v[i]);
            b.maxX = std::max(b.maxX, v[i]);
            b.minY = std::min(b.minY, v[i + 1]);
            b.maxY = std::max(b.maxY, v[i + 1]);
        }
        return b;
    }
}

TEST(ScreenAreaShape, EveryTriangleWindsCounterClockwise)
{
    for (int icon = -1; icon <= 10; ++icon)
    {
        ScreenAreaShape s = ScreenAreaShape::build(25, 50, 50, 20, 800, 600, icon);
        if (s.primitive() != ScreenAreaShape::TRIANGLES)
            continue;
        const std::vector<float>& v = s.vertices();
        ASSERT_EQ(v.size() % 6, 0u) << "icon " << icon;
        for (size_t i = 0; i < v.size(); i += 6)
        {
            const float cross = (v[i + 2] - v[i]) * (v[i + 5] - v[i + 1]) -
                                (v[i + 3] - v[i + 1]) * (v[i + 4] - v[i]);
            EXPECT_GT(cross, 0.0f) << "icon " << icon << " triangle " << i / 6;
        }
    }
}

TEST(ScreenAreaShape, VertexCountsAndPrimitivesByIcon)
{
    struct Row { int icon; ScreenAreaShape::Primitive primitive; int vertices; };
    const Row rows[] = {
        {0, ScreenAreaShape::TRIANGLES, 6},  {1, ScreenAreaShape::TRIANGLES, 15},
        {2, ScreenAreaShape::TRIANGLES, 15}, {3, ScreenAreaShape::TRIANGLES, 15},
        {4, ScreenAreaShape::TRIANGLES, 15}, {5, ScreenAreaShape::LINE_LOOP, 4},
        {6, ScreenAreaShape::TRIANGLES, 24}, {7, ScreenAreaShape::TRIANGLES, 15},
        {8, ScreenAreaShape::TRIANGLES, 12}, {9, ScreenAreaShape::TRIANGLES, 15},
        {10, ScreenAreaShape::TRIANGLES, 6}, {100, ScreenAreaShape::TRIANGLES, 6},
        {-1, ScreenAreaShape::TRIANGLES, 6},
    };
    for (const Row& r : rows)
    {
        ScreenAreaShape s = ScreenAreaShape::build(10, 10, 30, 30, 640, 480, r.icon);
        EXPECT_EQ(s.primitive(), r.primitive) << "icon " << r.icon;
        EXPECT_EQ(s.vertexCount(), r.vertices) << "icon " << r.icon;
    }
}

TEST(ScreenAreaShape, RectangleAndArrowsFillTheAreaInWindowPixels)
{
    // 800 x 600 window, area 25, 50, 50, 20: x 200 to 600, y 180 to 300 from the bottom.
    for (int icon : {0, 1, 2, 3, 4, 5})
    {
        Bounds b = boundsOf(ScreenAreaShape::build(25, 50, 50, 20, 800, 600, icon));
        EXPECT_FLOAT_EQ(b.minX, 200.0f) << "icon " << icon;
        EXPECT_FLOAT_EQ(b.maxX, 600.0f) << "icon " << icon;
        EXPECT_FLOAT_EQ(b.minY, 180.0f) << "icon " << icon;
        EXPECT_FLOAT_EQ(b.maxY, 300.0f) << "icon " << icon;
    }
}

TEST(ScreenAreaShape, FrameIsHalfAPercentOfTheWidthInside)
{
    // In an 800-pixel-wide window the frame is 4 pixels wide: every vertex lies on the
    // outer rectangle or on the inner one 4 pixels in.
    ScreenAreaShape s = ScreenAreaShape::build(25, 50, 50, 20, 800, 600, 6);
    const std::vector<float>& v = s.vertices();
    for (size_t i = 0; i < v.size(); i += 2)
    {
        const float x = v[i], y = v[i + 1];
        const bool onOuter = x == 200 || x == 600 || y == 180 || y == 300;
        const bool onInner = (x == 204 || x == 596) && (y == 184 || y == 296);
        EXPECT_TRUE(onOuter || onInner) << x << "," << y;
    }
}

TEST(ScreenAreaShape, FlagStandsAboveTheTopEdgeWithinTheAreaWidth)
{
    Bounds b = boundsOf(ScreenAreaShape::build(25, 50, 50, 20, 800, 600, 7));
    EXPECT_FLOAT_EQ(b.minY, 300.0f);
    EXPECT_FLOAT_EQ(b.maxY, 420.0f);
    EXPECT_GE(b.minX, 200.0f);
    EXPECT_LE(b.maxX, 600.0f);
}

TEST(ScreenAreaShape, PauseAndLetGoStandInTheMiddleOfTheirArea)
{
    // 800 x 600 window, area 25, 50, 50, 20: x 200 to 600, y 180 to 300 from the bottom.
    for (int icon : {8, 9})
    {
        Bounds b = boundsOf(ScreenAreaShape::build(25, 50, 50, 20, 800, 600, icon));
        EXPECT_NEAR((b.minX + b.maxX) / 2.0f, 400.0f, 0.01f) << "icon " << icon;
        EXPECT_GT(b.minX, 200.0f) << "icon " << icon;
        EXPECT_LT(b.maxX, 600.0f) << "icon " << icon;
        EXPECT_GT(b.minY, 180.0f) << "icon " << icon;
        EXPECT_LT(b.maxY, 300.0f) << "icon " << icon;
        EXPECT_GT(b.maxY - b.minY, 60.0f) << "icon " << icon << " is half the area's height or more";
    }
}
