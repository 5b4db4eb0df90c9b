#include "physics/ChipmunkItem.h"

#include <algorithm>
#include <cmath>

#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkItemImpl.h"
#include "physics/ChipmunkWorld.h"
#include "physics/NullEngine.h"

namespace Physics {

namespace {

bool finite(float a, float b = 0.0f)
{
    return std::isfinite(a) && std::isfinite(b);
}

cpVect rotate(const ChipmunkItem::XYPart& v, cpVect rot)
{
    return cpv(v.x * rot.x - v.y * rot.y, v.x * rot.y + v.y * rot.x);
}

} // namespace

ChipmunkItem::ChipmunkItem(const ChipmunkBlueprint* blueprint,
                           const MathStuff::Vector3<float>& position, float angleDegrees)
    : Util::NamedObject(blueprint ? blueprint->getName() : std::string()), m_impl(new Impl)
{
    if (blueprint)
        blueprint->create(position, angleDegrees, m_impl->names, m_impl->bodies,
                          m_impl->constraints, m_impl->shapes);
    for (cpBody* b : m_impl->bodies) {
        cpBodySetUserData(b, this);
        m_impl->engines.push_back(NullEngine::instance());
        m_impl->forces.push_back(cpvzero);
        const double moment = cpBodyGetMoment(b);
        m_impl->moments.push_back(moment > 0.0 ? moment : INFINITY);
    }
    for (const std::pair<cpShape*, bool>& s : m_impl->shapes)
        cpShapeSetUserData(s.first, this);
}

ChipmunkItem::~ChipmunkItem()
{
    // Leaving the world first drops a grab on the item while its joints are
    // still in the space.
    if (m_impl->world)
        m_impl->world->removeItem(this);
    removeFromSpace();
    for (const std::pair<cpShape*, bool>& s : m_impl->shapes)
        cpShapeFree(s.first);
    for (cpConstraint* c : m_impl->constraints)
        cpConstraintFree(c);
    for (cpBody* b : m_impl->bodies)
        cpBodyFree(b);
    delete m_impl;
}

void ChipmunkItem::setOwner(ChipmunkWorldItem* owner) { m_impl->owner = owner; }

ChipmunkWorldItem* ChipmunkItem::getOwner() const { return m_impl->owner; }

const std::vector<std::string>& ChipmunkItem::getBodyNames() const { return m_impl->names; }

int ChipmunkItem::getBodyIndex(const std::string& name) const { return m_impl->index(name); }

std::string ChipmunkItem::getBodyName(const cpShape* shape) const
{
    for (const std::pair<cpShape*, bool>& s : m_impl->shapes) {
        if (s.first != shape)
            continue;
        const cpBody* b = cpShapeGetBody(s.first);
        for (size_t i = 0; i < m_impl->bodies.size(); ++i)
            if (m_impl->bodies[i] == b)
                return m_impl->names[i];
    }
    return std::string();
}

void ChipmunkItem::removeBody(const std::string& name)
{
    const int i = m_impl->index(name);
    if (i < 0)
        return;
    if (m_impl->world)
        m_impl->world->releaseBody(m_impl->bodies[i]);
    m_impl->eraseBody(i);
}

void ChipmunkItem::getPositions(std::vector<MathStuff::Orientation<float> >& positions) const
{
    positions.clear();
    positions.reserve(m_impl->bodies.size());
    for (int i = 0; i < getBodyCount(); ++i)
        positions.push_back(getPosition(i));
}

MathStuff::Orientation<float> ChipmunkItem::getPosition(int index) const
{
    cpBody* b = m_impl->bodies[index];
    const cpVect p = cpBodyGetPosition(b);
    const cpVect r = cpBodyGetRotation(b);
    return MathStuff::Orientation<float>(MathStuff::Vector3<float>(float(p.x), float(p.y), 0.0f),
                                         MathStuff::Vector3<float>(float(r.x), float(r.y), 0.0f),
                                         MathStuff::Vector3<float>(float(-r.y), float(r.x), 0.0f),
                                         MathStuff::Vector3<float>(1.0f, 1.0f, 1.0f));
}

int ChipmunkItem::getBodyCount() const
{
    return static_cast<int>(m_impl->bodies.size());
}

void ChipmunkItem::getVelocities(std::vector<XYPart>& velocities) const
{
    velocities.clear();
    for (cpBody* b : m_impl->bodies) {
        const cpVect v = cpBodyGetVelocity(b);
        velocities.push_back(XYPart(float(v.x), float(v.y)));
    }
}

void ChipmunkItem::getSpins(std::vector<float>& spins) const
{
    spins.clear();
    for (cpBody* b : m_impl->bodies)
        spins.push_back(float(cpBodyGetAngularVelocity(b)));
}

void ChipmunkItem::getAngles(std::vector<float>& angles) const
{
    angles.clear();
    for (cpBody* b : m_impl->bodies)
        angles.push_back(float(cpBodyGetAngle(b)));
}

void ChipmunkItem::getForces(std::vector<XYPart>& forces) const
{
    forces.clear();
    for (const cpVect& f : m_impl->forces)
        forces.push_back(XYPart(float(f.x), float(f.y)));
}

void ChipmunkItem::setBodyVelocity(const std::string& name, const XYPart& velocity)
{
    cpBody* b = m_impl->dynamicBody(name);
    if (b && finite(velocity.x, velocity.y))
        cpBodySetVelocity(b, cpv(velocity.x, velocity.y));
}

void ChipmunkItem::setBodySpin(const std::string& name, float spin)
{
    cpBody* b = m_impl->dynamicBody(name);
    if (b && finite(spin))
        cpBodySetAngularVelocity(b, spin);
}

void ChipmunkItem::setBodyAngle(const std::string& name, float radians)
{
    cpBody* b = m_impl->body(name);
    if (!b || !finite(radians))
        return;
    cpBodySetAngle(b, radians);
    // A static body's shapes are indexed where they stood; move them along.
    if (Impl::isStatic(b) && m_impl->space)
        cpSpaceReindexShapesForBody(m_impl->space, b);
}

void ChipmunkItem::setEngine(const std::string& name, I_PhysicalEngine* engine)
{
    const int i = m_impl->index(name);
    if (i >= 0)
        m_impl->engines[i] = engine ? engine : NullEngine::instance();
}

void ChipmunkItem::applyImpulse(const std::string& name, XYPart j, XYPart r)
{
    cpBody* b = m_impl->dynamicBody(name);
    if (!b || !finite(j.x, j.y) || !finite(r.x, r.y))
        return;
    const cpVect rot = cpBodyGetRotation(b);
    const cpVect jw = rotate(j, rot);
    const cpVect rw = rotate(r, rot);
    cpBodySetVelocity(b, cpvadd(cpBodyGetVelocity(b), cpvmult(jw, 1.0 / cpBodyGetMass(b))));
    const double spin = cpvcross(rw, jw) / cpBodyGetMoment(b);
    cpBodySetAngularVelocity(b, cpBodyGetAngularVelocity(b) + spin);
}

void ChipmunkItem::prePhysics() { m_impl->flags.clear(); }

void ChipmunkItem::updateForces(float dt)
{
    I_PhysicalEngine* none = NullEngine::instance();
    for (size_t i = 0; i < m_impl->bodies.size(); ++i) {
        I_PhysicalEngine* engine = m_impl->engines[i];
        cpBody* b = m_impl->bodies[i];
        // The engine clears forces after each step itself; a null engine adds
        // nothing, so its bodies cost nothing here.
        if (engine == none || Impl::isStatic(b)) {
            m_impl->forces[i] = cpBodyGetForce(b);
            continue;
        }
        double torque = 0.0, fx = 0.0, fy = 0.0;
        cpVect v = cpBodyGetVelocity(b);
        engine->timePassed(dt);
        engine->getTorque(cpBodyGetAngularVelocity(b), torque);
        engine->getForce(fx, fy);
        engine->getVelocity(v.x, v.y);
        cpBodySetTorque(b, std::isfinite(torque) ? torque : 0.0);
        cpBodySetForce(b, std::isfinite(fx) && std::isfinite(fy) ? cpv(fx, fy) : cpvzero);
        m_impl->forces[i] = cpBodyGetForce(b);
        if (std::isfinite(v.x) && std::isfinite(v.y))
            cpBodySetVelocity(b, v);
    }
}

void ChipmunkItem::postPhysics() {}

bool ChipmunkItem::hasCollision(const int& flag) const
{
    return std::find(m_impl->flags.begin(), m_impl->flags.end(), flag) != m_impl->flags.end();
}

void ChipmunkItem::addCollision(const int& flag) { m_impl->flags.push_back(flag); }

void ChipmunkItem::setBodyMass(const std::string& name, float mass)
{
    const int i = m_impl->index(name);
    if (i < 0)
        return;
    if (mass == -1.0f)
        m_impl->makeStatic(i);
    else if (std::isfinite(mass) && mass > 0.0f)
        m_impl->makeDynamic(i, mass);
}

void ChipmunkItem::addToSpace(ChipmunkWorld* world, cpSpace* space)
{
    removeFromSpace();
    m_impl->world = world;
    m_impl->space = space;
    if (space)
        m_impl->enterSpace();
}

void ChipmunkItem::removeFromSpace()
{
    if (m_impl->space)
        m_impl->leaveSpace();
}

const std::vector<cpBody*>& ChipmunkItem::getBodies() const { return m_impl->bodies; }

const std::vector<cpConstraint*>& ChipmunkItem::getConstraints() const { return m_impl->constraints; }

const std::vector<std::pair<cpShape*, bool> >& ChipmunkItem::getShapes() const { return m_impl->shapes; }

cpSpace* ChipmunkItem::getSpace() const { return m_impl->space; }

} // namespace Physics
