#include "core/PointsStringZY.h"

namespace MathStuff {

PointsStringZY::PointsStringZY(float defaultComponent)
    : PointsString(defaultComponent, true)
{
}

PointsStringZY::~PointsStringZY() {}

} // namespace MathStuff
