#ifndef KWEP_SNOWMANGROUNDCOLLISION_H
#define KWEP_SNOWMANGROUNDCOLLISION_H

#include "world/CollisionRule.h"

namespace KWEP {

// A snowman part (a) on the ground (b): marks the snowman as fallen (flag 1).
class SnowmanGroundCollision : public CollisionRule {
public:
    explicit SnowmanGroundCollision(World* world);
    ~SnowmanGroundCollision() override;

    std::uint16_t collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b, const Info& info) override;

};

} // namespace KWEP

#endif
