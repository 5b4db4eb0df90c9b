#include "world/Carrot.h"

#include "world/PlayKeys.h"

namespace KWEP {

Carrot::Carrot(Physics::ChipmunkItem* item)
    : Physics::ChipmunkWorldItem(item), m_health(PlayKeys::floatKey("CARROT_HEALTH"))
{
}

Carrot::~Carrot() {}

void Carrot::update(long) {}

void Carrot::draw(std::vector<MathStuff::Orientation<float> >& scratch)
{
    Physics::ChipmunkWorldItem::draw(scratch);
}

float Carrot::changeHealth(float amount)
{
    m_health += amount;
    return m_health;
}

} // namespace KWEP
