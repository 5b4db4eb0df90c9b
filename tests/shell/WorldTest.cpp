#include <gtest/gtest.h>

#include <list>
#include <stdexcept>
#include <vector>

#include "ExpectVector.h"
#include "FakeDisplayableModel.h"
#include "TestGame.h"
#include "TestWorld.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event.h"
#include "shell/I_Mover.h"
#include "shell/WorldItem.h"

namespace {

using TestSupport::expectVec;

typedef MathStuff::Vector3<float> Vec;

class Item : public Game::WorldItem {
public:
    explicit Item(Game::I_Mover* mover = nullptr, int* deletions = nullptr)
        : Game::WorldItem(mover), m_deletions(deletions) {}
    ~Item() override
    {
        if (m_deletions)
            ++*m_deletions;
    }
    void handleEvent(EVT::I_Event*) override {}

private:
    int* m_deletions;
};

// Owns a second item and deletes it with itself.
class ItemWithChild : public Item {
public:
    explicit ItemWithChild(int* deletions) : Item(nullptr, deletions), m_child(new Item(nullptr, deletions)) {}
    ~ItemWithChild() override { delete m_child; }

private:
    Item* m_child;
};

class TwoBodies : public Game::I_Mover {
public:
    void getPositions(std::vector<MathStuff::Orientation<float> >& positions) const override
    {
        positions.assign(2, MathStuff::Orientation<float>());
        positions[0].position = Vec(1, 2, 0);
        positions[1].position = Vec(5, 6, 0);
    }
};

class NoBodies : public Game::I_Mover {
public:
    void getPositions(std::vector<MathStuff::Orientation<float> >& positions) const override { positions.clear(); }
};

} // namespace

TEST(World, ItemsEnterAndLeaveTheGameWorldByThemselves)
{
    TestSupport::TestGame game;
    TestSupport::TestWorld& world = *game.testWorld();
    {
        Item a, b;
        EXPECT_EQ(world.listed(), (std::list<Game::WorldItem*>{&a, &b}));
        EXPECT_EQ(world.findItem(a.getID()), &a);
        EXPECT_EQ(world.findItem(b.getID()), &b);
        EXPECT_EQ(world.findItem(0), nullptr);
        world.removeItem(&a);
        world.removeItem(&a);
        EXPECT_EQ(world.listed(), (std::list<Game::WorldItem*>{&b}));
        EXPECT_EQ(world.findItem(a.getID()), nullptr);
    }
    EXPECT_TRUE(world.listed().empty());
}

TEST(World, RemovingTheCameraItemLeavesTheWorldWithoutOne)
{
    TestSupport::TestGame game;
    Game::I_World& world = *game.getWorld();
    Item other;
    {
        Item camera;
        world.setCameraItem(&camera);
        world.removeItem(&other);
        EXPECT_EQ(world.getCameraItem(), &camera);
    }
    EXPECT_EQ(world.getCameraItem(), nullptr);
}

TEST(World, RenderEventRunsTheRenderPass)
{
    TestSupport::TestGame game;
    EVT::Event render(EVT::EVENT_RENDER);
    EVT::EventBus::instance()->raiseEvent(&render, false);
    EXPECT_EQ(game.testWorld()->renderCount, 1);
}

TEST(World, DestructionDeletesEveryListedItemOnceEvenWhenItemsDeleteOthers)
{
    int deletions = 0;
    {
        // The game root deletes its world while it is still the game's world.
        TestSupport::TestGame game;
        new Item(nullptr, &deletions);
        new ItemWithChild(&deletions);
        new Item(nullptr, &deletions);
        ASSERT_EQ(game.testWorld()->listed().size(), 4u);
    }
    EXPECT_EQ(deletions, 4);

    // A world that is not the game's: its items cannot unlink themselves from
    // it, and one is listed twice; each is still deleted once.
    TestSupport::TestGame game;
    TestSupport::TestWorld* loose = new TestSupport::TestWorld;
    Item* twice = new Item(nullptr, &deletions);
    Item* once = new Item(nullptr, &deletions);
    for (Game::WorldItem* item : {twice, once, twice}) {
        game.getWorld()->removeItem(item);
        loose->addItem(item);
    }
    delete loose;
    EXPECT_EQ(deletions, 6);
}

