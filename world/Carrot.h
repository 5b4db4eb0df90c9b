#ifndef KWEP_CARROT_H
#define KWEP_CARROT_H

#include "physics/ChipmunkWorldItem.h"

namespace KWEP {

// The carrot the player throws: a physical item with a health that hard
// ground impacts wear down (CARROT_HEALTH at the start).
class Carrot : public Physics::ChipmunkWorldItem {
public:
    explicit Carrot(Physics::ChipmunkItem* item);
    ~Carrot() override;

    void update(long ms) override;
    void draw(std::vector<MathStuff::Orientation<float> >& scratch) override;

    // Adds the amount (negative for damage); the new health.
    virtual float changeHealth(float amount);

private:
    float m_health;
};

} // namespace KWEP

#endif
