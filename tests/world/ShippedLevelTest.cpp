#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <string>
#include <vector>

#include "LevelTestGame.h"
#include "WorldFixture.h"
#include "core/CFG.h"
#include "core/Info.h"
#include "core/PointsString.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorldItem.h"
#include "world/ModelStore.h"
#include "world/World.h"
#include "world/rglPolyModel.h"

namespace {

typedef MathStuff::Vector3<float> Vec;

// The shipped items and level, run from the project's root as the game runs
// from its folder.
class ShippedLevel : public ::testing::Test {
protected:
    ShippedLevel() : world(new KWEP::World), game(world) {}

    void SetUp() override
    {
        ASSERT_EQ(chdir(FRELMORY_SOURCE_DIR), 0);
        ASSERT_TRUE(CFG::setConfig("KWEP.cfg"));
        testing::internal::CaptureStderr();
        world->defineItems(CFG::get("ALL_ITEMS"));
        errors = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(world->genisis(CFG::get("LEVEL_FILE")));
    }

    Physics::ChipmunkWorldItem* only(const std::string& kind) { return WorldTests::onlyItem(*world, kind); }

    KWEP::World* world; // owned by the game root
    WorldTests::LevelTestGame game;
    std::string errors;
};

void expectNoPartParked(const Physics::ChipmunkWorldItem& item)
{
    for (int index : item.getPartIndexes())
        EXPECT_GE(index, 0) << item.getChipmunkItem()->getName();
}

// Each body at rest at (x, y) turned by z radians.
void expectResting(const Physics::ChipmunkItem& item, const std::vector<Vec>& at)
{
    std::vector<MathStuff::Orientation<float> > bodies;
    std::vector<Physics::ChipmunkItem::XYPart> velocities;
    std::vector<float> angles;
    item.getPositions(bodies);
    item.getVelocities(velocities);
    item.getAngles(angles);
    ASSERT_EQ(bodies.size(), at.size()) << item.getName();
    for (size_t i = 0; i < at.size(); ++i) {
        EXPECT_NEAR(bodies[i].position.x, at[i].x, 1.5f) << item.getName() << " body " << i;
        EXPECT_NEAR(bodies[i].position.y, at[i].y, 1.5f) << item.getName() << " body " << i;
        EXPECT_NEAR(std::hypot(velocities[i].x, velocities[i].y), 0.0f, 1.0f) << item.getName() << " body " << i;
        EXPECT_NEAR(std::remainder(angles[i], 2.0f * static_cast<float>(M_PI)), at[i].z, 0.02f)
            << item.getName() << " body " << i;
    }
}

} // namespace

TEST_F(ShippedLevel, EveryItemIsDefinedWithAllItsPartsDrawable)
{
    // Only the flying texts' letter is not shipped with the world.
    EXPECT_EQ(errors.find("Item"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("Line model"), std::string::npos) << errors;
    const std::vector<std::pair<const char*, const char*> > items{
        {"GROUND", "LEVEL"}, {"HAND", "PLAYER"}, {"CARROT", "VEG"}, {"SNOWMAN", "BOSS"}, {"ROCK", "ROCK"}};
    for (const auto& item : items) {
        EXPECT_EQ(world->getKind(item.first), item.second);
        const KWEP::rglPolyModel* model = world->getModelStore()->get(item.first);
        ASSERT_NE(model, nullptr) << item.first;
        // Filled outlines run clockwise, so every part triangulates.
        EXPECT_EQ(model->getPartRecords().size(), model->getPartNames().size()) << item.first;
        // Every part follows a body.
        const KWEP::World::PartBodyPairs pairs = world->getPartBodyPairs(item.first);
        for (const std::string& part : model->getPartNames()) {
            int bound = 0;
            for (const auto& pair : pairs)
                bound += pair.first == part;
            EXPECT_EQ(bound, 1) << item.first << " " << part;
        }
    }
    EXPECT_TRUE(world->getModelStore()->get("HAND")->getPartNames().empty());
}

TEST_F(ShippedLevel, LevelHoldsOneHandGroundAndCarrotAndTheSnowmanStands)
{
    for (const char* kind : {"PLAYER", "LEVEL", "VEG"}) {
        Physics::ChipmunkWorldItem* item = only(kind);
        ASSERT_NE(item, nullptr) << kind;
        expectNoPartParked(*item);
    }
    Physics::ChipmunkWorldItem* snowman = world->addItem("SNOWMAN", Vec(300, 0, 0), 0);
    Physics::ChipmunkWorldItem* rock = world->addItem("ROCK", Vec(150, 40, 0), 0);
    ASSERT_NE(snowman, nullptr);
    ASSERT_NE(rock, nullptr);
    expectNoPartParked(*snowman);
    expectNoPartParked(*rock);
    EXPECT_EQ(snowman->getPartIndexes().size(), 8u);

    // A landed rock would end the game and go before the five seconds are up.
    WorldTests::LevelTestGame::setKey("HIT_END_DELAY", "60000");
    for (int frame = 0; frame < 250; ++frame) // five seconds
        world->update(20);
    // The carrot rides the swing: still on the seat, clear of the ground,
    // between the swing's turns.
    std::vector<MathStuff::Orientation<float> > carrot;
    only("VEG")->getChipmunkItem()->getPositions(carrot);
    ASSERT_EQ(carrot.size(), 1u);
    EXPECT_GT(carrot[0].position.y, 20.0f);
    EXPECT_GT(carrot[0].position.x, -260.0f);
    EXPECT_LT(carrot[0].position.x, -40.0f);
    expectResting(*snowman->getChipmunkItem(), {Vec(300, 27.7f, 0), Vec(300, 72.7f, 0), Vec(300, 102.7f, 0)});
    std::vector<MathStuff::Orientation<float> > bodies;
    rock->getChipmunkItem()->getPositions(bodies);
    ASSERT_EQ(bodies.size(), 1u);
    EXPECT_NEAR(bodies[0].position.y, 8.0f, 3.0f); // on the ground, on any of its sides
}

TEST_F(ShippedLevel, SnowmansBaseIsARegularOctagonOfRadius30StandingOnAFlatSide)
{
    CFG::Info snowman("data/Config/Items/SNOWMAN.cfg", CFG::getDefaultOverrides());
    std::vector<Vec> shape, outline;
    MathStuff::PointsString points(0.0f, false);
    points.parse(snowman.get("POLY_BASE_BALL1"), shape, false);
    points.parse(snowman.get("BASE_PART_LINE_LOOP"), outline, false);
    ASSERT_EQ(shape.size(), 8u);
    ASSERT_EQ(outline.size(), 8u);
    // Counter-clockwise from the left end of the bottom side; the drawn
    // outline runs the other way round.
    const double step = M_PI / 4.0;
    for (size_t i = 0; i < 8; ++i) {
        const double angle = -M_PI / 2.0 - step / 2.0 + step * static_cast<double>(i);
        const Vec& corner = shape[i];
        EXPECT_NEAR(corner.x, 30.0 * std::cos(angle), 1e-3) << i;
        EXPECT_NEAR(corner.y, 30.0 * std::sin(angle), 1e-3) << i;
        EXPECT_NEAR(outline[7 - i].x, corner.x, 1e-6) << i;
        EXPECT_NEAR(outline[7 - i].y, corner.y, 1e-6) << i;
    }
    // The bottom side is 27.7 below the body's centre, which stands at 27.7.
    EXPECT_NEAR(shape[0].y, -27.7f, 0.02f);
    EXPECT_EQ(snowman.get("BASE_BODY_OFFSET"), "0,27.7");
}
