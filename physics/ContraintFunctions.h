#ifndef PHYSICS_CONTRAINTFUNCTIONS_H
#define PHYSICS_CONTRAINTFUNCTIONS_H

#include "core/BasicStore.h"
#include "physics/ChipmunkTypes.h"

namespace Physics {

// The spring force of every damped spring a blueprint makes.
namespace ContraintFunctions {

// Each damped spring's force clamp, default 0 (no clamp); an entry is set when
// a spring is made and kept for the program's life.
extern Util::BasicStore<cpConstraint*, double> s_dampedSpringClampValues;

// Stiffness x (rest length - dist), with the stretch clamped to [-c, c] for a
// clamp c > 0 and fixed at c for c < 0.
double dampedSpringForceClamp(cpConstraint* spring, double dist);

} // namespace ContraintFunctions

} // namespace Physics

#endif
