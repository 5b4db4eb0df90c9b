#ifndef KWEP_METEORGROUNDCOLLISION_H
#define KWEP_METEORGROUNDCOLLISION_H

#include "physics/I_CollisionHandler.h"

namespace KWEP {

class World;

// The rock (a) on the ground (b): marks the rock as landed (flag 2).
class MeteorGroundCollision : public Physics::I_CollisionHandler {
public:
    explicit MeteorGroundCollision(World* world);
    ~MeteorGroundCollision() override;

    std::uint16_t collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b, const Info& info) override;

private:
    World* m_world;
};

} // namespace KWEP

#endif
