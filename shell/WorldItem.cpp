#include "shell/WorldItem.h"

#include <vector>

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Matrix4x4.h"
#include "shell/I_DisplayableModel.h"
#include "shell/I_Game.h"
#include "shell/I_Mover.h"
#include "shell/I_World.h"

namespace Game {

namespace {

I_World* gameWorld()
{
    I_Game* game = I_Game::instance();
    return game ? game->getWorld() : nullptr;
}

} // namespace

WorldItem::WorldItem(I_Mover* mover) : m_model(nullptr), m_mover(mover), m_deleteMe(false)
{
    if (I_World* world = gameWorld())
        world->addItem(this);
    EVT::EventBus::instance()->addConsumer(EVT::EVENT_UPDATE, this);
}

WorldItem::~WorldItem()
{
    if (I_World* world = gameWorld())
        world->removeItem(this);
}

void WorldItem::setModel(Model::I_DisplayableModel* model) { m_model = model; }

Model::I_DisplayableModel* WorldItem::getModel() const { return m_model; }

void WorldItem::setOrientation(const MathStuff::Orientation<float>& orientation)
{
    m_orientation = orientation;
}

MathStuff::Orientation<float>& WorldItem::getOrientation() { return m_orientation; }

const MathStuff::Orientation<float>& WorldItem::getOrientation() const { return m_orientation; }

void WorldItem::setDeleteMe(bool deleteMe) { m_deleteMe = deleteMe; }

bool WorldItem::getDeleteMe() const { return m_deleteMe; }

void WorldItem::update(long) {}

void WorldItem::render()
{
    std::vector<MathStuff::Orientation<float> > scratch;
    draw(scratch);
}

void WorldItem::draw(std::vector<MathStuff::Orientation<float> >& bodies)
{
    if (!m_model)
        return;
    if (!m_mover) {
        m_model->display(&getOrientation());
        return;
    }
    bodies.clear();
    m_mover->getPositions(bodies);
    if (bodies.empty())
        return;
    // Only the first body carries the item's placement; the models of moved
    // items face along x where the item faces along its direction.
    MathStuff::Orientation<float>& first = bodies.front();
    first.position += m_orientation.position;
    first.scale = m_orientation.scale;
    MathStuff::Matrix4x4<float> turn;
    turn.loadRotation(-90.0f, first.up);
    first.direction = turn.rotate(first.direction);
    m_model->display(bodies);
}

} // namespace Game
