#include "physics/ChipmunkWorldMouse.h"

#include <cmath>

namespace Physics {

namespace {

// Half the distance between the two pivots of a rigid grab.
const double RIGID_HALF_SPAN = 5.0;

struct Nearest {
    cpShape* shape;
    cpFloat distance;
};

// Keeps the nearest shape on a dynamic body: a pivot to any other kind of
// body would abort the engine.
void keepNearest(cpShape* shape, cpVect, cpFloat distance, cpVect, void* data)
{
    Nearest* nearest = static_cast<Nearest*>(data);
    if (cpBodyGetType(cpShapeGetBody(shape)) != CP_BODY_TYPE_DYNAMIC)
        return;
    if (!nearest->shape || distance < nearest->distance) {
        nearest->shape = shape;
        nearest->distance = distance;
    }
}

void freeJoint(cpSpace* space, cpConstraint*& joint)
{
    if (!joint)
        return;
    cpSpaceRemoveConstraint(space, joint);
    cpConstraintFree(joint);
    joint = nullptr;
}

} // namespace

ChipmunkWorld::Impl::Mouse::Mouse(cpSpace* space, const Settings& settings)
    : m_space(space), m_settings(settings), m_body(cpBodyNewKinematic()), m_displacement(cpvzero),
      m_joint1(nullptr), m_joint2(nullptr)
{
    cpBodySetVelocityUpdateFunc(m_body, velocityFunc);
    cpBodySetPositionUpdateFunc(m_body, positionFunc);
    cpBodySetUserData(m_body, this);
}

ChipmunkWorld::Impl::Mouse::~Mouse()
{
    release();
    cpBodyFree(m_body);
}

void ChipmunkWorld::Impl::Mouse::idle(cpFloat dt)
{
    if (!m_joint1)
        velocityFunc(m_body, cpvzero, 1.0, dt);
}

void ChipmunkWorld::Impl::Mouse::move(cpVect point)
{
    m_displacement = cpvadd(m_displacement, cpvsub(point, cpBodyGetPosition(m_body)));
    cpBodySetPosition(m_body, point);
}

ChipmunkItem* ChipmunkWorld::Impl::Mouse::grab(cpVect point, bool rigid)
{
    release();
    cpBodySetPosition(m_body, point);
    const cpShapeFilter filter = cpShapeFilterNew(cpGroup(m_settings.group), m_settings.layers, m_settings.layers);
    Nearest nearest = {nullptr, 0.0};
    cpSpacePointQuery(m_space, point, 0.0, filter, keepNearest, &nearest);
    if (!nearest.shape)
        return nullptr;
    cpBody* held = cpShapeGetBody(nearest.shape);
    cpSpaceAddBody(m_space, m_body);
    if (rigid) {
        m_joint1 = addPivot(held, cpv(point.x - RIGID_HALF_SPAN, point.y));
        m_joint2 = addPivot(held, cpv(point.x + RIGID_HALF_SPAN, point.y));
    } else {
        m_joint1 = addPivot(held, point);
    }
    return static_cast<ChipmunkItem*>(cpShapeGetUserData(nearest.shape));
}

ChipmunkItem* ChipmunkWorld::Impl::Mouse::release()
{
    const cpBody* held = heldBody();
    ChipmunkItem* item = held ? static_cast<ChipmunkItem*>(cpBodyGetUserData(held)) : nullptr;
    freeJoint(m_space, m_joint1);
    freeJoint(m_space, m_joint2);
    if (cpSpaceContainsBody(m_space, m_body))
        cpSpaceRemoveBody(m_space, m_body);
    return item;
}

void ChipmunkWorld::Impl::Mouse::releaseBody(const cpBody* body)
{
    if (body && heldBody() == body)
        release();
}

void ChipmunkWorld::Impl::Mouse::releaseItem(const ChipmunkItem* item)
{
    const cpBody* held = heldBody();
    if (held && cpBodyGetUserData(held) == item)
        release();
}

cpConstraint* ChipmunkWorld::Impl::Mouse::addPivot(cpBody* held, cpVect at)
{
    cpConstraint* joint = cpPivotJointNew(m_body, held, at);
    cpConstraintSetMaxForce(joint, m_settings.maxForce);
    cpSpaceAddConstraint(m_space, joint);
    return joint;
}

cpBody* ChipmunkWorld::Impl::Mouse::heldBody() const
{
    return m_joint1 ? cpConstraintGetBodyB(m_joint1) : nullptr;
}

void ChipmunkWorld::Impl::Mouse::velocityFunc(cpBody* body, cpVect, cpFloat, cpFloat dt)
{
    Mouse* mouse = static_cast<Mouse*>(cpBodyGetUserData(body));
    const cpVect pushed = cpvmult(mouse->m_displacement, mouse->m_settings.newVelocityWeighting / dt);
    const cpVect kept = cpvmult(cpBodyGetVelocity(body), mouse->m_settings.oldVelocityWeighting);
    const cpVect velocity = cpvadd(pushed, kept);
    if (std::isfinite(velocity.x) && std::isfinite(velocity.y))
        cpBodySetVelocity(body, velocity);
    mouse->m_displacement = cpvzero;
}

// The pointer alone places the mouse body.
void ChipmunkWorld::Impl::Mouse::positionFunc(cpBody*, cpFloat) {}

} // namespace Physics
