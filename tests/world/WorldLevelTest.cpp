#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectVector.h"
#include "WorldFixture.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorld.h"
#include "shell/MoveableItem.h"
#include "world/ModelStore.h"
#include "world/rglPolyModel.h"

namespace {

using TestSupport::expectVec;
using WorldTests::Actor;
using WorldTests::WorldFixture;

typedef MathStuff::Vector3<float> Vec;
typedef KWEP::World::PartBodyPairs Pairs;

int lines(const std::string& text)
{
    int count = 0;
    for (char c : text)
        count += c == '\n';
    return count;
}

class WorldDefinitions : public WorldFixture {};
class WorldLevel : public WorldFixture {};
class WorldUpdate : public WorldFixture {};

} // namespace

TEST_F(WorldDefinitions, RecordsAreCutAtTheMarkAndNeedThreeTokens)
{
    struct Case {
        const char* text;
        std::vector<std::string> boxNames; // names of kind VEG
        int messages;
    };
    const Case cases[] = {
        {"B1 VEG level_box.cfg", {"B1"}, 0},                          // no mark: one record
        {"ITEM: B1 VEG level_box.cfg ITEM:", {"B1"}, 0},              // a mark at the end adds nothing
        {"ITEM:ITEM:\n ITEM: \t\r\n ITEM: B1\tVEG\nlevel_box.cfg", {"B1"}, 0},
        {"ITEM: B1 VEG ITEM: B2 VEG level_box.cfg extra ITEM: B3 VEG level_box.cfg", {"B3"}, 2},
        {"", {}, 0},
    };
    for (const Case& c : cases) {
        KWEP::World defined;
        testing::internal::CaptureStderr();
        defined.defineItems(c.text);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(defined.getNames("VEG"), c.boxNames) << c.text;
        EXPECT_EQ(lines(errors), c.messages) << c.text << "\n" << errors;
        EXPECT_EQ(defined.getModelStore()->size(), static_cast<int>(c.boxNames.size())) << c.text;
    }
}

TEST_F(WorldDefinitions, LaterKindWinsAndTheFirstBlueprintAndModelServe)
{
    world->defineItems("ITEM: BOX VEG level_twobox.cfg ITEM: BOX BOSS level_box.cfg");
    EXPECT_EQ(world->getKind("BOX"), "BOSS");
    EXPECT_EQ(world->getNames("VEG"), std::vector<std::string>{"BOX"});
    EXPECT_EQ(world->getNames("BOSS"), std::vector<std::string>{"BOX"});
    ASSERT_EQ(world->getModelStore()->size(), 2);
    // Both files are read; the first of each serves.
    EXPECT_EQ(world->getModelStore()->get("BOX")->getPartNames(), (std::vector<std::string>{"L", "R"}));
    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    Physics::ChipmunkWorldItem* box = world->addItem("BOX", Vec(0, 0, 0), 0);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getChipmunkItem()->getBodyNames(), (std::vector<std::string>{"LEFT", "RIGHT"}));
    EXPECT_EQ(only("BOSS"), box);
    // Pairs of both files, in order.
    EXPECT_EQ(world->getPartBodyPairs("BOX"),
              (Pairs{{"L", "LEFT"}, {"R", "RIGHT"}, {"SIDE", "BOX"}, {"FACE", "BOX"}}));
}

TEST_F(WorldDefinitions, PartListTokensThatAreNotPartColonBodyAreSkipped)
{
    world->defineItems(WorldTests::allKinds());
    EXPECT_EQ(world->getPartBodyPairs("PAIRS"), (Pairs{{"L", "LEFT"}, {"R", "RIGHT"}}));
    EXPECT_TRUE(world->getPartBodyPairs("DECO").empty());
    EXPECT_EQ(world->getModelStore()->get("DECO")->getPartNames(), std::vector<std::string>{"FLAG"});
    EXPECT_EQ(world->getModelStore()->get("nothing"), nullptr);
}

