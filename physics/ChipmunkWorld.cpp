#include "physics/ChipmunkWorld.h"

#include <cmath>

#include "physics/ChipmunkWorldImpl.h"
#include "physics/ChipmunkWorldMouse.h"

namespace Physics {

ChipmunkWorld::ChipmunkWorld() : m_impl(new Impl(this)) {}

ChipmunkWorld::~ChipmunkWorld() { delete m_impl; }

bool ChipmunkWorld::create(PhysicalItemFactory<ChipmunkBlueprint, ChipmunkItem>* factory,
                           const LevelFile& level)
{
    return m_impl->create(factory, level);
}

void ChipmunkWorld::addItem(ChipmunkItem* item) { m_impl->addItem(item); }

void ChipmunkWorld::removeItem(ChipmunkItem* item) { m_impl->removeItem(item); }

void ChipmunkWorld::update(long ms) { m_impl->update(ms); }

void ChipmunkWorld::registerCollisionHandler(unsigned typeA, unsigned typeB, I_CollisionHandler* handler)
{
    m_impl->registerCollisionHandler(typeA, typeB, handler);
}

void ChipmunkWorld::getGravity(float& x, float& y) const
{
    const cpVect gravity = cpSpaceGetGravity(m_impl->space);
    x = float(gravity.x);
    y = float(gravity.y);
}

void ChipmunkWorld::mouseMove(float x, float y)
{
    if (m_impl->mouse && std::isfinite(x) && std::isfinite(y))
        m_impl->mouse->move(cpv(x, y));
}

ChipmunkItem* ChipmunkWorld::mouseGrab(float x, float y, bool rigid)
{
    if (!m_impl->mouse || !std::isfinite(x) || !std::isfinite(y))
        return nullptr;
    return m_impl->mouse->grab(cpv(x, y), rigid);
}

ChipmunkItem* ChipmunkWorld::mouseRelease()
{
    return m_impl->mouse ? m_impl->mouse->release() : nullptr;
}

void ChipmunkWorld::releaseBody(cpBody* body)
{
    if (m_impl->mouse)
        m_impl->mouse->releaseBody(body);
}

cpSpace* ChipmunkWorld::getSpace() const { return m_impl->space; }

} // namespace Physics
