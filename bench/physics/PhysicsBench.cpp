// Steps one scene (a floor, a chain, 30 balls) through the physics world and,
// made from the same blueprint records with the same counting handlers,
// through the physics engine alone; prints both times and, last, the line
// "ratio R": the world's time over the engine's.
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <chipmunk/chipmunk.h>
#include <unistd.h>

#include "physics/ChipmunkWorld.h"
#include "physics/I_CollisionHandler.h"
#include "physics/LevelFile.h"

namespace {

typedef Physics::PhysicalItemFactory<Physics::ChipmunkBlueprint, Physics::ChipmunkItem> Factory;
typedef std::chrono::steady_clock Clock;

const char* const LEVEL = "bench/physics/scene/level.cfg";
const int SUB_STEPS = 3000;
const int ROUNDS = 7;
// Collision type pairs with a handler: ball-floor, ball-chain, chain-floor.
const unsigned PAIRS[3][2] = {{2, 1}, {2, 3}, {3, 1}};
const char* const BLUEPRINTS[3][2] = {
    {"floor", "bench/physics/scene/floor.cfg"},
    {"chain", "bench/physics/scene/chain.cfg"},
    {"ball", "bench/physics/scene/ball.cfg"}};

class Counter : public Physics::I_CollisionHandler {
public:
    Counter() : contacts(0), impulse(0.0) {}
    std::uint16_t collision(Physics::ChipmunkItem*, Physics::ChipmunkItem*, const Info& info) override
    {
        ++contacts;
        impulse += info.impulse;
        return 0;
    }
    long contacts;
    double impulse;
};

struct Result {
    double seconds;
    long contacts;
};

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

Result runWorld()
{
    Factory factory;
    for (const auto& b : BLUEPRINTS)
        factory.add(b[0], b[1]);
    Physics::LevelFile level;
    level.load(LEVEL);
    Physics::ChipmunkWorld world;
    world.create(&factory, level);
    std::vector<Physics::ChipmunkItem*> made;
    factory.getRecords(made);
    std::vector<std::unique_ptr<Physics::ChipmunkItem> > items(made.begin(), made.end());
    Counter counter;
    for (const auto& p : PAIRS)
        world.registerCollisionHandler(p[0], p[1], &counter);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < SUB_STEPS; ++i)
        world.update(16);
    const Result result = {since(start), counter.contacts};
    items.clear();
    return result;
}

// What a game on the bare engine would do: the handler runs inside the step.
void countRaw(cpArbiter* arbiter, cpSpace*, cpDataPointer data)
{
    Physics::I_CollisionHandler::Info info;
    cpArbiterGetShapes(arbiter, &info.shapeA, &info.shapeB);
    info.itemA = static_cast<Physics::ChipmunkItem*>(cpShapeGetUserData(info.shapeA));
    info.itemB = static_cast<Physics::ChipmunkItem*>(cpShapeGetUserData(info.shapeB));
    info.impulse = cpvdot(cpArbiterTotalImpulse(arbiter), cpArbiterGetNormal(arbiter));
    static_cast<Counter*>(data)->collision(info.itemA, info.itemB, info);
}

// The scene's parts made by the same blueprints, straight into a space.
struct RawScene {
    explicit RawScene(cpSpace* space) : space(space) {}
    ~RawScene()
    {
        for (auto& s : shapes) {
            cpSpaceRemoveShape(space, s.first);
            cpShapeFree(s.first);
        }
        for (cpConstraint* c : constraints) {
            cpSpaceRemoveConstraint(space, c);
            cpConstraintFree(c);
        }
        for (cpBody* b : bodies) {
            if (cpSpaceContainsBody(space, b))
                cpSpaceRemoveBody(space, b);
            cpBodyFree(b);
        }
    }
    void add(const Physics::ChipmunkBlueprint& blueprint, const Physics::LevelFile::ItemInfo& info)
    {
        const size_t b0 = bodies.size(), c0 = constraints.size(), s0 = shapes.size();
        blueprint.create(info.position, info.angle, names, bodies, constraints, shapes);
        for (size_t i = b0; i < bodies.size(); ++i)
            if (cpBodyGetType(bodies[i]) != CP_BODY_TYPE_STATIC)
                cpSpaceAddBody(space, bodies[i]);
        for (size_t i = c0; i < constraints.size(); ++i)
            cpSpaceAddConstraint(space, constraints[i]);
        for (size_t i = s0; i < shapes.size(); ++i)
            cpSpaceAddShape(space, shapes[i].first);
    }
    cpSpace* space;
    std::vector<std::string> names;
    std::vector<cpBody*> bodies;
    std::vector<cpConstraint*> constraints;
    std::vector<std::pair<cpShape*, bool> > shapes;
};

Result runRaw()
{
    std::map<std::string, std::unique_ptr<Physics::ChipmunkBlueprint> > blueprints;
    for (const auto& b : BLUEPRINTS)
        blueprints[b[0]].reset(new Physics::ChipmunkBlueprint(b[0], b[1]));
    Physics::LevelFile level;
    level.load(LEVEL);
    // The world's own settings, read from the physics file.
    Physics::ChipmunkWorld settings;
    settings.create(nullptr, level);
    cpSpace* space = cpSpaceNew();
    cpSpaceSetIterations(space, cpSpaceGetIterations(settings.getSpace()));
    cpSpaceSetGravity(space, cpSpaceGetGravity(settings.getSpace()));
    cpSpaceSetCollisionSlop(space, cpSpaceGetCollisionSlop(settings.getSpace()));
    Counter counter;
    for (const auto& p : PAIRS) {
        cpCollisionHandler* h = cpSpaceAddCollisionHandler(space, p[0], p[1]);
        h->postSolveFunc = countRaw;
        h->userData = &counter;
    }
    Result result;
    {
        RawScene scene(space);
        for (const Physics::LevelFile::ItemInfo& info : level.getItemInfos())
            scene.add(*blueprints[info.name], info);
        const float step = 1.0f / 60.0f;
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < SUB_STEPS; ++i)
            cpSpaceStep(space, step);
        result.seconds = since(start);
        result.contacts = counter.contacts;
    }
    cpSpaceFree(space);
    return result;
}

} // namespace

int main()
{
    if (chdir(FRELMORY_SOURCE_DIR) != 0) {
        std::fprintf(stderr, "cannot enter the source tree %s\n", FRELMORY_SOURCE_DIR);
        return 1;
    }
    Result world = {1e30, 0}, raw = {1e30, 0};
    for (int round = 0; round < ROUNDS; ++round) {
        const Result w = runWorld(), r = runRaw();
        if (w.seconds < world.seconds)
            world = w;
        if (r.seconds < raw.seconds)
            raw = r;
    }
    std::printf("sub-steps %d, best of %d runs\n", SUB_STEPS, ROUNDS);
    std::printf("physics world  %.4f s, %ld contacts\n", world.seconds, world.contacts);
    std::printf("engine alone   %.4f s, %ld contacts\n", raw.seconds, raw.contacts);
    std::printf("ratio %.3f\n", world.seconds / raw.seconds);
    return 0;
}
