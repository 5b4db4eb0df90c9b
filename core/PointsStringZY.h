#ifndef FRELMORY_CORE_POINTSSTRINGZY_H
#define FRELMORY_CORE_POINTSSTRINGZY_H

#include "core/PointsString.h"

namespace MathStuff {

// Points of the z-y plane: a two-number point x,y means (default, y, x).
class PointsStringZY : public PointsString
{
public:
    explicit PointsStringZY(float defaultComponent);
    ~PointsStringZY() override;
};

} // namespace MathStuff

#endif
