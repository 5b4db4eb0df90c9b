#ifndef KWEP_CARROTSNOWMANCOLLISION_H
#define KWEP_CARROTSNOWMANCOLLISION_H

#include "world/CollisionRule.h"

namespace KWEP {

// The carrot (a) on the snowman or one of its parts (b): the carrot always
// explodes; the part struck explodes when the impulse beats its limit, else
// the hit scores.
class CarrotSnowmanCollision : public CollisionRule {
public:
    explicit CarrotSnowmanCollision(World* world);
    ~CarrotSnowmanCollision() override;

    std::uint16_t collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b, const Info& info) override;

private:
    // Explodes or scores the struck part; true when the whole snowman went.
    bool judgePart(Physics::ChipmunkItem* snowman, const Info& info);
};

} // namespace KWEP

#endif
