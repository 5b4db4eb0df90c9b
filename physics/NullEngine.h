#ifndef PHYSICS_NULLENGINE_H
#define PHYSICS_NULLENGINE_H

#include "physics/I_PhysicalEngine.h"

namespace Physics {

// The engine that changes nothing; one shared instance drives every body
// until an actor gives it an engine of its own.
class NullEngine : public I_PhysicalEngine {
public:
    // The shared instance, made on first use and kept for the process.
    static NullEngine* instance();

    void timePassed(float dt) override;
    void getTorque(double angularVelocity, double& torque) override;
    void getForce(double& fx, double& fy) override;
    void getVelocity(double& vx, double& vy) override;
};

} // namespace Physics

#endif
