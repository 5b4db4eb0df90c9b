#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ExpectVector.h"
#include "FakeDisplayableModel.h"
#include "TestGame.h"
#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorldItem.h"
#include "physics/DisplayablePolyModel.h"
#include "physics/PolyModel.h"

namespace {

using Physics::PolyModel;
using TestSupport::expectVec;
typedef MathStuff::Orientation<float> Orientation;
typedef MathStuff::Vector3<float> Vec;

// Records the orientations of each display call.
class RecordingPolyModel : public Physics::DisplayablePolyModel {
public:
    explicit RecordingPolyModel(PolyModel* model) : Physics::DisplayablePolyModel(model) {}
    void display(const Orientation* orientation) override { calls.push_back(std::vector<Orientation>(1, *orientation)); }
    void display(const std::vector<Orientation>& orientations) override { calls.push_back(orientations); }
    std::vector<std::vector<Orientation> > calls;
};

PolyModel* headAndHat()
{
    PolyModel* model = new PolyModel("SNOWMAN");
    model->addPart(new PolyModel::CirclePart("head", 1.0f, 8, 1.0f));
    model->addPart(new PolyModel::CirclePart("hat", 1.0f, 8, 1.0f));
    return model;
}

class ChipmunkWorldItemTest : public ::testing::Test {
protected:
    ChipmunkWorldItemTest()
        : blueprint("SNOWMAN", FRELMORY_TEST_DATA_DIR "/model_head_hat.cfg"),
          item(new Physics::ChipmunkItem(&blueprint, Vec(10, 20, 0), 0.0f)), model(headAndHat())
    {
    }

    void bindParts() { item.setModel(&model, {{"head", "ball1"}, {"hat", "ball2"}}); }

    TestSupport::TestGame game;
    Physics::ChipmunkBlueprint blueprint;
    Physics::ChipmunkWorldItem item;
    RecordingPolyModel model;
};

TEST_F(ChipmunkWorldItemTest, IsListedInTheWorldOwnsItsItemAndFacesAlongX)
{
    const std::list<Game::WorldItem*>& listed = game.testWorld()->listed();
    EXPECT_NE(std::find(listed.begin(), listed.end(), &item), listed.end());
    EXPECT_EQ(item.getChipmunkItem()->getOwner(), &item);
    expectVec(item.getOrientation().direction, 1, 0, 0);
}

TEST_F(ChipmunkWorldItemTest, PartsFollowTheirBodiesAndARemovedBodyParksItsPart)
{
    bindParts();
    EXPECT_EQ(item.getPartIndexes(), (std::vector<int>{0, 1}));
    EXPECT_EQ(item.getPolyModel(), &model);
    item.render();
    ASSERT_EQ(model.calls.size(), 1u);
    ASSERT_EQ(model.calls[0].size(), 2u);
    expectVec(model.calls[0][0].position, 10, 20, 0);
    expectVec(model.calls[0][1].position, 10, 25, 0);

    item.removeBody("ball1");
    EXPECT_EQ(item.getPartIndexes(), (std::vector<int>{-1, 0}));
    std::vector<Orientation> parts;
    item.getPositions(parts);
    ASSERT_EQ(parts.size(), 2u);
    expectVec(parts[0].position, 0, 0, 100000);
    expectVec(parts[0].direction, 0, 0, -1);
    expectVec(parts[1].position, 10, 25, 0);
    // The item now sits on the body that is first in the list.
    expectVec(item.getOrientation().position, 10, 25, 0);

    // A name the item does not have changes nothing.
    item.removeBody("ball9");
    EXPECT_EQ(item.getPartIndexes(), (std::vector<int>{-1, 0}));
}

TEST_F(ChipmunkWorldItemTest, PartsWithoutPairOrWithAnUnknownBodyAreParked)
{
    item.setModel(&model, {{"hat", "ball7"}, {"hat", "ball1"}});
    // The first pair naming a part decides; no pair for the head.
    EXPECT_EQ(item.getPartIndexes(), (std::vector<int>{-1, -1}));
}

TEST_F(ChipmunkWorldItemTest, PositionTracksBodyZeroOnlyWhenAsked)
{
    bindParts();
    expectVec(item.getOrientation().position, 0, 0, 0);
    item.getChipmunkItem()->removeBody("ball1");
    std::vector<Orientation> parts;
    item.getPositions(parts);
    expectVec(item.getOrientation().position, 10, 25, 0);
    expectVec(item.getOrientation().direction, 1, 0, 0);
    expectVec(item.getOrientation().up, 0, 1, 0);
}

TEST_F(ChipmunkWorldItemTest, SettersOfTheWorldItemChangeNothing)
{
    TestSupport::FakeDisplayableModel other("other");
    item.setModel(&other);
    EXPECT_EQ(item.getModel(), nullptr);
    item.render(); // without a model: nothing to draw
    EXPECT_TRUE(item.getPartIndexes().empty());
    EXPECT_TRUE(other.displays.empty());

    bindParts();
    item.setModel(&other);
    EXPECT_EQ(item.getModel(), &model);

    Orientation moved;
    moved.position = Vec(1, 2, 3);
    item.setOrientation(moved);
    expectVec(item.getOrientation().position, 0, 0, 0);
}

TEST(ChipmunkWorldItem, WithoutBodiesKeepsItsOrientationAndParksEveryPart)
{
    TestSupport::TestGame game;
    Physics::ChipmunkBlueprint empty("NOTHING", FRELMORY_TEST_DATA_DIR "/model_no_bodies.cfg");
    Physics::ChipmunkWorldItem item(new Physics::ChipmunkItem(&empty, Vec(3, 4, 0), 0.0f));
    RecordingPolyModel model(headAndHat());
    item.setModel(&model, {{"head", "ball1"}});
    item.render();
    ASSERT_EQ(model.calls.size(), 1u);
    ASSERT_EQ(model.calls[0].size(), 2u);
    expectVec(model.calls[0][1].position, 0, 0, 100000);
    expectVec(item.getOrientation().position, 0, 0, 0);
    expectVec(item.getOrientation().direction, 1, 0, 0);
}

} // namespace
