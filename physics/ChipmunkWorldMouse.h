#ifndef PHYSICS_CHIPMUNKWORLDMOUSE_H
#define PHYSICS_CHIPMUNKWORLDMOUSE_H

#include <chipmunk/chipmunk.h>

#include "physics/ChipmunkWorldImpl.h"

namespace Physics {

// The grab: a kinematic body that follows the pointer and, while something
// is held, one or two pivot joints from it to the held body. The body's
// velocity comes from the pointer's displacement since the last sub-step, so
// the held body is thrown with the pointer's speed when released. The body is
// in the space only while it holds something: an idle body in the space costs
// every step a share of the engine's time for nothing.
class ChipmunkWorld::Impl::Mouse {
public:
    struct Settings {
        // Filter of the grab's point query.
        unsigned layers;
        unsigned group;
        // Of each grab joint; INFINITY for no limit.
        double maxForce;
        double oldVelocityWeighting;
        double newVelocityWeighting;
    };

    // The space is not owned.
    Mouse(cpSpace* space, const Settings& settings);
    ~Mouse();

    Mouse(const Mouse&) = delete;
    Mouse& operator=(const Mouse&) = delete;

    void move(cpVect point);
    // Before each sub-step: while nothing is held, the engine does not reach
    // the body, so its velocity is followed here.
    void idle(cpFloat dt);
    ChipmunkItem* grab(cpVect point, bool rigid);
    // The item held, or null; the grab ends.
    ChipmunkItem* release();
    // Ends the grab when it holds this body / a body of this item.
    void releaseBody(const cpBody* body);
    void releaseItem(const ChipmunkItem* item);

private:
    static void velocityFunc(cpBody* body, cpVect gravity, cpFloat damping, cpFloat dt);
    static void positionFunc(cpBody* body, cpFloat dt);

    cpConstraint* addPivot(cpBody* held, cpVect at);
    cpBody* heldBody() const;

    cpSpace* m_space;
    Settings m_settings;
    cpBody* m_body;
    // Pointer displacement since the last sub-step.
    cpVect m_displacement;
    cpConstraint* m_joint1;
    cpConstraint* m_joint2;
};

} // namespace Physics

#endif
