#include "physics/ChipmunkBlueprint.h"

#include <cmath>

#include <chipmunk/chipmunk.h>

#include "physics/BlueprintReader.h"
#include "physics/ChipmunkBlueprintDetails.h"
#include "physics/ContraintFunctions.h"

namespace Physics {

namespace {

typedef ChipmunkBlueprint::Details Details;
typedef std::vector<std::pair<cpShape*, bool> > ShapeList;

const double DEGREES_TO_RADIANS = M_PI / 180.0;

cpBody* makeBody(const Details::BodyInfo& info, cpVect position, double angle)
{
    cpBody* body = std::isfinite(info.mass) ? cpBodyNew(info.mass, info.moment) : cpBodyNewStatic();
    cpBodySetPosition(body, cpvadd(position, cpvrotate(info.offset, cpvforangle(angle))));
    cpBodySetAngle(body, angle);
    return body;
}

cpConstraint* makeJoint(const Details::JointInfo& info, cpBody* a, cpBody* b)
{
    switch (info.kind) {
    case Details::PIN:
        return cpPinJointNew(a, b, info.anchorA, info.anchorB);
    case Details::GEAR:
        return cpGearJointNew(a, b, info.first, info.second);
    case Details::RLIMIT:
        return cpRotaryLimitJointNew(a, b, info.first, info.second);
    default:
        break;
    }
    cpConstraint* spring = cpDampedSpringNew(a, b, info.anchorA, info.anchorB, info.restLength,
                                             info.stiffness, info.damping);
    ContraintFunctions::s_dampedSpringClampValues.add(spring, info.forceClamp);
    cpDampedSpringSetSpringForceFunc(spring, ContraintFunctions::dampedSpringForceClamp);
    return spring;
}

// Every point after the first is an offset from the point before it.
std::vector<cpVect> resolve(const std::vector<MathStuff::Vector3<float> >& points, bool relative)
{
    std::vector<cpVect> out;
    for (const MathStuff::Vector3<float>& p : points) {
        cpVect v = cpv(p.x, p.y);
        if (relative && !out.empty())
            v = cpvadd(v, out.back());
        out.push_back(v);
    }
    return out;
}

void makeShapes(const Details::ShapeInfo& info, cpBody* body, std::vector<cpShape*>& out)
{
    if (info.kind == Details::CIRCLE) {
        out.push_back(cpCircleShapeNew(body, info.radius, info.offset));
        return;
    }
    for (const std::vector<MathStuff::Vector3<float> >& list : info.points) {
        const bool line = info.kind == Details::LINE;
        const std::vector<cpVect> v = resolve(list, line && info.relativePoints);
        if (!line && !v.empty())
            out.push_back(cpPolyShapeNew(body, int(v.size()), v.data(), cpTransformTranslate(info.offset), 0.0));
        for (size_t k = 1; line && k < v.size(); ++k)
            out.push_back(cpSegmentShapeNew(body, v[k - 1], v[k], info.lineWidth));
    }
}

void setSurface(cpShape* shape, const Details::ShapeInfo& info)
{
    cpShapeSetFilter(shape, cpShapeFilterNew(cpGroup(info.group), info.layers, info.layers));
    cpShapeSetCollisionType(shape, cpCollisionType(info.collisionType));
    cpShapeSetElasticity(shape, info.elasticity);
    cpShapeSetFriction(shape, info.friction);
    cpShapeSetSurfaceVelocity(shape, info.surfaceVelocity);
}

} // namespace

ChipmunkBlueprint::ChipmunkBlueprint(const std::string& name, const std::string& fileName)
    : PhysicalBlueprint(name), m_details(new Details)
{
    BlueprintReader(fileName).read(*m_details);
}

ChipmunkBlueprint::~ChipmunkBlueprint() { delete m_details; }

void ChipmunkBlueprint::create(const MathStuff::Vector3<float>& position, float angleDegrees,
                               std::vector<std::string>& names, std::vector<cpBody*>& bodies,
                               std::vector<cpConstraint*>& constraints, ShapeList& shapes) const
{
    // The engine aborts on a body placed out of range; such an instance stands at the origin.
    const bool placed = std::isfinite(position.x) && std::isfinite(position.y);
    const cpVect at = placed ? cpv(position.x, position.y) : cpvzero;
    const double angle = std::isfinite(angleDegrees) ? angleDegrees * DEGREES_TO_RADIANS : 0.0;
    const size_t first = bodies.size();
    for (const Details::BodyInfo& info : m_details->bodies) {
        names.push_back(info.name);
        bodies.push_back(makeBody(info, at, angle));
    }
    for (const Details::JointInfo& info : m_details->joints)
        constraints.push_back(makeJoint(info, bodies[first + info.bodyA], bodies[first + info.bodyB]));
    for (const Details::ShapeInfo& info : m_details->shapes) {
        std::vector<cpShape*> made;
        makeShapes(info, bodies[first + info.body], made);
        for (cpShape* shape : made) {
            setSurface(shape, info);
            shapes.push_back(std::make_pair(shape, info.isStatic));
        }
    }
}

const ChipmunkBlueprint::Details& ChipmunkBlueprint::getDetails() const { return *m_details; }

} // namespace Physics
