#ifndef KWEP_METEORGROUNDCOLLISION_H
#define KWEP_METEORGROUNDCOLLISION_H

#include "world/CollisionRule.h"

namespace KWEP {

// The rock (a) on the ground (b): marks the rock as landed (flag 2).
class MeteorGroundCollision : public CollisionRule {
public:
    explicit MeteorGroundCollision(World* world);
    ~MeteorGroundCollision() override;

    std::uint16_t collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b, const Info& info) override;

};

} // namespace KWEP

#endif
