#include "fuzz/Harness.h"

#include <memory>
#include <vector>

#include "fuzz/ScratchFile.h"
#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorld.h"
#include "physics/LevelFile.h"
#include "physics/PhysicalItemFactory.h"

namespace Fuzz {

namespace {

typedef Physics::PhysicalItemFactory<Physics::ChipmunkBlueprint, Physics::ChipmunkItem> Factory;

// Frames run after the world stands: enough for the sub-step settings to act.
const int FRAMES = 3;
const long FRAME_MS = 16;

} // namespace

// A level's physics file: a world made from a level that names it and holds
// the game's own ground and a snowball, then run for a few frames.
int fuzzPhysics(const std::uint8_t* data, std::size_t size)
{
    ScratchFile physics("physics.cfg", data, size);
    ScratchFile levelFile("physics_level.cfg",
                          "PHYSICS_FILE == " + physics.path() + "\n"
                          "ITEMS == \"ITEM: GROUND 0,0 0\nITEM: BALL 0,40 0\"\n");
    Physics::LevelFile level;
    if (!level.load(levelFile.path()))
        return 0;
    Factory factory;
    factory.add("GROUND", FRELMORY_SOURCE_DIR "/data/Config/Items/GROUND.cfg");
    factory.add("BALL", FRELMORY_SOURCE_DIR "/data/Config/Items/BALL.cfg");
    std::unique_ptr<Physics::ChipmunkWorld> world(new Physics::ChipmunkWorld);
    const bool created = world->create(&factory, level);
    std::vector<Physics::ChipmunkItem*> made;
    factory.getRecords(made);
    for (int i = 0; created && i < FRAMES; ++i)
        world->update(FRAME_MS);
    // Items go before their world, as in the game.
    for (Physics::ChipmunkItem* item : made)
        delete item;
    return 0;
}

} // namespace Fuzz
