#ifndef KWEP_COLLISIONRULE_H
#define KWEP_COLLISIONRULE_H

#include "physics/I_CollisionHandler.h"

namespace KWEP {

class World;

// A collision rule of play: it works in one world, which owns it and
// registers it with each level's physics.
class CollisionRule : public Physics::I_CollisionHandler {
public:
    explicit CollisionRule(World* world) : m_world(world) {}

    World* getWorld() const { return m_world; }

protected:
    // Marks item a with the collision flag for its actor's next update; a
    // null item is left alone. Nothing is removed.
    static std::uint16_t markFlag(Physics::ChipmunkItem* a, int flag);

    World* m_world;
};

} // namespace KWEP

#endif
