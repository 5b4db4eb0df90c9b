#include "physics/ContraintFunctions.h"

#include <chipmunk/chipmunk.h>

namespace Physics {

namespace ContraintFunctions {

Util::BasicStore<cpConstraint*, double> s_dampedSpringClampValues(0.0);

double dampedSpringForceClamp(cpConstraint* spring, double dist)
{
    const double clamp = s_dampedSpringClampValues.find(spring);
    double stretch = cpDampedSpringGetRestLength(spring) - dist;
    if (clamp > 0.0) {
        if (stretch < -clamp)
            stretch = -clamp;
        else if (stretch > clamp)
            stretch = clamp;
    } else if (clamp < 0.0) {
        stretch = clamp;
    }
    return cpDampedSpringGetStiffness(spring) * stretch;
}

} // namespace ContraintFunctions

} // namespace Physics
