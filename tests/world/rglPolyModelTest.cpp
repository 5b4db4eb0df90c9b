// Line models drawn over the fake render controller, with the GL calls recorded
// (RecordingGL) in place of a driver.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ExpectVector.h"
#include "FakeRenderController.h"
#include "FakeVertexArray.h"
#include "RecordingGL.h"
#include "TestGame.h"
#include "physics/PolyModel.h"
#include "world/rglPolyModel.h"

namespace {

using Physics::PolyModel;
using TestSupport::expectVec;
typedef MathStuff::Vector3<float> Vec;
typedef std::vector<Vec> Points;
typedef MathStuff::Orientation<float> Orientation;

// Answers every vertex array request with null.
class NoArrays : public TestSupport::FakeRenderController {
public:
    Render::I_VertexArray* createVertexArray(int, bool) override { return nullptr; }
};

// Turns the recorded smoothing as the real controller turns GL's, so each
// recorded draw tells whether it was smoothed.
class SmoothingController : public TestSupport::FakeRenderController {
public:
    void smoothLines(bool on) override { RecordingGL::setSmooth(on); }
    void restoreLineSmoothing() override { RecordingGL::setSmooth(smoothing); }
};

const Points CLOCKWISE_SQUARE{Vec(0, 0, 0), Vec(0, 1, 0), Vec(1, 1, 0), Vec(1, 0, 0)};
const Points ANTICLOCKWISE_SQUARE{Vec(0, 0, 0), Vec(1, 0, 0), Vec(1, 1, 0), Vec(0, 1, 0)};

PolyModel::Part* polygon(const std::string& name, const Points& points, float width,
                         PolyModel::Colour colour = PolyModel::Colour{1, 2, 3, 4})
{
    PolyModel::Part* part = new PolyModel::PolygonPart(name, points);
    part->width = width;
    part->colour = colour;
    return part;
}

PolyModel::Part* polyline(const std::string& name, const Points& points, float width)
{
    PolyModel::Part* part = new PolyModel::PolylinePart(name, points);
    part->width = width;
    return part;
}

PolyModel::Part* circle(const std::string& name, int plane, float width, int segments)
{
    PolyModel::Part* part = new PolyModel::CirclePart(name, 2.0f, segments, 1.0f);
    part->plane = plane;
    part->width = width;
    return part;
}

PolyModel* model(const std::vector<PolyModel::Part*>& parts)
{
    PolyModel* made = new PolyModel("drawn");
    for (PolyModel::Part* part : parts)
        made->addPart(part);
    return made;
}

class rglPolyModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.runGame(nullptr, nullptr, nullptr, &renderer, nullptr);
        RecordingGL::reset();
    }

    // Every vertex the model wrote into its array: a position, then a colour.
    static const int STRIDE = 16;
    static Points written(const KWEP::rglPolyModel& shown)
    {
        const auto* array = dynamic_cast<const TestSupport::FakeVertexArray*>(shown.getVertexArray());
        Points out;
        if (!array)
            return out;
        for (int offset = 0; offset + STRIDE <= array->getBufferSize(); offset += STRIDE) {
            float xyz[3] = {0, 0, 0};
            array->getVertices(xyz, 1, offset);
            out.push_back(Vec(xyz[0], xyz[1], xyz[2]));
        }
        return out;
    }

    // The colour written with vertex i.
    static std::array<unsigned char, 4> colourOf(const KWEP::rglPolyModel& shown, int i)
    {
        std::array<unsigned char, 4> rgba{{0, 0, 0, 0}};
        shown.getVertexArray()->getData(rgba.data(), 4, i * STRIDE + 12);
        return rgba;
    }

    static Orientation at(float x, float y, float z)
    {
        Orientation o;
        o.position = Vec(x, y, z);
        return o;
    }

    SmoothingController renderer;
    TestSupport::TestGame game;
};


