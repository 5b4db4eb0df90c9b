#include <gtest/gtest.h>

#include <memory>

#include "core/PointsString.h"
#include "core/PointsStringZY.h"

namespace {

typedef MathStuff::Vector3<float> V;

void expectVector(const V& v, float x, float y, float z, const std::string& what)
{
    EXPECT_FLOAT_EQ(v.x, x) << what;
    EXPECT_FLOAT_EQ(v.y, y) << what;
    EXPECT_FLOAT_EQ(v.z, z) << what;
}

TEST(PointsString, ReadsOneTokenIntoAPoint)
{
    const float d = 9;
    struct Case { const char* token; float x, y, z; float zyX, zyY, zyZ; };
    const Case cases[] = {
        {"1,2,3", 1, 2, 3, 1, 2, 3},
        {"1,2", 1, 2, d, d, 2, 1},
        {"1,,2", 1, 2, d, d, 2, 1},
        {",1,2,", 1, 2, d, d, 2, 1},
        {"x,2", 0, 2, d, d, 2, 0},
        {"12.5,-3", 12.5f, -3, d, d, -3, 12.5f},
        {"5", 0, 0, 0, 0, 0, 0},
        {",", 0, 0, 0, 0, 0, 0},
        {"", 0, 0, 0, 0, 0, 0},
        {"1,2,3,4", 0, 0, 0, 0, 0, 0},
    };
    const MathStuff::PointsString plain(d, false);
    const MathStuff::PointsStringZY zy(d);
    for (const Case& c : cases) {
        expectVector(plain.stringToPoint(c.token), c.x, c.y, c.z, c.token);
        expectVector(zy.stringToPoint(c.token), c.zyX, c.zyY, c.zyZ, std::string("zy ") + c.token);
    }
}

TEST(PointsString, ParsesBlankSeparatedListsAndHonoursAppend)
{
    MathStuff::PointsString parser(0, false);
    std::vector<V> points;
    EXPECT_TRUE(parser.parse(" 1,2\t3,4,5\r\n6,7 ", points, false));
    ASSERT_EQ(points.size(), 3u);
    expectVector(points[0], 1, 2, 0, "first");
    expectVector(points[1], 3, 4, 5, "second");
    expectVector(points[2], 6, 7, 0, "third");

    // A blank after the comma splits the point into two malformed halves.
    EXPECT_TRUE(parser.parse("1, 2", points, false));
    ASSERT_EQ(points.size(), 2u);
    expectVector(points[0], 0, 0, 0, "half");
    expectVector(points[1], 0, 0, 0, "half");

    parser.setDefault(-1);
    EXPECT_TRUE(parser.parse("8,9", points, true));
    ASSERT_EQ(points.size(), 3u);
    expectVector(points[2], 8, 9, -1, "appended");

    EXPECT_TRUE(parser.parse(" \t ", points, true));
    EXPECT_EQ(points.size(), 3u);
    EXPECT_TRUE(parser.parse("", points, false));
    EXPECT_TRUE(points.empty());
}

// parse reads every token through the virtual stringToPoint.
class DoublingParser : public MathStuff::PointsString
{
public:
    DoublingParser() : MathStuff::PointsString(0, false) {}
    V stringToPoint(const std::string& token) const override
    {
        return MathStuff::PointsString::stringToPoint(token) * 2.0f;
    }
};

TEST(PointsString, ParseUsesTheOverriddenTokenReader)
{
    std::unique_ptr<MathStuff::PointsString> parser(new DoublingParser());
    std::vector<V> points;
    parser->parse("1,2,3", points, false);
    ASSERT_EQ(points.size(), 1u);
    expectVector(points[0], 2, 4, 6, "doubled");
}

} // namespace
