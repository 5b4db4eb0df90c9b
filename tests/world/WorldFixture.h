#ifndef WORLDTESTS_WORLDFIXTURE_H
#define WORLDTESTS_WORLDFIXTURE_H

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "LevelTestGame.h"
#include "physics/ChipmunkWorldItem.h"
#include "shell/WorldItem.h"
#include "world/World.h"

namespace WorldTests {

// Every kind with the box, an unknown kind, a decoration without physics and
// an item whose part list holds tokens that are not part:body.
inline const char* allKinds()
{
    return "ITEM: K_LEVEL LEVEL level_box.cfg ITEM: K_CMWI CMWI level_box.cfg"
           " ITEM: K_PLAYER PLAYER level_box.cfg ITEM: K_BOSS BOSS level_box.cfg"
           " ITEM: K_VEG VEG level_box.cfg ITEM: K_BANG BANG level_box.cfg"
           " ITEM: K_BALL BALL level_box.cfg ITEM: K_ROCK ROCK level_box.cfg"
           " ITEM: K_ODD ODD level_box.cfg ITEM: DECO LEVEL level_deco.cfg"
           " ITEM: PAIRS CMWI level_twobox.cfg";
}

// The one live item of the kind, as a physical world item; null unless exactly one.
inline Physics::ChipmunkWorldItem* onlyItem(KWEP::World& world, const std::string& kind)
{
    std::vector<unsigned long> ids;
    if (world.getItems(kind, ids) != 1)
        return nullptr;
    return dynamic_cast<Physics::ChipmunkWorldItem*>(world.findItem(ids[0]));
}

// A world item whose update runs a test's step.
class Actor : public Game::WorldItem {
public:
    explicit Actor(std::function<void(Actor&)> step = nullptr) : Game::WorldItem(nullptr), m_step(step) {}
    void handleEvent(EVT::I_Event*) override {}
    void update(long) override
    {
        ++updates;
        if (m_step)
            m_step(*this);
    }
    void draw(std::vector<MathStuff::Orientation<float> >&) override { ++renders; }
    int updates = 0;
    int renders = 0;

private:
    std::function<void(Actor&)> m_step;
};

// A KWEP::World as the game's world, run in the test data folder, so the
// fixtures name each other by plain file names.
class WorldFixture : public ::testing::Test {
protected:
    WorldFixture() : world(new KWEP::World), game(world)
    {
        LevelTestGame::setKey("LETTER_CM_CFG", "level_letter.cfg");
    }
    void SetUp() override { ASSERT_EQ(chdir(FRELMORY_TEST_DATA_DIR), 0); }

    // Every listed item, in list order.
    std::vector<Game::WorldItem*> listed()
    {
        std::vector<Game::WorldItem*> all;
        world->walkItems([&](Game::WorldItem* item) { all.push_back(item); });
        return all;
    }
    Physics::ChipmunkWorldItem* only(const std::string& kind) { return onlyItem(*world, kind); }

    KWEP::World* world; // owned by the game root
    LevelTestGame game;
};

} // namespace WorldTests

#endif