TEST_F(rglPolyModelTest, EachKindAndWidthGetsItsPrimitiveAndVertices)
{
    const Points triangle{Vec(0, 0, 0), Vec(0, 1, 0), Vec(1, 0, 0)};
    KWEP::rglPolyModel shown(model({
        polygon("outline", CLOCKWISE_SQUARE, 2.0f),
        polyline("path", {Vec(0, 0, 0), Vec(1, 0, 0), Vec(1, 1, 0)}, 2.0f),
        circle("ring", PolyModel::PLANE_ZY, 1.0f, 4),
        polygon("filled", triangle, 0.0f),
        circle("disc", PolyModel::PLANE_XY, 0.0f, 4),
        polyline("filled path", triangle, 0.0f),
    }));
    const std::vector<KWEP::rglPolyModel::Part*>& parts = shown.getPartRecords();
    ASSERT_EQ(parts.size(), 6u);
    struct Expected {
        unsigned int mode;
        int first;
        int count;
    };
    const std::vector<Expected> expected{{GL_LINE_LOOP, 0, 4},  {GL_LINE_STRIP, 4, 3}, {GL_LINE_LOOP, 7, 4},
                                         {GL_TRIANGLES, 11, 3}, {GL_TRIANGLES, 14, 6}, {GL_TRIANGLES, 20, 3}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(parts[i]->primitive, expected[i].mode);
        EXPECT_EQ(parts[i]->first, expected[i].first);
        EXPECT_EQ(parts[i]->count, expected[i].count);
        EXPECT_EQ(parts[i]->modelPart, static_cast<int>(i));
    }

    const auto* array = dynamic_cast<const TestSupport::FakeVertexArray*>(shown.getVertexArray());
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->getBufferSize(), 23 * STRIDE);
    EXPECT_EQ(array->vertexInfo.count, 3);
    EXPECT_EQ(array->vertexInfo.type, Render::I_VertexArray::FLOAT);
    EXPECT_EQ(array->colorInfo.count, 4);
    EXPECT_EQ(array->colorInfo.type, Render::I_VertexArray::UNSIGNED_BYTE);
    const Points v = written(shown);
    ASSERT_EQ(v.size(), 23u);
    for (int i = 0; i < 4; ++i)
        expectVec(v[i], CLOCKWISE_SQUARE[i].x, CLOCKWISE_SQUARE[i].y, CLOCKWISE_SQUARE[i].z);
    expectVec(v[6], 1, 1, 0);
    // The ZY circle runs clockwise in (z, y): from the last segment down.
    expectVec(v[7], 0, -2, 0);
    expectVec(v[8], 0, 0, -2);
    expectVec(v[9], 0, 2, 0);
    expectVec(v[10], 0, 0, 2);
    // The one triangle of the filled outline comes out reversed, so it faces +z.
    const float facing = (v[12].x - v[11].x) * (v[13].y - v[11].y) - (v[13].x - v[11].x) * (v[12].y - v[11].y);
    EXPECT_GT(facing, 0.0f);
    for (int corner = 11; corner < 14; ++corner)
        expectVec(v[corner], v[corner].x, v[corner].y, 0);
}

TEST_F(rglPolyModelTest, DrawsEachPartWithItsColoursAndPrimitiveInsideOnePush)
{
    KWEP::rglPolyModel shown(model({polygon("outline", CLOCKWISE_SQUARE, 2.0f, PolyModel::Colour{0x80, 0, 0xFF, 9}),
                                    polygon("filled", CLOCKWISE_SQUARE, 0.0f)}));
    const Orientation placed = at(5, 6, 7);
    shown.display(&placed);
    const std::vector<RecordingGL::Draw>& draws = RecordingGL::draws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].mode, static_cast<unsigned int>(GL_LINE_LOOP));
    EXPECT_EQ(draws[0].first, 0);
    EXPECT_EQ(draws[0].count, 4);
    EXPECT_EQ(draws[1].mode, static_cast<unsigned int>(GL_TRIANGLES));
    EXPECT_EQ(draws[1].first, 4);
    EXPECT_EQ(draws[1].count, 6);
    // Each part's colour goes with its vertices.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(colourOf(shown, i), (i < 4 ? std::array<unsigned char, 4>{{0x80, 0, 0xFF, 9}}
                                              : std::array<unsigned char, 4>{{1, 2, 3, 4}}))
            << "vertex " << i;
    for (const RecordingGL::Draw& draw : draws) {
        EXPECT_EQ(draw.depth, 1);
        EXPECT_EQ(draw.matrix[12], 5.0f);
        EXPECT_EQ(draw.matrix[13], 6.0f);
        EXPECT_EQ(draw.matrix[14], 7.0f);
    }
    EXPECT_EQ(RecordingGL::depth(), 0);
    const auto* array = dynamic_cast<const TestSupport::FakeVertexArray*>(shown.getVertexArray());
    EXPECT_EQ(array->uses, 2) << "one use to fill, one to draw";
}

