#include "world/CarrotGroundCollision.h"

#include "core/Event.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorldItem.h"
#include "world/Carrot.h"
#include "world/GameStuff.h"
#include "world/PlayKeys.h"
#include "world/World.h"

namespace KWEP {

CarrotGroundCollision::CarrotGroundCollision(World* world)
    : CollisionRule(world), m_takeAfterX(PlayKeys::floatKey("CARROT_TAKE_AFTER_XPOS"))
{
}

CarrotGroundCollision::~CarrotGroundCollision() {}

std::uint16_t CarrotGroundCollision::collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem*, const Info& info)
{
    Carrot* carrot = dynamic_cast<Carrot*>(actorOf(a, m_world));
    if (!carrot)
        return 0;
    std::vector<MathStuff::Orientation<float> > bodies;
    a->getPositions(bodies);
    if (bodies.empty() || !(bodies[0].position.x > m_takeAfterX))
        return 0;
    if (!(carrot->changeHealth(-static_cast<float>(info.impulse)) < 0.0f))
        return 0;
    return explodeCarrot(a, m_world) ? REMOVED_A : 0;
}

Game::WorldItem* CarrotGroundCollision::actorOf(const Physics::ChipmunkItem* item, World* world)
{
    if (!item || !item->getOwner() || !world)
        return nullptr;
    return world->findItem(item->getOwner()->getID());
}

bool CarrotGroundCollision::explodeCarrot(Physics::ChipmunkItem* carrot, World* world)
{
    const Game::WorldItem* actor = actorOf(carrot, world);
    const unsigned long id = actor ? actor->getID() : 0;
    GameStuff::makeCarrotExplosion(carrot, world);
    EVT::Event exploded(EVT::EVENT_CARROT_EXPLODED);
    PlayKeys::raise(exploded);
    PlayKeys::raiseSound("CARROT_SMASH");
    // Found again: a consumer of the events above may have ended it already.
    Game::WorldItem* live = actor ? world->findItem(id) : nullptr;
    delete live;
    return live != nullptr;
}

} // namespace KWEP