TEST(World, WalkSurvivesItemsDeletedAndAddedByTheVisitedItems)
{
    TestSupport::TestGame game;
    TestSupport::TestWorld& world = *game.testWorld();
    Item* first = new Item;
    Item* second = new Item;
    Item* last = new Item;
    Item* added = nullptr;
    std::vector<Game::WorldItem*> visited;
    world.walkItems([&](Game::WorldItem* item) {
        visited.push_back(item);
        if (item != first)
            return;
        delete second; // deleted by another item's visit: skipped
        delete last;   // the end mark of the walk goes too
        added = new Item;
    });
    EXPECT_EQ(visited, (std::vector<Game::WorldItem*>{first}));
    EXPECT_EQ(world.listed(), (std::list<Game::WorldItem*>{first, added}));

    // A nested walk keeps the blanks until the outer one ends; the next walk
    // visits the item added during the last.
    visited.clear();
    bool firstGone = false;
    world.walkItems([&](Game::WorldItem* item) {
        visited.push_back(item);
        if (firstGone)
            return;
        world.walkItems([&](Game::WorldItem* inner) {
            if (inner == first) {
                delete first;
                firstGone = true;
            }
        });
        EXPECT_EQ(world.findItem(added->getID()), added);
        EXPECT_EQ(world.listed().size(), 2u);
    });
    EXPECT_EQ(visited, (std::vector<Game::WorldItem*>{first, added}));
    EXPECT_EQ(world.listed(), (std::list<Game::WorldItem*>{added}));
    delete added;
    world.walkItems([&](Game::WorldItem*) { ADD_FAILURE() << "empty world visited"; });
}

// A visitor that throws still ends its walk: the blank its removal left is
// dropped, and removals after it erase their entry at once.
TEST(World, WalkEndsWhenAVisitorThrows)
{
    TestSupport::TestGame game;
    TestSupport::TestWorld& world = *game.testWorld();
    Item* gone = new Item;
    Item kept;
    EXPECT_THROW(world.walkItems([&](Game::WorldItem* item) {
        if (item != gone)
            return;
        delete gone;
        throw std::runtime_error("visitor failed");
    }),
                 std::runtime_error);
    EXPECT_EQ(world.listed(), (std::list<Game::WorldItem*>{&kept}));
    world.removeItem(&kept);
    EXPECT_TRUE(world.listed().empty());
}

TEST(WorldItem, DrawsItsModelAtItsOrientation)
{
    TestSupport::TestGame game;
    TestSupport::FakeDisplayableModel model("m");
    Item item;
    item.render(); // no model: nothing
    item.setModel(&model);
    item.getOrientation().position = Vec(3, 4, 5);
    item.render();
    ASSERT_EQ(model.displays.size(), 1u);
    ASSERT_EQ(model.displays[0].size(), 1u);
    expectVec(model.displays[0][0].position, 3, 4, 5);
}

TEST(WorldItem, MoverPlacesOnlyTheFirstBodyWithTheItemsOffsetScaleAndQuarterTurn)
{
    TestSupport::TestGame game;
    TestSupport::FakeDisplayableModel model("m");
    TwoBodies bodies;
    Item item(&bodies);
    item.setModel(&model);
    item.getOrientation().position = Vec(10, 20, 30);
    item.getOrientation().scale = Vec(2, 3, 4);
    item.render();
    ASSERT_EQ(model.displays.size(), 1u);
    const auto& drawn = model.displays[0];
    ASSERT_EQ(drawn.size(), 2u);
    expectVec(drawn[0].position, 11, 22, 30);
    expectVec(drawn[0].scale, 2, 3, 4);
    expectVec(drawn[0].direction, 1, 0, 0); // (0, 0, -1) turned -90 degrees about (0, 1, 0)
    expectVec(drawn[1].position, 5, 6, 0);
    expectVec(drawn[1].scale, 1, 1, 1);
    expectVec(drawn[1].direction, 0, 0, -1);

    NoBodies none;
    Item empty(&none);
    empty.setModel(&model);
    empty.render();
    EXPECT_EQ(model.displays.size(), 1u);
}
