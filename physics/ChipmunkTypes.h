#ifndef PHYSICS_CHIPMUNKTYPES_H
#define PHYSICS_CHIPMUNKTYPES_H

// The physics engine's handle types, declared so that public headers of this
// folder can name them without pulling the engine's headers into dependants.
struct cpBody;
struct cpShape;
struct cpConstraint;
struct cpSpace;

#endif
