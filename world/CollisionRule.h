#ifndef KWEP_COLLISIONRULE_H
#define KWEP_COLLISIONRULE_H

#include "physics/I_CollisionHandler.h"

namespace KWEP {

class World;

// A collision rule of play: it works in one world, not owned. The rules live
// for the whole run; the world that registers them with its level's physics
// gives itself again, so a rule never refers to a world that has gone.
class CollisionRule : public Physics::I_CollisionHandler {
public:
    explicit CollisionRule(World* world) : m_world(world) {}

    void setWorld(World* world) { m_world = world; }
    World* getWorld() const { return m_world; }

protected:
    // Marks item a with the collision flag for its actor's next update; a
    // null item is left alone. Nothing is removed.
    static std::uint16_t markFlag(Physics::ChipmunkItem* a, int flag);

    World* m_world;
};

} // namespace KWEP

#endif
