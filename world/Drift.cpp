#include "world/Drift.h"

namespace KWEP {

Drift::Drift(float vx, float vy, float gravityX, float gravityY)
    : m_vx(vx), m_vy(vy), m_gravityX(gravityX), m_gravityY(gravityY), m_dt(0.0f)
{
}

void Drift::timePassed(float dt) { m_dt = dt; }

void Drift::getTorque(double, double& torque) { torque = 0.0; }

void Drift::getForce(double& fx, double& fy)
{
    fx = 0.0;
    fy = 0.0;
}

void Drift::getVelocity(double& vx, double& vy)
{
    vx = static_cast<double>(m_vx) - static_cast<double>(m_gravityX) * m_dt;
    vy = static_cast<double>(m_vy) - static_cast<double>(m_gravityY) * m_dt;
}

} // namespace KWEP
