#ifndef KWEP_DRIFT_H
#define KWEP_DRIFT_H

#include "physics/I_PhysicalEngine.h"

namespace KWEP {

// Holds a body at a steady velocity against the world's gravity: before each
// sub-step it hands the body the velocity less what gravity will add in that
// sub-step. A text that floats up rides on it.
class Drift : public Physics::I_PhysicalEngine {
public:
    // Units per second; the gravity of the physics world the body is in.
    Drift(float vx, float vy, float gravityX, float gravityY);

    void timePassed(float dt) override;
    void getTorque(double angularVelocity, double& torque) override;
    void getForce(double& fx, double& fy) override;
    void getVelocity(double& vx, double& vy) override;

private:
    float m_vx, m_vy;
    float m_gravityX, m_gravityY;
    float m_dt; // seconds of the coming sub-step
};

} // namespace KWEP

#endif
