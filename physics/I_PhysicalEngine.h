#ifndef PHYSICS_I_PHYSICALENGINE_H
#define PHYSICS_I_PHYSICALENGINE_H

namespace Physics {

// Drives one body: asked once per body before every sub-step. Each operation
// may change the values it is given; they are written back into the body.
// Engines are never owned by the items they drive.
class I_PhysicalEngine {
public:
    virtual ~I_PhysicalEngine() {}
    // Seconds of the coming sub-step.
    virtual void timePassed(float dt) = 0;
    virtual void getTorque(double angularVelocity, double& torque) = 0;
    virtual void getForce(double& fx, double& fy) = 0;
    virtual void getVelocity(double& vx, double& vy) = 0;
};

} // namespace Physics

#endif