TEST_F(rglPolyModelTest, FilledPartsInARowAtOnePlaceShareOneDraw)
{
    const Points triangle{Vec(0, 0, 0), Vec(0, 1, 0), Vec(1, 0, 0)};
    PolyModel::Part* moved = polygon("moved", triangle, 0.0f);
    moved->offset = Vec(1, 0, 0);
    KWEP::rglPolyModel shown(model({polygon("a", triangle, 0.0f, PolyModel::Colour{9, 9, 9, 9}),
                                    polygon("b", CLOCKWISE_SQUARE, 0.0f), polygon("line", CLOCKWISE_SQUARE, 1.0f),
                                    polygon("c", triangle, 0.0f), moved}));
    struct Case {
        std::vector<Orientation> at;
        std::vector<std::pair<int, int> > draws; // first vertex, count
    };
    const std::vector<Case> cases{
        // a and b at one place: one draw; the line, c, and the moved part apart.
        {{at(0, 0, 0)}, {{0, 9}, {9, 4}, {13, 3}, {16, 3}}},
        // b at a place of its own.
        {{at(0, 0, 0), at(1, 0, 0), at(1, 0, 0), at(1, 0, 0), at(1, 0, 0)},
         {{0, 3}, {3, 6}, {9, 4}, {13, 3}, {16, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at.size());
        RecordingGL::reset();
        shown.display(c.at);
        std::vector<std::pair<int, int> > drawn;
        for (const RecordingGL::Draw& draw : RecordingGL::draws())
            drawn.emplace_back(draw.first, draw.count);
        EXPECT_EQ(drawn, c.draws);
    }
}

TEST_F(rglPolyModelTest, OnlyLinePartsDrawSmoothedAndTheSmoothingIsLeftAsItWas)
{
    KWEP::rglPolyModel shown(model({polygon("filled", CLOCKWISE_SQUARE, 0.0f), polygon("loop", CLOCKWISE_SQUARE, 1.0f),
                                    polyline("strip", CLOCKWISE_SQUARE, 2.0f), polygon("after", CLOCKWISE_SQUARE, 0.0f)}));
    const Orientation placed = at(0, 0, 0);
    for (bool smooth : {true, false}) {
        SCOPED_TRACE(smooth);
        RecordingGL::reset();
        RecordingGL::setSmooth(smooth);
        renderer.smoothing = smooth;
        shown.display(&placed);
        std::vector<bool> smoothed;
        for (const RecordingGL::Draw& draw : RecordingGL::draws())
            smoothed.push_back(draw.smooth);
        EXPECT_EQ(smoothed, (std::vector<bool>{false, smooth, smooth, false}));
        EXPECT_EQ(RecordingGL::smooth(), smooth);
    }
}

TEST_F(rglPolyModelTest, OffsetIsScaledButNotTurned)
{
    PolyModel::Part* part = polygon("outline", CLOCKWISE_SQUARE, 1.0f);
    part->offset = Vec(1, 2, 3);
    KWEP::rglPolyModel shown(model({part}));
    Orientation turned(Vec(10, 20, 30), Vec(1, 0, 0), Vec(0, 1, 0), Vec(2, 3, 4));
    shown.display(&turned);
    ASSERT_EQ(RecordingGL::draws().size(), 1u);
    const std::array<float, 16>& m = RecordingGL::draws()[0].matrix;
    EXPECT_EQ(m[12], 12.0f);
    EXPECT_EQ(m[13], 26.0f);
    EXPECT_EQ(m[14], 42.0f);
    // Model z runs along the body's x, scaled by z's scale.
    EXPECT_EQ(m[8], 4.0f);
    EXPECT_EQ(m[5], 3.0f);
}

TEST_F(rglPolyModelTest, TellsTheControllerTheWidthOnlyWhenItChanges)
{
    KWEP::rglPolyModel shown(model({polygon("a", CLOCKWISE_SQUARE, 0.0f), polygon("b", CLOCKWISE_SQUARE, 2.0f),
                                    polygon("c", CLOCKWISE_SQUARE, 2.0f), polygon("d", CLOCKWISE_SQUARE, 3.0f),
                                    polygon("e", CLOCKWISE_SQUARE, 0.0f)}));
    shown.display(std::vector<Orientation>(1));
    EXPECT_EQ(renderer.lineWidths, (std::vector<float>{2.0f, 3.0f, 0.0f}));
    // Each call starts again from width 0.
    renderer.lineWidths.clear();
    shown.display(std::vector<Orientation>(1));
    EXPECT_EQ(renderer.lineWidths, (std::vector<float>{2.0f, 3.0f, 0.0f}));
}

TEST_F(rglPolyModelTest, PartThatCannotBeFilledVanishesAndTheOthersKeepTheirBodies)
{
    testing::internal::CaptureStderr();
    KWEP::rglPolyModel shown(model({polygon("left", CLOCKWISE_SQUARE, 1.0f),
                                    polygon("wrong way", ANTICLOCKWISE_SQUARE, 0.0f),
                                    polygon("right", CLOCKWISE_SQUARE, 0.0f)}));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("wrong way"), std::string::npos) << errors;
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
    EXPECT_EQ(shown.getPartNames().size(), 3u);
    ASSERT_EQ(shown.getPartRecords().size(), 2u);

    shown.display(std::vector<Orientation>{at(1, 0, 0), at(2, 0, 0), at(3, 0, 0)});
    ASSERT_EQ(RecordingGL::draws().size(), 2u);
    EXPECT_EQ(RecordingGL::draws()[0].matrix[12], 1.0f);
    EXPECT_EQ(RecordingGL::draws()[1].matrix[12], 3.0f);

    // Any other count: every part at the first.
    RecordingGL::reset();
    shown.display(std::vector<Orientation>{at(4, 0, 0), at(5, 0, 0)});
    ASSERT_EQ(RecordingGL::draws().size(), 2u);
    EXPECT_EQ(RecordingGL::draws()[0].matrix[12], 4.0f);
    EXPECT_EQ(RecordingGL::draws()[1].matrix[12], 4.0f);
}

TEST_F(rglPolyModelTest, ModelWithoutPartsOrOrientationsDrawsNothing)
{
    KWEP::rglPolyModel empty(model({circle("no segments", PolyModel::PLANE_XY, 1.0f, 0)}));
    EXPECT_TRUE(empty.getPartRecords().empty());
    EXPECT_EQ(empty.getVertexArray(), nullptr);
    empty.display(std::vector<Orientation>(1));
    KWEP::rglPolyModel none(nullptr);
    none.display(std::vector<Orientation>(1));
    EXPECT_TRUE(none.getPartNames().empty());
    KWEP::rglPolyModel square(model({polygon("outline", CLOCKWISE_SQUARE, 1.0f)}));
    square.display(std::vector<Orientation>());
    square.display(static_cast<const Orientation*>(nullptr));
    EXPECT_TRUE(RecordingGL::draws().empty());
    EXPECT_TRUE(renderer.lineWidths.empty());
}

TEST(rglPolyModelWithoutArray, KeepsItsPartsAndDrawsNothing)
{
    NoArrays renderer;
    {
        TestSupport::TestGame game;
        game.runGame(nullptr, nullptr, nullptr, &renderer, nullptr);
        RecordingGL::reset();
        KWEP::rglPolyModel shown(model({polygon("outline", CLOCKWISE_SQUARE, 2.0f)}));
        EXPECT_EQ(shown.getPartRecords().size(), 1u);
        EXPECT_EQ(shown.getVertexArray(), nullptr);
        shown.display(std::vector<Orientation>(1));
        EXPECT_TRUE(RecordingGL::draws().empty());
        EXPECT_TRUE(renderer.lineWidths.empty());
    }
    // No render controller at all.
    TestSupport::TestGame bare;
    KWEP::rglPolyModel shown(model({polygon("outline", CLOCKWISE_SQUARE, 2.0f)}));
    EXPECT_EQ(shown.getPartRecords().size(), 1u);
    shown.display(std::vector<Orientation>(1));
    EXPECT_TRUE(RecordingGL::draws().empty());
}

} // namespace
