#include "physics/ChipmunkItemImpl.h"

#include <cmath>
#include <iostream>

#include "physics/ChipmunkWorld.h"

namespace Physics {

namespace {

// Whether the joint can still be solved once the body no longer moves: the
// engine aborts on a joint that neither of its bodies can answer.
bool standsWithout(cpConstraint* joint, const cpBody* body)
{
    cpBody* other = cpConstraintGetBodyA(joint) == body ? cpConstraintGetBodyB(joint) : cpConstraintGetBodyA(joint);
    if (cpBodyGetType(other) != CP_BODY_TYPE_DYNAMIC)
        return false;
    const bool turns = cpConstraintIsGearJoint(joint) || cpConstraintIsRotaryLimitJoint(joint);
    return !turns || std::isfinite(cpBodyGetMoment(other));
}

} // namespace

void ChipmunkItem::Impl::removeConstraintsOf(const cpBody* b)
{
    std::vector<cpConstraint*> kept;
    for (cpConstraint* c : constraints) {
        if (cpConstraintGetBodyA(c) != b && cpConstraintGetBodyB(c) != b) {
            kept.push_back(c);
            continue;
        }
        if (space && cpSpaceContainsConstraint(space, c))
            cpSpaceRemoveConstraint(space, c);
        cpConstraintFree(c);
    }
    constraints.swap(kept);
}

void ChipmunkItem::Impl::removeShapesOf(const cpBody* b)
{
    std::vector<std::pair<cpShape*, bool> > kept;
    for (const std::pair<cpShape*, bool>& s : shapes) {
        if (cpShapeGetBody(s.first) != b) {
            kept.push_back(s);
            continue;
        }
        if (space && cpSpaceContainsShape(space, s.first))
            cpSpaceRemoveShape(space, s.first);
        cpShapeFree(s.first);
    }
    shapes.swap(kept);
}

// The engine files a body's shapes by the body's type when both are in the
// space, so the shapes leave while the type changes and come back after.
void ChipmunkItem::Impl::setShapesInSpace(const cpBody* b, bool in)
{
    if (!space)
        return;
    for (const std::pair<cpShape*, bool>& s : shapes) {
        if (cpShapeGetBody(s.first) != b)
            continue;
        if (in)
            cpSpaceAddShape(space, s.first);
        else if (cpSpaceContainsShape(space, s.first))
            cpSpaceRemoveShape(space, s.first);
    }
}

bool ChipmunkItem::Impl::canBeStatic(const cpBody* b) const
{
    for (cpConstraint* c : constraints)
        if ((cpConstraintGetBodyA(c) == b || cpConstraintGetBodyB(c) == b) && !standsWithout(c, b))
            return false;
    return true;
}

void ChipmunkItem::Impl::makeStatic(int i)
{
    cpBody* b = bodies[i];
    if (isStatic(b))
        return;
    if (!canBeStatic(b)) {
        std::cerr << "body " << names[i] << " stays dynamic: a joint ties it to a body that cannot answer it\n";
        return;
    }
    // The grab's joint cannot hold a static body.
    if (world)
        world->releaseBody(b);
    moments[i] = cpBodyGetMoment(b);
    setShapesInSpace(b, false);
    if (space && cpSpaceContainsBody(space, b))
        cpSpaceRemoveBody(space, b);
    cpBodySetType(b, CP_BODY_TYPE_STATIC);
    setShapesInSpace(b, true);
}

void ChipmunkItem::Impl::makeDynamic(int i, double mass)
{
    cpBody* b = bodies[i];
    if (!isStatic(b)) {
        cpBodySetMass(b, mass);
        return;
    }
    setShapesInSpace(b, false);
    // Turning dynamic recomputes mass and moment from the shapes (none here).
    cpBodySetType(b, CP_BODY_TYPE_DYNAMIC);
    cpBodySetMass(b, mass);
    cpBodySetMoment(b, moments[i]);
    if (space)
        cpSpaceAddBody(space, b);
    setShapesInSpace(b, true);
}

void ChipmunkItem::Impl::eraseBody(int i)
{
    cpBody* b = bodies[i];
    names.erase(names.begin() + i);
    bodies.erase(bodies.begin() + i);
    engines.erase(engines.begin() + i);
    moments.erase(moments.begin() + i);
    forces.erase(forces.begin() + i);
    removeConstraintsOf(b);
    removeShapesOf(b);
    if (space && cpSpaceContainsBody(space, b))
        cpSpaceRemoveBody(space, b);
    cpBodyFree(b);
}

void ChipmunkItem::Impl::enterSpace()
{
    for (cpBody* b : bodies)
        if (!isStatic(b))
            cpSpaceAddBody(space, b);
    for (cpConstraint* c : constraints)
        cpSpaceAddConstraint(space, c);
    for (const std::pair<cpShape*, bool>& s : shapes)
        cpSpaceAddShape(space, s.first);
}

void ChipmunkItem::Impl::leaveSpace()
{
    for (const std::pair<cpShape*, bool>& s : shapes)
        if (cpSpaceContainsShape(space, s.first))
            cpSpaceRemoveShape(space, s.first);
    for (cpConstraint* c : constraints)
        if (cpSpaceContainsConstraint(space, c))
            cpSpaceRemoveConstraint(space, c);
    for (cpBody* b : bodies)
        if (cpSpaceContainsBody(space, b))
            cpSpaceRemoveBody(space, b);
    space = nullptr;
}

} // namespace Physics
