// The physics world at the busiest moment of the shipped level: the snowman,
// the carrot with its burst pieces, the rock in flight, the snowballs of all
// three smashed parts and a line of flying letters, stepped for 600 sub-steps
// with the game's collision pairs. The floor is the bare engine stepping the
// same bodies, shapes and joints, made by the same blueprints, with the same
// iterations, sub-step and handlers counting inside the step.

#include <chipmunk/chipmunk.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "physics/ChipmunkWorld.h"
#include "physics/I_CollisionHandler.h"
#include "physics/LevelFile.h"
#include "support/BenchPairs.h"

namespace {

typedef Physics::PhysicalItemFactory<Physics::ChipmunkBlueprint, Physics::ChipmunkItem> Factory;

const char* const LEVEL = "data/Config/Levels/LEVEL.cfg";
const int SUB_STEPS = 600;
// Frames of a 60 Hz game: two sub-steps each at the shipped clock, some three.
const long FRAME_MS = 16;
const double SAME_PLACE = 1e-6;

const char* const BLUEPRINTS[][2] = {
    {"GROUND", "data/Config/Items/GROUND.cfg"}, {"HAND", "data/Config/Items/HAND.cfg"},
    {"CARROT", "data/Config/Items/CARROT.cfg"}, {"SNOWMAN", "data/Config/Items/SNOWMAN.cfg"},
    {"ROCK", "data/Config/Items/ROCK.cfg"},     {"BANG", "data/Config/Items/BANG.cfg"},
    {"BALL", "data/Config/Items/BALL.cfg"},     {"LETTER", "data/Config/Items/LETTER.cfg"},
    {"SWING", "data/Config/Items/SWING.cfg"}};

// The game's collision rules: carrot-ground, carrot-snowman (base, upper
// parts), snowman-ground, rock-ground.
const unsigned PAIRS[][2] = {{2, 1}, {2, 3}, {2, 4}, {4, 1}, {6, 1}};

// One item of the scene beyond the level file's, with the speed it flies at.
struct Placement {
    std::string name;
    float x, y, angle;
    float vx, vy, spin;
};

// What a smashed snowman leaves: six, four and three snowballs from its
// base, middle and head, the carrot's four pieces, the rock, and the score
// and the burst word as flying letters. Speeds are fixed, so both sides see
// the same scene.
// With more copies, the burst pieces and the snowballs come that many times,
// each further copy higher up, for the growth rows.
std::vector<Placement> busiestMoment(int copies)
{
    std::vector<Placement> scene;
    scene.push_back({"SNOWMAN", 200, 0, 0, 0, 0, 0});
    scene.push_back({"ROCK", 120, 60, 0, -260, 40, 4});
    const float partHeights[3] = {27.7f, 72.7f, 102.7f};
    const int balls[3] = {6, 4, 3};
    for (int copy = 0; copy < copies; ++copy) {
        const float lift = 120.0f * copy;
        scene.push_back({"BANG", 150, 80 + lift, 20, 90, 120, 1});
        for (int part = 0; part < 3; ++part)
            for (int i = 0; i < balls[part]; ++i) {
                const float k = static_cast<float>(part * 7 + i);
                scene.push_back({"BALL", 190.0f + 4.0f * i, partHeights[part] + 35.0f + lift, 0,
                                 std::fmod(k * 53.0f, 300.0f) - 150.0f, std::fmod(k * 97.0f, 300.0f) - 150.0f, 0});
            }
    }
    for (int i = 0; i < 11; ++i)
        scene.push_back({"LETTER", 160.0f + 8.0f * i, 150, 0, 60.0f - 12.0f * i, 80.0f + 8.0f * i, 3});
    return scene;
}

// Counts contacts and adds up their impulses, as cheaply on both sides.
class Counter : public Physics::I_CollisionHandler {
public:
    std::uint16_t collision(Physics::ChipmunkItem*, Physics::ChipmunkItem*, const Info& info) override
    {
        ++contacts;
        impulse += info.impulse;
        return 0;
    }
    long contacts = 0;
    double impulse = 0.0;
};

// An item without parts that counts the world's sub-steps.
class StepCounter : public Physics::ChipmunkItem {
public:
    StepCounter() : Physics::ChipmunkItem(nullptr, MathStuff::Vector3<float>(), 0.0f) {}
    void updateForces(float dt) override
    {
        ++steps;
        Physics::ChipmunkItem::updateForces(dt);
    }
    int steps = 0;
};

struct Outcome {
    int steps = 0;
    long contacts = 0;
    std::vector<cpVect> positions;
};

void keepPositions(const std::vector<cpBody*>& bodies, Outcome& out)
{
    for (cpBody* b : bodies)
        if (cpBodyGetType(b) == CP_BODY_TYPE_DYNAMIC)
            out.positions.push_back(cpBodyGetPosition(b));
}

// The scene in the physics world, as the game world holds it.
class WorldScene {
public:
    explicit WorldScene(int copies = 1)
    {
        for (const auto& b : BLUEPRINTS)
            m_factory.add(b[0], b[1]);
        m_level.load(LEVEL);
        m_world.create(&m_factory, m_level);
        for (const Placement& p : busiestMoment(copies))
            place(p);
        std::vector<Physics::ChipmunkItem*> made;
        m_factory.getRecords(made);
        for (Physics::ChipmunkItem* item : made)
            m_items.emplace_back(item);
        m_world.addItem(&m_counter);
        for (const auto& p : PAIRS)
            m_world.registerCollisionHandler(p[0], p[1], &m_handler);
    }
    void run(int subSteps)
    {
        while (m_counter.steps < subSteps)
            m_world.update(FRAME_MS);
    }

