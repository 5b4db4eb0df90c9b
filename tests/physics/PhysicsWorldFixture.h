#ifndef TESTS_PHYSICS_PHYSICSWORLDFIXTURE_H
#define TESTS_PHYSICS_PHYSICSWORLDFIXTURE_H

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "physics/ChipmunkWorld.h"
#include "physics/I_CollisionHandler.h"
#include "physics/LevelFile.h"

#include "PhysicsTestData.h"

namespace PhysicsTest {

typedef Physics::PhysicalItemFactory<Physics::ChipmunkBlueprint, Physics::ChipmunkItem> Factory;

// A physics world built from a level file of the test data, with the
// blueprints floor, ball, twin and refused. The items it made are owned here
// and deleted before the world, as the game does.
class WorldFixture : public ::testing::Test {
protected:
    WorldFixture() : world(new Physics::ChipmunkWorld)
    {
        factory.add("floor", dataFile("bp_floor.cfg"));
        factory.add("ball", dataFile("bp_ball.cfg"));
        factory.add("twin", dataFile("bp_twin.cfg"));
        factory.add("refused", dataFile("bp_refused.cfg"));
    }

    bool build(const std::string& levelFile)
    {
        Physics::LevelFile level;
        if (!level.load(dataFile(levelFile)) || !world->create(&factory, level))
            return false;
        std::vector<Physics::ChipmunkItem*> made;
        factory.getRecords(made);
        for (Physics::ChipmunkItem* item : made)
            items.push_back(std::unique_ptr<Physics::ChipmunkItem>(item));
        return true;
    }

    // A new item of the blueprint at (x, y), added to the world and owned here.
    Physics::ChipmunkItem* add(const std::string& name, float x, float y)
    {
        Physics::ChipmunkItem* item = factory.get(name, MathStuff::Vector3<float>(x, y, 0), 0);
        world->addItem(item);
        items.push_back(std::unique_ptr<Physics::ChipmunkItem>(item));
        return item;
    }

    // Hands the item's ownership to the caller.
    Physics::ChipmunkItem* take(Physics::ChipmunkItem* item)
    {
        for (std::unique_ptr<Physics::ChipmunkItem>& owned : items)
            if (owned.get() == item)
                return owned.release();
        return nullptr;
    }

    void run(int updates, long ms = 16)
    {
        for (int i = 0; i < updates; ++i)
            world->update(ms);
    }

    InSourceRoot root;
    Factory factory;
    std::unique_ptr<Physics::ChipmunkWorld> world;
    std::vector<std::unique_ptr<Physics::ChipmunkItem> > items;
};

} // namespace PhysicsTest

#endif
