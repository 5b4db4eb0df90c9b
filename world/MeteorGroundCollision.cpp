#include "world/MeteorGroundCollision.h"

namespace KWEP {

MeteorGroundCollision::MeteorGroundCollision(World* world) : CollisionRule(world) {}

MeteorGroundCollision::~MeteorGroundCollision() {}

std::uint16_t MeteorGroundCollision::collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem*, const Info&)
{
    return markFlag(a, 2);
}

} // namespace KWEP