    Outcome outcome() const
    {
        Outcome out;
        out.steps = m_counter.steps;
        out.contacts = m_handler.contacts;
        for (const auto& item : m_items)
            keepPositions(item->getBodies(), out);
        return out;
    }

private:
    void place(const Placement& p)
    {
        Physics::ChipmunkItem* item = m_factory.get(p.name, MathStuff::Vector3<float>(p.x, p.y, 0), p.angle);
        for (const std::string& body : item->getBodyNames()) {
            item->setBodyVelocity(body, Physics::ChipmunkItem::XYPart(p.vx, p.vy));
            item->setBodySpin(body, p.spin);
        }
        m_world.addItem(item);
    }

    Factory m_factory;
    Physics::LevelFile m_level;
    Physics::ChipmunkWorld m_world;
    Counter m_handler;
    // Declared after the world: the items leave it before it goes.
    StepCounter m_counter;
    std::vector<std::unique_ptr<Physics::ChipmunkItem> > m_items;
};

// The bare engine's handler: it runs inside the step.
void countRaw(cpArbiter* arbiter, cpSpace*, cpDataPointer data)
{
    Physics::I_CollisionHandler::Info info;
    cpArbiterGetShapes(arbiter, &info.shapeA, &info.shapeB);
    info.itemA = static_cast<Physics::ChipmunkItem*>(cpShapeGetUserData(info.shapeA));
    info.itemB = static_cast<Physics::ChipmunkItem*>(cpShapeGetUserData(info.shapeB));
    info.impulse = std::fabs(cpvdot(cpArbiterTotalImpulse(arbiter), cpArbiterGetNormal(arbiter)));
    static_cast<Counter*>(data)->collision(info.itemA, info.itemB, info);
}

// The same scene made straight into a bare space by the same blueprints.
class RawScene {
public:
    explicit RawScene(int copies = 1)
    {
        for (const auto& b : BLUEPRINTS)
            m_blueprints[b[0]].reset(new Physics::ChipmunkBlueprint(b[0], b[1]));
        Physics::LevelFile level;
        level.load(LEVEL);
        Physics::ChipmunkWorld settings;
        settings.create(nullptr, level);
        m_space = cpSpaceNew();
        cpSpaceSetIterations(m_space, cpSpaceGetIterations(settings.getSpace()));
        cpSpaceSetGravity(m_space, cpSpaceGetGravity(settings.getSpace()));
        cpSpaceSetCollisionSlop(m_space, cpSpaceGetCollisionSlop(settings.getSpace()));
        for (const Physics::LevelFile::ItemInfo& info : level.getItemInfos())
            add(*m_blueprints[info.name], info.position, info.angle, cpvzero, 0);
        for (const Placement& p : busiestMoment(copies))
            add(*m_blueprints[p.name], MathStuff::Vector3<float>(p.x, p.y, 0), p.angle, cpv(p.vx, p.vy), p.spin);
        for (const auto& p : PAIRS) {
            cpCollisionHandler* h = cpSpaceAddCollisionHandler(m_space, p[0], p[1]);
            h->postSolveFunc = countRaw;
            h->userData = &m_handler;
        }
    }