TEST_F(WorldDefinitions, UnreadableFileAndUnknownKindAreNamedOnce)
{
    testing::internal::CaptureStderr();
    world->defineItems("ITEM: GONE VEG level_missing.cfg ITEM: ODD ODD level_box.cfg");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lines(errors), 2) << errors;
    EXPECT_NE(errors.find("level_missing.cfg"), std::string::npos) << errors;
    EXPECT_NE(errors.find("ODD"), std::string::npos) << errors;
    // The unreadable item still has an (empty) model but no blueprint.
    ASSERT_NE(world->getModelStore()->get("GONE"), nullptr);
    EXPECT_TRUE(world->getModelStore()->get("GONE")->getPartNames().empty());
    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    EXPECT_EQ(world->addItem("GONE", Vec(0, 0, 0), 0), nullptr);
    // The unknown kind makes a physical item without actor, kept by the world.
    const size_t before = listed().size();
    EXPECT_EQ(world->addItem("ODD", Vec(0, 0, 0), 0), nullptr);
    EXPECT_EQ(listed().size(), before);
}

TEST_F(WorldLevel, EveryKindGetsItsActorAndDecorationsFaceTheViewer)
{
    world->defineItems(WorldTests::allKinds());
    ASSERT_TRUE(world->genisis("level_kinds.cfg"));
    ASSERT_NE(world->getPhysicsWorld(), nullptr);
    for (const char* kind : {"CMWI", "PLAYER", "BOSS", "BANG", "BALL", "ROCK"}) {
        Physics::ChipmunkWorldItem* actor = only(kind);
        ASSERT_NE(actor, nullptr) << kind;
        EXPECT_EQ(actor->getChipmunkItem()->getName(), std::string("K_") + kind);
        EXPECT_EQ(actor->getModel(), world->getModelStore()->get(actor->getChipmunkItem()->getName()));
        EXPECT_EQ(actor->getPartIndexes(), (std::vector<int>{0, 0})) << kind;
    }
    std::vector<unsigned long> ids;
    EXPECT_EQ(world->getItems("ODD", ids), 0);
    // LEVEL: the item and the decoration DECO; VEG: the item and its decoration.
    ASSERT_EQ(world->getItems("LEVEL", ids), 2);
    Game::WorldItem* deco = world->findItem(ids[1]);
    ASSERT_NE(dynamic_cast<Game::MoveableItem*>(deco), nullptr);
    EXPECT_EQ(deco->getModel(), world->getModelStore()->get("DECO"));
    expectVec(deco->getOrientation().position, 5, 6, 7);
    expectVec(deco->getOrientation().direction, 0, 0, 1); // the level's 45 degrees are not used
    expectVec(deco->getOrientation().up, 0, 1, 0);
    EXPECT_EQ(world->getItems("VEG", ids), 2);
    // Eight actors and two decorations; the odd item, the letter and the
    // decoration-only name make no world item.
    EXPECT_EQ(listed().size(), 10u);
    world->apocalypse();
    EXPECT_EQ(world->getPhysicsWorld(), nullptr);
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(world->getItems("VEG", ids), 0);
}

TEST_F(WorldLevel, LevelThatDoesNotBuildLeavesNoPhysicsWorld)
{
    world->defineItems(WorldTests::allKinds());
    for (const char* level : {"level_missing.cfg", "level_badrecord.cfg", "level_nophysics.cfg"}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(world->genisis(level)) << level;
        EXPECT_NE(testing::internal::GetCapturedStderr(), "") << level;
        EXPECT_EQ(world->getPhysicsWorld(), nullptr) << level;
        EXPECT_TRUE(listed().empty()) << level;
    }
    // A level that builds after one that did not.
    EXPECT_TRUE(world->genisis("level_kinds.cfg"));
    EXPECT_NE(only("PLAYER"), nullptr);
}

TEST_F(WorldLevel, NewLevelOverAStandingOneEndsTheOldFirst)
{
    world->defineItems(WorldTests::allKinds());
    ASSERT_TRUE(world->genisis("level_kinds.cfg"));
    ASSERT_TRUE(world->genisis("level_kinds.cfg"));
    EXPECT_EQ(listed().size(), 10u);
    EXPECT_NE(only("PLAYER"), nullptr);
    world->update(20);
}

