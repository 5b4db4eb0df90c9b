#include "physics/NullEngine.h"

namespace Physics {

NullEngine* NullEngine::instance()
{
    static NullEngine l_engine;
    return &l_engine;
}

void NullEngine::timePassed(float) {}

void NullEngine::getTorque(double, double&) {}

void NullEngine::getForce(double&, double&) {}

void NullEngine::getVelocity(double&, double&) {}

} // namespace Physics