    ~RawScene()
    {
        for (auto& s : m_shapes) {
            cpSpaceRemoveShape(m_space, s.first);
            cpShapeFree(s.first);
        }
        for (cpConstraint* c : m_constraints) {
            cpSpaceRemoveConstraint(m_space, c);
            cpConstraintFree(c);
        }
        for (cpBody* b : m_bodies) {
            if (cpSpaceContainsBody(m_space, b))
                cpSpaceRemoveBody(m_space, b);
            cpBodyFree(b);
        }
        cpSpaceFree(m_space);
    }

    void run(int subSteps)
    {
        const float step = (1.0f / 60.0f) / 2.0f;
        for (int i = 0; i < subSteps; ++i)
            cpSpaceStep(m_space, step);
        m_steps += subSteps;
    }

    Outcome outcome() const
    {
        Outcome out;
        out.steps = m_steps;
        out.contacts = m_handler.contacts;
        keepPositions(m_bodies, out);
        return out;
    }

private:
    void add(const Physics::ChipmunkBlueprint& blueprint, const MathStuff::Vector3<float>& position, float angle,
             cpVect velocity, float spin)
    {
        const size_t b0 = m_bodies.size(), c0 = m_constraints.size(), s0 = m_shapes.size();
        blueprint.create(position, angle, m_names, m_bodies, m_constraints, m_shapes);
        for (size_t i = b0; i < m_bodies.size(); ++i) {
            if (cpBodyGetType(m_bodies[i]) == CP_BODY_TYPE_STATIC)
                continue;
            cpBodySetVelocity(m_bodies[i], velocity);
            cpBodySetAngularVelocity(m_bodies[i], spin);
            cpSpaceAddBody(m_space, m_bodies[i]);
        }
        for (size_t i = c0; i < m_constraints.size(); ++i)
            cpSpaceAddConstraint(m_space, m_constraints[i]);
        for (size_t i = s0; i < m_shapes.size(); ++i)
            cpSpaceAddShape(m_space, m_shapes[i].first);
    }

    std::map<std::string, std::unique_ptr<Physics::ChipmunkBlueprint> > m_blueprints;
    cpSpace* m_space;
    Counter m_handler;
    int m_steps = 0;
    std::vector<std::string> m_names;
    std::vector<cpBody*> m_bodies;
    std::vector<cpConstraint*> m_constraints;
    std::vector<std::pair<cpShape*, bool> > m_shapes;
};

// The world's sub-steps come in whole frames: the floor steps as many.
int worldSubSteps()
{
    static int l_steps = 0;
    if (l_steps == 0) {
        WorldScene scene;
        scene.run(SUB_STEPS);
        l_steps = scene.outcome().steps;
    }
    return l_steps;
}

template <class Scene, int Copies = 1>
void stepScene(benchmark::State& state)
{
    const int steps = worldSubSteps();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<Scene> scene(new Scene(Copies));
        state.ResumeTiming();
        scene->run(steps);
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
}

bool samePlaces(const Outcome& world, const Outcome& raw)
{
    if (world.positions.size() != raw.positions.size())
        return false;
    for (size_t i = 0; i < world.positions.size(); ++i)
        if (cpvdist(world.positions[i], raw.positions[i]) > SAME_PLACE)
            return false;
    return true;
}

bool sameWork()
{
    WorldScene world;
    world.run(SUB_STEPS);
    const Outcome ours = world.outcome();
    RawScene raw;
    raw.run(ours.steps);
    const Outcome floor = raw.outcome();
    std::fprintf(stderr, "physics: %d sub-steps, %zu moving bodies, %ld contacts\n", ours.steps, ours.positions.size(),
                ours.contacts);
    if (ours.steps != floor.steps || ours.contacts != floor.contacts || ours.contacts == 0 ||
        !samePlaces(ours, floor)) {
        std::fprintf(stderr, "physics: the world and the bare engine did not do the same work (%ld and %ld contacts)\n",
                     ours.contacts, floor.contacts);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Bench::addPair("physics", stepScene<WorldScene>, stepScene<RawScene>, 1.10);
    // Growth: 4 and 16 times the pieces against the one scene; linear or
    // better is at most 1.25 times the copies.
    Bench::addPair("physics-4x", stepScene<WorldScene, 4>, stepScene<WorldScene>, 5.0);
    Bench::addPair("physics-16x", stepScene<WorldScene, 16>, stepScene<WorldScene>, 20.0);
    return Bench::runPairs(argc, argv, sameWork);
}
