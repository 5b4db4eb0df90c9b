#include "world/CollisionRule.h"

#include "physics/ChipmunkItem.h"

namespace KWEP {

std::uint16_t CollisionRule::markFlag(Physics::ChipmunkItem* a, int flag)
{
    if (a)
        a->addCollision(flag);
    return 0;
}

} // namespace KWEP
