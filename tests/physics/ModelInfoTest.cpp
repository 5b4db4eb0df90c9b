#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ExpectVector.h"
#include "physics/DisplayablePolyModel.h"
#include "physics/ModelInfo.h"
#include "physics/PolyModel.h"

namespace {

using Physics::PolyModel;
using TestSupport::expectVec;

const std::string FILE_NAME = FRELMORY_TEST_DATA_DIR "/model_parts.cfg";

std::unique_ptr<PolyModel> load(const std::string& name)
{
    Physics::ModelInfo info(FILE_NAME);
    return std::unique_ptr<PolyModel>(info.makeModel(name));
}

std::vector<std::string> names(const PolyModel& model)
{
    std::vector<std::string> out;
    for (const PolyModel::Part* part : model.getParts())
        out.push_back(part->getName());
    return out;
}

const std::vector<MathStuff::Vector3<float> >& loopPoints(const PolyModel::Part* part)
{
    return dynamic_cast<const PolyModel::PolygonPart&>(*part).points;
}

// A concrete display form, so the name list can be looked at.
class NamesOnly : public Physics::DisplayablePolyModel {
public:
    explicit NamesOnly(PolyModel* model) : Physics::DisplayablePolyModel(model) {}
    void display(const MathStuff::Orientation<float>*) override {}
    void display(const std::vector<MathStuff::Orientation<float> >&) override {}
};

TEST(ModelInfo, WidthsAreHexadecimalAndColoursKeepTheirHighBytes)
{
    const std::unique_ptr<PolyModel> model = load("WIDTHS");
    ASSERT_EQ(names(*model), (std::vector<std::string>{"w10", "wA", "wNone"}));
    const std::vector<PolyModel::Part*>& parts = model->getParts();
    EXPECT_EQ(parts[0]->width, 16.0f);
    EXPECT_EQ(parts[1]->width, 10.0f);
    EXPECT_EQ(parts[2]->width, 4294967296.0f);
    EXPECT_EQ(parts[0]->colour.red, 0x80);
    EXPECT_EQ(parts[0]->colour.green, 0xFF);
    EXPECT_EQ(parts[0]->colour.blue, 0x00);
    EXPECT_EQ(parts[0]->colour.alpha, 0xFF);
    // Missing colour: opaque white.
    EXPECT_EQ(parts[1]->colour.red, 0xFF);
    EXPECT_EQ(parts[1]->colour.alpha, 0xFF);
    EXPECT_EQ(parts[0]->kind, PolyModel::KIND_POLYGON);
    EXPECT_EQ(parts[0]->plane, PolyModel::PLANE_XY);
    expectVec(parts[0]->offset, 0, 0, 0);
}

TEST(ModelInfo, ZyPointsSwapTheirPairAndRelativePointsAddUp)
{
    const std::unique_ptr<PolyModel> model = load("POINTS");
    ASSERT_EQ(model->getParts().size(), 2u);
    const PolyModel::Part* side = model->getParts()[0];
    EXPECT_EQ(side->plane, PolyModel::PLANE_ZY);
    ASSERT_EQ(loopPoints(side).size(), 2u);
    expectVec(loopPoints(side)[0], 3, 2, 1);
    expectVec(loopPoints(side)[1], 4, 5, 6);
    expectVec(side->offset, 3, 8, 7);

    const PolyModel::Part* steps = model->getParts()[1];
    EXPECT_EQ(steps->kind, PolyModel::KIND_POLYLINE);
    const std::vector<MathStuff::Vector3<float> >& points =
        dynamic_cast<const PolyModel::PolylinePart&>(*steps).points;
    ASSERT_EQ(points.size(), 3u);
    // The first point stands where written: the others add up from it.
    expectVec(points[0], 2, 3, 0);
    expectVec(points[1], 3, 3, 0);
    expectVec(points[2], 3, 4, 0);
}

TEST(ModelInfo, CirclesTakeTheirSegmentsAndRatio)
{
    const std::unique_ptr<PolyModel> model = load("CIRCLES");
    ASSERT_EQ(model->getParts().size(), 2u);
    const auto& plain = dynamic_cast<const PolyModel::CirclePart&>(*model->getParts()[0]);
    EXPECT_EQ(plain.kind, PolyModel::KIND_CIRCLE);
    EXPECT_EQ(plain.radius, 2.0f);
    EXPECT_LE(plain.segments, 0) << "no segment count: a circle without points";
    EXPECT_EQ(plain.ratio, 1.0f);
    const auto& half = dynamic_cast<const PolyModel::CirclePart&>(*model->getParts()[1]);
    EXPECT_EQ(half.radius, 1.5f);
    EXPECT_EQ(half.segments, 8);
    EXPECT_EQ(half.ratio, 0.5f);
}

TEST(ModelInfo, OwnPartListBeatsTheCommonOneAndNamesMayRepeat)
{
    EXPECT_EQ(names(*load("UNLISTED")), std::vector<std::string>{"fallback"});
    EXPECT_EQ(names(*load("WIDTHS")).front(), "w10");

    NamesOnly twins(load("TWINS").release());
    EXPECT_EQ(twins.getPartNames(), (std::vector<std::string>{"fallback", "fallback"}));
    EXPECT_EQ(twins.getName(), "TWINS");
    EXPECT_EQ(twins.getPolyModel()->getParts().size(), 2u);
}

TEST(ModelInfo, EachUnreadablePartIsSkippedWithOneLineNamingFileAndPart)
{
    testing::internal::CaptureStderr();
    const std::unique_ptr<PolyModel> model = load("BAD");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(names(*model), std::vector<std::string>{"good"});
    const std::vector<std::string> skipped{"noPlane", "noType", "junkPoints", "hugePoint", "hugeRadius",
                                           "tooManySegs"};
    std::size_t lineStart = 0;
    for (const std::string& part : skipped) {
        const std::size_t lineEnd = errors.find('\n', lineStart);
        ASSERT_NE(lineEnd, std::string::npos) << "no line for " << part << " in:\n" << errors;
        const std::string line = errors.substr(lineStart, lineEnd - lineStart);
        EXPECT_NE(line.find(FILE_NAME), std::string::npos) << line;
        EXPECT_NE(line.find("part " + part + " "), std::string::npos) << line;
        lineStart = lineEnd + 1;
    }
    EXPECT_EQ(lineStart, errors.size()) << errors;
}

TEST(ModelInfo, MissingFileGivesModelWithoutPartsAndOneLine)
{
    const std::string missing = FRELMORY_TEST_DATA_DIR "/model_missing.cfg";
    Physics::ModelInfo info(missing);
    testing::internal::CaptureStderr();
    NamesOnly shown(info.makeModel("ANY"));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(shown.getPolyModel()->getParts().empty());
    EXPECT_TRUE(shown.getPartNames().empty());
    EXPECT_NE(errors.find(missing), std::string::npos) << errors;
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
}

} // namespace
