#include "world/SnowmanGroundCollision.h"

#include "physics/ChipmunkItem.h"

namespace KWEP {

SnowmanGroundCollision::SnowmanGroundCollision(World* world) : CollisionRule(world) {}

SnowmanGroundCollision::~SnowmanGroundCollision() {}

std::uint16_t SnowmanGroundCollision::collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem*, const Info&)
{
    if (a)
        a->addCollision(1);
    return 0;
}

} // namespace KWEP
