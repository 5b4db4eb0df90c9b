#ifndef KWEP_SNOWMANGROUNDCOLLISION_H
#define KWEP_SNOWMANGROUNDCOLLISION_H

#include "physics/I_CollisionHandler.h"

namespace KWEP {

class World;

// A snowman part (a) on the ground (b): marks the snowman as fallen (flag 1).
class SnowmanGroundCollision : public Physics::I_CollisionHandler {
public:
    explicit SnowmanGroundCollision(World* world);
    ~SnowmanGroundCollision() override;

    std::uint16_t collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b, const Info& info) override;

private:
    World* m_world;
};

} // namespace KWEP

#endif
