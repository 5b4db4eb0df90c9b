#ifndef KWEP_CARROTGROUNDCOLLISION_H
#define KWEP_CARROTGROUNDCOLLISION_H

#include "world/CollisionRule.h"

namespace Game { class WorldItem; }

namespace KWEP {

// The carrot (a) on the ground (b): impacts right of CARROT_TAKE_AFTER_XPOS
// wear its health down, and a carrot whose health drops below 0 explodes.
class CarrotGroundCollision : public CollisionRule {
public:
    explicit CarrotGroundCollision(World* world);
    ~CarrotGroundCollision() override;

    std::uint16_t collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b, const Info& info) override;

    // The actor owning the physical item, found again by its id; null when gone.
    static Game::WorldItem* actorOf(const Physics::ChipmunkItem* item, World* world);
    // Bursts the carrot (explosion, event 45, "CARROT_SMASH") and deletes its
    // actor; true when the actor was deleted.
    static bool explodeCarrot(Physics::ChipmunkItem* carrot, World* world);

private:
    float m_takeAfterX; // impacts left of or at this x cost nothing
};

} // namespace KWEP

#endif
