#include "world/Player.h"

#include <cmath>

#include "core/Event.h"
#include "core/EventWithString.h"
#include "input/Mouse.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorld.h"
#include "shell/I_RenderController.h"
#include "world/CarrotCamera.h"
#include "world/PlayKeys.h"
#include "world/World.h"

namespace KWEP {

using namespace PlayKeys;

Player::Player(Physics::ChipmunkItem* item) : Physics::ChipmunkWorldItem(item), m_world(nullptr), m_grabbing(false)
{
}

Player::~Player() {}

void Player::draw(std::vector<MathStuff::Orientation<float> >&) {}

void Player::setWorld(World* world)
{
    EVT::EventBus* bus = EVT::EventBus::instance();
    bus->addConsumer(EVT::EVENT_UPDATE, this);
    bus->addConsumer(EVT::EVENT_GRAB, this);
    bus->addConsumer(EVT::EVENT_RELEASE, this);
    m_grabbing = false;
    m_world = world;
}

void Player::handleEvent(EVT::I_Event* event)
{
    Game::I_Game* game = Game::I_Game::instance();
    const Devices::Mouse* mouse = game ? game->getMouse() : nullptr;
    if (!event || !mouse)
        return;
    const int x = mouse->getX();
    const int y = mouse->getY();
    switch (event->getEventID()) {
    case EVT::EVENT_UPDATE:
        moveGrabbed(x, y);
        break;
    case EVT::EVENT_GRAB: {
        const EVT::EventWithString* action = EVT::eventCast<EVT::EventWithString>(event);
        grabItem(x, y, action && action->getString() == "LOCKED");
        break;
    }
    case EVT::EVENT_RELEASE:
        releaseItem();
        break;
    default:
        break;
    }
}

bool Player::upAndRunning() const
{
    return m_world && m_world->getCameraItem() && m_world->getPhysicsWorld() && !m_world->inStasis();
}

bool Player::getPickForZ0(int x, int y, MathStuff::Vector3<float>& pick) const
{
    Game::I_Game* game = Game::I_Game::instance();
    const Render::I_RenderController* render = game ? game->getRenderController() : nullptr;
    if (!render || !m_world || !m_world->getCameraItem())
        return false;
    // The ray runs from the near point to the far point: a direction from the camera.
    const MathStuff::Vector3<float> ray = render->getPickRay(x, y);
    const MathStuff::Vector3<float> camera = m_world->getCameraItem()->getOrientation().position;
    if (ray.z == 0.0f)
        return false;
    const float t = -camera.z / ray.z;
    pick = MathStuff::Vector3<float>(camera.x + t * ray.x, camera.y + t * ray.y, 0.0f);
    return isFinite(pick.x) && isFinite(pick.y);
}

void Player::moveGrabbed(int x, int y)
{
    MathStuff::Vector3<float> pick;
    if (upAndRunning() && getPickForZ0(x, y, pick))
        m_world->getPhysicsWorld()->mouseMove(pick.x, pick.y);
}

void Player::grabItem(int x, int y, bool locked)
{
    MathStuff::Vector3<float> pick;
    if (!upAndRunning() || m_grabbing || !getPickForZ0(x, y, pick))
        return;
    Physics::ChipmunkItem* item = m_world->getPhysicsWorld()->mouseGrab(pick.x, pick.y, locked);
    if (!item)
        return;
    const std::list<Game::I_CameraItem*>& cameras = m_world->getCameraList();
    if (CarrotCamera* camera = cameras.empty() ? nullptr : dynamic_cast<CarrotCamera*>(cameras.front()))
        camera->setTrackedItem1(item->getOwner());
    EVT::Event grabbed(EVT::EVENT_ITEM_GRABBED);
    raise(grabbed);
    m_grabbing = true;
    raiseSound("GRAB");
}

void Player::releaseItem()
{
    if (!upAndRunning() || !m_grabbing)
        return;
    if (m_world->getPhysicsWorld()->mouseRelease()) {
        EVT::Event released(EVT::EVENT_ITEM_RELEASED);
        raise(released);
        raiseSound("RELEASE");
    }
    m_grabbing = false;
}

} // namespace KWEP
