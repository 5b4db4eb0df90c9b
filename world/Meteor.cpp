#include "world/Meteor.h"

#include "core/EventWithString.h"
#include "physics/ChipmunkItem.h"
#include "world/CarrotCamera.h"
#include "world/Player.h"
#include "world/PlayKeys.h"

namespace KWEP {

using namespace PlayKeys;

Meteor::Meteor(Physics::ChipmunkItem* item, Game::I_CameraItem* camera, Player* player)
    : Physics::ChipmunkWorldItem(item), m_camera(dynamic_cast<CarrotCamera*>(camera)), m_endTimer(0)
{
    if (!m_camera)
        return;
    m_camera->setTrackedItem2(this);
    if (player)
        m_camera->setTrackedItem1(player);
}

Meteor::~Meteor() {}

void Meteor::draw(std::vector<MathStuff::Orientation<float> >& scratch)
{
    Physics::ChipmunkWorldItem::draw(scratch);
}

void Meteor::update(long ms)
{
    if (m_endTimer == 0) {
        const Physics::ChipmunkItem* item = getChipmunkItem();
        if (!item || !item->hasCollision(2))
            return;
        // Below 1 the game would never end and the landing would sound every frame.
        m_endTimer = intKey("HIT_END_DELAY");
        if (m_endTimer < 1)
            m_endTimer = 1;
        raiseSound("ROCK_HIT");
    }
    m_endTimer = saturatingInt(static_cast<double>(m_endTimer) - static_cast<double>(ms));
    if (m_endTimer >= 1)
        return;
    EVT::EventWithString lost(EVT::EVENT_GAME_OVER, CFG::get("LOST_GAME_RULE"));
    raise(lost, true);
    setDeleteMe(true);
    raiseSound("DIE_SONG", true);
}

} // namespace KWEP