TEST_F(WorldLevel, ItemsAndTextsNeedALevel)
{
    world->defineItems(WorldTests::allKinds());
    EXPECT_EQ(world->addItem("K_VEG", Vec(0, 0, 0), 0), nullptr);
    EXPECT_TRUE(listed().empty());
    world->apocalypse(); // an empty world
    world->apocalypse();
    EXPECT_EQ(world->getPhysicsWorld(), nullptr);

    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    EXPECT_EQ(world->addItem("UNDEFINED", Vec(0, 0, 0), 0), nullptr);
    Physics::ChipmunkWorldItem* veg = world->addItem("K_VEG", Vec(3, 4, 0), 90);
    ASSERT_NE(veg, nullptr);
    EXPECT_EQ(only("VEG"), veg);
    std::vector<MathStuff::Orientation<float> > bodies;
    veg->getChipmunkItem()->getPositions(bodies);
    ASSERT_EQ(bodies.size(), 1u);
    expectVec(bodies[0].position, 3, 4, 0);
    expectVec(bodies[0].direction, 0, 1, 0);
}

TEST_F(WorldUpdate, MarkedItemsGoAfterTheWalkAndItemsDeletedMidWalkAreSkipped)
{
    world->defineItems(WorldTests::allKinds());
    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    Actor* victim = nullptr;
    Actor* later = nullptr;
    Actor* added = nullptr;
    std::vector<Actor*> order;
    Actor* first = new Actor([&](Actor& self) {
        order.push_back(&self);
        self.setDeleteMe(true);
        delete victim; // deleted by another's update before its turn
        victim = nullptr;
        later->setDeleteMe(true); // marked by another's update before its turn
        added = new Actor;        // appended during the walk
    });
    victim = new Actor([&](Actor& self) { order.push_back(&self); });
    later = new Actor([&](Actor& self) { order.push_back(&self); });
    Actor* keeper = new Actor([&](Actor& self) {
        order.push_back(&self);
        // The marked item is still there until the walk ends.
        if (self.updates == 1) {
            EXPECT_EQ(world->findItem(first->getID()), first);
        }
    });
    world->update(16);
    EXPECT_EQ(order, (std::vector<Actor*>{first, later, keeper}));
    EXPECT_EQ(listed(), (std::vector<Game::WorldItem*>{keeper, added}));
    EXPECT_EQ(added->updates, 0);
    world->update(16);
    EXPECT_EQ(added->updates, 1);
    EXPECT_EQ(keeper->updates, 2);
}

TEST_F(WorldUpdate, ItemThatDeletesItselfOrAMarkedItemIsNotDeletedTwice)
{
    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    Actor* marked = new Actor([](Actor& self) { self.setDeleteMe(true); });
    const unsigned long markedId = marked->getID();
    new Actor([&](Actor& self) {
        // Deletes the item already remembered for deletion.
        delete world->findItem(markedId);
        self.setDeleteMe(true);
    });
    new Actor([](Actor& self) {
        self.setDeleteMe(true);
        delete &self;
    });
    world->update(16);
    EXPECT_TRUE(listed().empty());
}

TEST_F(WorldUpdate, GetItemsForgetsTheGoneAndApocalypseEndsEverything)
{
    world->defineItems(WorldTests::allKinds());
    ASSERT_TRUE(world->genisis("level_kinds.cfg"));
    std::vector<unsigned long> ids;
    ASSERT_EQ(world->getItems("VEG", ids), 2);
    for (unsigned long id : ids)
        world->findItem(id)->setDeleteMe(true);
    world->update(16);
    EXPECT_EQ(world->getItems("VEG", ids), 0);
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(world->getItems("VEG", ids), 0);
    EXPECT_EQ(world->getItems("NO_SUCH_KIND", ids), 0);

    // An item that deletes the item after it as it goes (the list shrinks by
    // two at once), and ownerless physical items (unknown kind, the letter)
    // made during play: all before the physics world.
    struct Owner : Actor {
        ~Owner() override { delete held; }
        Actor* held = nullptr;
    };
    Owner* owner = new Owner;
    owner->held = new Actor;
    EXPECT_EQ(world->addItem("K_ODD", Vec(0, 0, 0), 0), nullptr);
    EXPECT_EQ(world->addItem("Letter", Vec(0, 0, 0), 0), nullptr);
    world->apocalypse();
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(world->getPhysicsWorld(), nullptr);
    // The definitions stay for the next level.
    EXPECT_TRUE(world->genisis("level_kinds.cfg"));
    EXPECT_EQ(listed().size(), 10u);
}
