#include "world/ExploPiece.h"

#include <vector>

#include "physics/ChipmunkItem.h"
#include "world/PlayKeys.h"

namespace KWEP {

using namespace PlayKeys;

ExploPiece::ExploPiece(Physics::ChipmunkItem* item)
    : ShrinkingItem(item, floatKey("BANG_SCALE_MOVE"), floatKey("BANG_SCALE_LIMIT"), floatKey("BANG_SECS_LIMIT"))
{
}

ExploPiece::~ExploPiece() {}

bool ExploPiece::isDone() const
{
    const Physics::ChipmunkItem* item = getChipmunkItem();
    if (!item)
        return false;
    std::vector<Physics::ChipmunkItem::XYPart> velocities;
    item->getVelocities(velocities);
    float sum = 0.0f;
    for (const Physics::ChipmunkItem::XYPart& v : velocities)
        sum += v.x * v.x + v.y * v.y;
    return sum < 1.0f;
}

} // namespace KWEP
