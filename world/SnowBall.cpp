#include "world/SnowBall.h"

#include "world/PlayKeys.h"

namespace KWEP {

using namespace PlayKeys;

namespace {

float drawLife()
{
    const int shortest = intKey("BALL_SECS_MIN");
    const double spread = static_cast<double>(intKey("BALL_SECS_MAX")) - shortest;
    // trunc(r x spread) for r in [0, 1): towards 0 from either side.
    const int extra = spread >= 0.0 ? randomBelow(saturatingInt(spread)) : -randomBelow(saturatingInt(-spread));
    return static_cast<float>(shortest) + static_cast<float>(extra);
}

} // namespace

SnowBall::SnowBall(Physics::ChipmunkItem* item)
    : ShrinkingItem(item, floatKey("BALL_SCALE_MOVE"), floatKey("BALL_SCALE_LIMIT"), drawLife())
{
}

SnowBall::~SnowBall() {}

} // namespace KWEP
