#include "world/CarrotSnowmanCollision.h"

#include <string>

#include "core/Event.h"
#include "core/Event_Score.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorldItem.h"
#include "world/Carrot.h"
#include "world/CarrotGroundCollision.h"
#include "world/GameStuff.h"
#include "world/PlayKeys.h"
#include "world/World.h"

namespace KWEP {

namespace {

void raisePlain(int id)
{
    EVT::Event event(id);
    PlayKeys::raise(event);
}

} // namespace

CarrotSnowmanCollision::CarrotSnowmanCollision(World* world) : CollisionRule(world) {}

CarrotSnowmanCollision::~CarrotSnowmanCollision() {}

std::uint16_t CarrotSnowmanCollision::collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b,
                                                const Info& info)
{
    // Only a carrot bursts here; a contact of anything else does nothing.
    if (a && !dynamic_cast<Carrot*>(CarrotGroundCollision::actorOf(a, m_world)))
        return 0;
    std::uint16_t removed = 0;
    // The burst's events go out at once: a snowman whose actor went meanwhile
    // is not judged, and is reported gone so later contacts leave it alone.
    const Game::WorldItem* owner = b ? CarrotGroundCollision::actorOf(b, m_world) : nullptr;
    const unsigned long ownerId = owner ? owner->getID() : 0;
    // The carrot bursts on the snowman whatever the impulse.
    if (a && CarrotGroundCollision::explodeCarrot(a, m_world))
        removed |= REMOVED_A;
    if (ownerId && !m_world->findItem(ownerId))
        return removed | REMOVED_B;
    if (b && judgePart(b, info))
        removed |= REMOVED_B;
    return removed;
}

bool CarrotSnowmanCollision::judgePart(Physics::ChipmunkItem* snowman, const Info& info)
{
    const std::string name = snowman->getBodyName(info.shapeB);
    if (name.empty())
        return false;
    const float limit = PlayKeys::floatKey("SNOWMAN_IMPULSE_LIMIT_" + name);
    const int impulse = PlayKeys::saturatingInt(info.impulse);
    if (!(info.impulse > limit)) {
        raisePlain(EVT::EVENT_HIT_BELOW_LIMIT);
        if (impulse / 2 != 0) {
            EVT::Event_Score scored(EVT::EVENT_SCORE, impulse / 2);
            PlayKeys::raise(scored);
        }
        return false;
    }
    const unsigned long id = snowman->getOwner() ? snowman->getOwner()->getID() : 0;
    GameStuff::explodeSnowmanBit(name, snowman, m_world, impulse);
    // The score's consumers may have ended the level meanwhile.
    Physics::ChipmunkWorldItem* actor =
        id ? dynamic_cast<Physics::ChipmunkWorldItem*>(m_world->findItem(id)) : nullptr;
    if (!actor || actor->getChipmunkItem() != snowman)
        return false;
    if (snowman->getBodyNames().size() == 1) {
        raisePlain(EVT::EVENT_LAST_PART_EXPLODED);
        delete actor;
        // Nothing else ends this level now: the snowman that would is gone.
        EVT::Event cleared(EVT::EVENT_SNOWMAN_DOWN);
        PlayKeys::raise(cleared, true);
        return true;
    }
    raisePlain(EVT::EVENT_PART_EXPLODED);
    snowman->addCollision(0);
    actor->removeBody(name);
    PlayKeys::raiseSound("SNOWMAN_SMASH");
    return false;
}

} // namespace KWEP
