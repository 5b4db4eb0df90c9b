#include "world/CarrotCamera.h"

#include <cmath>

#include "core/CFG.h"
#include "core/Conversions.h"
#include "input/Screen.h"
#include "shell/I_Game.h"
#include "shell/I_World.h"
#include "world/PlayKeys.h"

namespace KWEP {

struct CarrotCamera::Keys {
    float min;
    float divM;
    float divC;
    float multM;
    float multC;
};

namespace {

using PlayKeys::floatKey;

Game::WorldItem* findTracked(unsigned long id)
{
    Game::I_Game* game = Game::I_Game::instance();
    Game::I_World* world = game ? game->getWorld() : nullptr;
    return (world && id != 0) ? world->findItem(id) : nullptr;
}

} // namespace

CarrotCamera::CarrotCamera()
    : I_CameraItem(nullptr), m_zoom(1.0f), m_answering(false), m_tracked1(0), m_tracked2(0),
      m_keys(nullptr)
{
}

CarrotCamera::~CarrotCamera() { delete m_keys; }

void CarrotCamera::setOrientation(const MathStuff::Orientation<float>& orientation)
{
    ownOrientation() = orientation;
    m_view = orientation;
}

MathStuff::Orientation<float>& CarrotCamera::getOrientation()
{
    static_cast<const CarrotCamera*>(this)->getOrientation();
    return m_view;
}

const MathStuff::Orientation<float>& CarrotCamera::getOrientation() const
{
    if (m_answering)
        return m_view;
    const Game::WorldItem* item1 = findTracked(m_tracked1);
    if (!item1)
        return m_view;
    m_answering = true;
    const Game::WorldItem* item2 = findTracked(m_tracked2);
    if (item2) {
        frame(*item1, *item2);
    } else {
        const MathStuff::Vector3<float> at = item1->getOrientation().position;
        m_view = ownOrientation();
        m_view.position = at + ownOrientation().position;
    }
    m_answering = false;
    return m_view;
}

void CarrotCamera::frame(const Game::WorldItem& item1, const Game::WorldItem& item2) const
{
    if (!m_keys)
        m_keys = new Keys{floatKey("ZOOM_TRACKER_MIN"), floatKey("ZOOM_TRACKER_DIV_M"),
                          floatKey("ZOOM_TRACKER_DIV_C"), floatKey("ZOOM_TRACKER_MULT_M"),
                          floatKey("ZOOM_TRACKER_MULT_C")};
    const MathStuff::Vector3<float> p1 = item1.getOrientation().position;
    const MathStuff::Vector3<float> p2 = item2.getOrientation().position;
    const MathStuff::Vector3<float> half = (p2 - p1) * 0.5f;
    m_view = ownOrientation();
    m_view.position = p1 + half + ownOrientation().position;

    const Devices::Screen* screen = Game::I_Game::instance()->getScreen();
    const float w = screen ? static_cast<float>(screen->getWidth()) : 0.0f;
    const float h = screen ? static_cast<float>(screen->getHeight()) : 0.0f;
    const float d = w * m_keys->divM + m_keys->divC;
    const float m = h * m_keys->multM + m_keys->multC;
    const float mh = m * half.y;
    const float zoom = std::sqrt(half.x * half.x + mh * mh + half.z * half.z) / d;
    // A window without width (d = 0) gives no zoom: the last one stays.
    if (!std::isfinite(zoom))
        return;
    m_zoom = zoom < m_keys->min ? m_keys->min : zoom;
}

MathStuff::Orientation<float>& CarrotCamera::getCameraOrientation() { return ownOrientation(); }

float CarrotCamera::getZoomX() const { return m_zoom; }

float CarrotCamera::getZoomY() const { return m_zoom; }

void CarrotCamera::setTrackedItem1(const Game::WorldItem* item) { m_tracked1 = item ? item->getID() : 0; }

void CarrotCamera::setTrackedItem2(const Game::WorldItem* item) { m_tracked2 = item ? item->getID() : 0; }

void CarrotCamera::setTrackedItems(const Game::WorldItem* item1, const Game::WorldItem* item2)
{
    setTrackedItem1(item1);
    setTrackedItem2(item2);
}

} // namespace KWEP
