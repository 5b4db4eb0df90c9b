#include "world/MeteorGroundCollision.h"

#include "physics/ChipmunkItem.h"

namespace KWEP {

MeteorGroundCollision::MeteorGroundCollision(World* world) : CollisionRule(world) {}

MeteorGroundCollision::~MeteorGroundCollision() {}

std::uint16_t MeteorGroundCollision::collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem*, const Info&)
{
    if (a)
        a->addCollision(2);
    return 0;
}

} // namespace KWEP
