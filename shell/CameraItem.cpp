#include "shell/CameraItem.h"

#include "shell/I_Game.h"
#include "shell/I_World.h"

namespace Game {

CameraItem::CameraItem() : I_CameraItem(nullptr), m_trackedID(0) {}

CameraItem::~CameraItem() {}

void CameraItem::setOrientation(const MathStuff::Orientation<float>& orientation)
{
    ownOrientation() = orientation;
    m_view = orientation;
}

MathStuff::Orientation<float>& CameraItem::getOrientation()
{
    static_cast<const CameraItem*>(this)->getOrientation();
    return m_view;
}

const MathStuff::Orientation<float>& CameraItem::getOrientation() const
{
    I_Game* game = I_Game::instance();
    I_World* world = game ? game->getWorld() : nullptr;
    const WorldItem* tracked = (world && m_trackedID != 0) ? world->findItem(m_trackedID) : nullptr;
    if (!tracked || tracked == this || m_answering)
        return m_view;
    m_answering = true;
    const MathStuff::Orientation<float>& own = ownOrientation();
    const MathStuff::Vector3<float> at = tracked->getOrientation().position;
    m_view = own;
    m_view.position = at + own.position;
    m_answering = false;
    return m_view;
}

MathStuff::Orientation<float>& CameraItem::getCameraOrientation() { return ownOrientation(); }

void CameraItem::setTrackedItem(const WorldItem* item) { m_trackedID = item ? item->getID() : 0; }

} // namespace Game
