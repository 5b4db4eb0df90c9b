#ifndef PHYSICS_CHIPMUNKWORLD_H
#define PHYSICS_CHIPMUNKWORLD_H

#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkTypes.h"
#include "physics/PhysicalItemFactory.h"

namespace Physics {

class I_CollisionHandler;
class LevelFile;

// The physics world of one level: one engine space holding the level's
// physical items, stepped in fixed sub-steps from each update's elapsed time.
// Contacts of registered type pairs reach their handlers after each sub-step;
// a pointer can grab and drag any dynamic body. The items are not owned: their
// owners delete them before the world.
class ChipmunkWorld {
public:
    ChipmunkWorld();
    virtual ~ChipmunkWorld();

    ChipmunkWorld(const ChipmunkWorld&) = delete;
    ChipmunkWorld& operator=(const ChipmunkWorld&) = delete;

    // Reads the level's physics file and makes the level's items through the
    // factory (which records them). False when the physics file cannot be
    // read; items without a blueprint are skipped.
    virtual bool create(PhysicalItemFactory<ChipmunkBlueprint, ChipmunkItem>* factory,
                        const LevelFile& level);
    // Puts the item into the space; null is ignored, and an item already in
    // the world stays listed once.
    virtual void addItem(ChipmunkItem* item);
    // Forgets the item and drops a grab on it; the item leaves the space itself.
    virtual void removeItem(ChipmunkItem* item);
    // One frame: elapsed milliseconds. At most 1000 sub-steps; the time
    // beyond is dropped, so a long stall cannot freeze the game.
    virtual void update(long ms);
    // Contacts between shapes of the two collision types go to the handler
    // (not owned), side a with typeA. The types form an unordered pair: a
    // later registration of the same pair, either way round, replaces it.
    // A null handler is ignored.
    virtual void registerCollisionHandler(unsigned typeA, unsigned typeB, I_CollisionHandler* handler);
    virtual void getGravity(float& x, float& y) const;

    // The pointer is now at (x, y): the grab follows at the next sub-step.
    virtual void mouseMove(float x, float y);
    // Grabs the dynamic body under (x, y) nearest to it; rigid holds it with
    // two joints so it cannot turn. The grabbed item, or null.
    virtual ChipmunkItem* mouseGrab(float x, float y, bool rigid);
    // Ends the grab; the item that was held, or null.
    virtual ChipmunkItem* mouseRelease();

    // Drops the grab when it holds this body, before the body goes.
    void releaseBody(cpBody* body);
    // The space, for inspection; owned by the world.
    cpSpace* getSpace() const;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace Physics

#endif
