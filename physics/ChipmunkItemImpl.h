#ifndef PHYSICS_CHIPMUNKITEMIMPL_H
#define PHYSICS_CHIPMUNKITEMIMPL_H

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <chipmunk/chipmunk.h>

#include "physics/BodyIndex.h"
#include "physics/ChipmunkItem.h"

namespace Physics {

// The parts of a physical item and their membership of the space. Names,
// bodies, engines, moments and forces stay parallel.
class ChipmunkItem::Impl {
public:
    Impl() : owner(nullptr), world(nullptr), space(nullptr) {}

    int index(const std::string& name) const { return bodyIndex(names, name); }

    cpBody* body(const std::string& name) const
    {
        const int i = index(name);
        return i < 0 ? nullptr : bodies[i];
    }

    // A dynamic body of that name, the only kind velocities and impulses move.
    cpBody* dynamicBody(const std::string& name) const
    {
        cpBody* b = body(name);
        return b && cpBodyGetType(b) == CP_BODY_TYPE_DYNAMIC ? b : nullptr;
    }

    static bool isStatic(const cpBody* b) { return cpBodyGetType(const_cast<cpBody*>(b)) == CP_BODY_TYPE_STATIC; }

    void removeConstraintsOf(const cpBody* b);
    void removeShapesOf(const cpBody* b);
    void setShapesInSpace(const cpBody* b, bool in);
    bool canBeStatic(const cpBody* b) const;
    void makeStatic(int i);
    void makeDynamic(int i, double mass);
    // Takes body i and its joints and shapes out of the lists and the space, and frees them.
    void eraseBody(int i);
    void enterSpace();
    void leaveSpace();

    ChipmunkWorldItem* owner;
    ChipmunkWorld* world;
    cpSpace* space;
    std::vector<std::string> names;
    std::vector<cpBody*> bodies;
    std::vector<cpConstraint*> constraints;
    std::vector<std::pair<cpShape*, bool> > shapes;
    std::vector<I_PhysicalEngine*> engines;
    // The moment each body turns with while dynamic: a static body has none in
    // the engine, and the engine zeroes it when a body turns dynamic.
    std::vector<double> moments;
    // The force each body held when the last sub-step began.
    std::vector<cpVect> forces;
    std::vector<int> flags;
};

} // namespace Physics

#endif
