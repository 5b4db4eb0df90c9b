#ifndef KWEP_SNOWBALL_H
#define KWEP_SNOWBALL_H

#include "world/ShrinkingItem.h"

namespace KWEP {

// A snowball thrown out of an exploded snowman part: flies for a whole number
// of seconds drawn from BALL_SECS_MIN up to (not including) BALL_SECS_MAX,
// then shrinks by BALL_SCALE_MOVE per update until below BALL_SCALE_LIMIT.
class SnowBall : public ShrinkingItem {
public:
    explicit SnowBall(Physics::ChipmunkItem* item);
    ~SnowBall() override;
};

} // namespace KWEP

#endif
