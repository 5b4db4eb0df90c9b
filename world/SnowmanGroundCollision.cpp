#include "world/SnowmanGroundCollision.h"

namespace KWEP {

SnowmanGroundCollision::SnowmanGroundCollision(World* world) : CollisionRule(world) {}

SnowmanGroundCollision::~SnowmanGroundCollision() {}

std::uint16_t SnowmanGroundCollision::collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem*, const Info&)
{
    return markFlag(a, 1);
}

} // namespace KWEP
