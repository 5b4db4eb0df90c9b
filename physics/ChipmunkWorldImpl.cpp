#include "physics/ChipmunkWorldImpl.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorldMouse.h"
#include "physics/KeyReader.h"
#include "physics/LevelFile.h"

namespace Physics {

namespace {

// The engine's own iteration count, used when the file gives none that works.
const int DEFAULT_ITERATIONS = 10;
// Each sub-step costs iterations times the contacts and joints: a typo beyond
// this would freeze the game.
const int MAX_ITERATIONS = 1000;

// More hash cells than this is a typo: the engine aborts beyond about 1.6
// billion and takes seconds and gigabytes well before.
const int MAX_HASH_CELLS = 1000000;

// Sub-steps one update runs at most: a long stall, or a typo in the clock's
// keys, must not freeze the game while the world catches up.
const int MAX_SUB_STEPS = 1000;

// A sub-step the clock can count with: finite and above 0.
bool usableStep(float step)
{
    return std::isfinite(step) && step > 0.0f;
}

} // namespace

ChipmunkWorld::Impl::Impl(ChipmunkWorld* owner)
    : owner(owner), space(cpSpaceNew()), accumulator(0.0f), timeSteps(1.0f), timeAdjust(1.0f),
      timeFixedDelta(60.0f), bankDropped(false)
{
}

ChipmunkWorld::Impl::~Impl()
{
    mouse.reset();
    // Items still here outlive the world: they must not call back into it.
    for (ChipmunkItem* item : items)
        item->addToSpace(nullptr, nullptr);
    cpSpaceFree(space);
}

void ChipmunkWorld::Impl::queueCollision(I_CollisionHandler* handler, const I_CollisionHandler::Info& info)
{
    queue.push_back(std::make_pair(handler, info));
}

bool ChipmunkWorld::Impl::create(PhysicalItemFactory<ChipmunkBlueprint, ChipmunkItem>* factory,
                                 const LevelFile& level)
{
    const std::string& fileName = level.getPhysicsFile();
    CFG::Info config(CFG::getDefaultOverrides());
    if (!config.addConfig(fileName)) {
        std::cerr << "The physics file \"" << Format::printable(fileName) << "\" cannot be read\n";
        return false;
    }
    const KeyReader keys(config, fileName);
    configureSpace(keys);
    readClock(keys);
    makeItems(factory, level);
    makeMouse(keys);
    return true;
}

void ChipmunkWorld::Impl::configureSpace(const KeyReader& keys)
{
    // One spatial hash serves both indexes; the static keys have no match.
    const float dim = keys.number("ACTIVE_HASH_DIM", 0.0f);
    const int count = Util::strToNum<int>(keys.get("ACTIVE_HASH_CNT"), 10, INT32_MIN);
    if (count > MAX_HASH_CELLS)
        keys.warn("ACTIVE_HASH_CNT", "is above " + std::to_string(MAX_HASH_CELLS) + ": the engine's own index used");
    else if (dim > 0.0f && count > 0)
        cpSpaceUseSpatialHash(space, dim, count);
    int iterations = Util::strToNum<int>(keys.get("ITERATIONS"), 10, INT32_MIN);
    if (iterations < 1 || iterations > MAX_ITERATIONS) {
        keys.warn("ITERATIONS", "is outside 1 to " + std::to_string(MAX_ITERATIONS) + ": "
                                    + std::to_string(DEFAULT_ITERATIONS) + " used");
        iterations = DEFAULT_ITERATIONS;
    }
    cpSpaceSetIterations(space, iterations);
    cpSpaceSetCollisionSlop(space, keys.notNegative("COLLISION_SLOP"));
    const MathStuff::Vector3<float> gravity = keys.point("GRAVITY");
    cpSpaceSetGravity(space, cpv(gravity.x, gravity.y));
}

void ChipmunkWorld::Impl::readClock(const KeyReader& keys)
{
    timeSteps = keys.number("TIME_STEPS", 0.0f);
    timeAdjust = keys.number("TIME_ADJUST", 0.0f);
    timeFixedDelta = keys.number("TIME_FIXED_DELTA", 0.0f);
}

void ChipmunkWorld::Impl::makeMouse(const KeyReader& keys)
{
    Mouse::Settings settings;
    settings.layers = Util::strToNum<unsigned>(keys.get("GRAB_LAYERS"), 16, 0xFFFFFFFFu);
    settings.group = Util::strToNum<unsigned>(keys.get("GRAB_GROUP"), 16, 0xFFFFFFFFu);
    // Beyond the float range is no limit, as the engine's own default.
    settings.maxForce = Util::strToNum<float>(keys.get("GRAB_MAX_FORCE"), 10, 0.0f);
    if (settings.maxForce < 0.0) {
        keys.warn("GRAB_MAX_FORCE", "is negative: no limit used");
        settings.maxForce = INFINITY;
    }
    settings.oldVelocityWeighting = keys.number("GRAB_OLD_VEL_WEIGHTING", 0.0f);
    settings.newVelocityWeighting = keys.number("GRAB_NEW_VEL_WEIGHTING", 0.0f);
    mouse.reset(new Mouse(space, settings));
}

void ChipmunkWorld::Impl::makeItems(PhysicalItemFactory<ChipmunkBlueprint, ChipmunkItem>* factory,
                                    const LevelFile& level)
{
    if (!factory)
        return;
    for (const LevelFile::ItemInfo& info : level.getItemInfos())
        addItem(factory->get(info.name, info.position, info.angle));
}

void ChipmunkWorld::Impl::addItem(ChipmunkItem* item)
{
    if (!item)
        return;
    item->addToSpace(owner, space);
    // Listed once: a second entry would outlive the item's removal.
    if (std::find(items.begin(), items.end(), item) == items.end())
        items.push_back(item);
}

void ChipmunkWorld::Impl::removeItem(ChipmunkItem* item)
{
    if (!item)
        return;
    std::vector<ChipmunkItem*>::iterator it = std::find(items.begin(), items.end(), item);
    if (it != items.end())
        items.erase(it);
    // A contact still queued must not reach the item, whoever removed it.
    removed.push_back(item);
    if (mouse)
        mouse->releaseItem(item);
    // The item leaves the space and forgets the world, which may go first.
    item->addToSpace(nullptr, nullptr);
}

void ChipmunkWorld::Impl::update(long ms)
{
    // By index: handlers may add and remove items between sub-steps.
    for (size_t i = 0; i < items.size(); ++i)
        items[i]->prePhysics();
    const double increment = timeFixedDelta > 0.0f ? 1.0 / timeFixedDelta : ms / 1000.0;
    accumulator = static_cast<float>(accumulator + timeAdjust * increment);
    const float step = (1.0f / 60.0f) / timeSteps;
    if (usableStep(step) && accumulator - step >= accumulator)
        dropBank(step);
    int steps = 0;
    while (usableStep(step) && step <= accumulator) {
        if (++steps > MAX_SUB_STEPS) {
            // The time beyond is dropped; the world falls behind the clock.
            accumulator = std::fmod(accumulator, step);
            break;
        }
        subStep(step);
        accumulator -= step;
    }
    for (size_t i = 0; i < items.size(); ++i)
        items[i]->postPhysics();
}

// The bank has grown so large against the sub-step that a float no longer
// changes when one sub-step is taken from it: kept, it would stop every
// later sub-step for good. It is dropped, and the first drop is reported.
void ChipmunkWorld::Impl::dropBank(float step)
{
    if (!bankDropped)
        std::cerr << "The physics clock holds " << accumulator << " s, too much to count down in sub-steps of "
                  << step << " s: that time is dropped\n";
    bankDropped = true;
    accumulator = 0.0f;
}

void ChipmunkWorld::Impl::subStep(float step)
{
    for (size_t i = 0; i < items.size(); ++i)
        items[i]->updateForces(step);
    if (mouse)
        mouse->idle(step);
    cpSpaceStep(space, step);
    drain();
}

void ChipmunkWorld::Impl::drain()
{
    removed.clear();
    while (!queue.empty()) {
        const std::pair<I_CollisionHandler*, I_CollisionHandler::Info> entry = queue.front();
        queue.pop_front();
        const I_CollisionHandler::Info& info = entry.second;
        ChipmunkItem* a = std::count(removed.begin(), removed.end(), info.itemA) ? nullptr : info.itemA;
        ChipmunkItem* b = std::count(removed.begin(), removed.end(), info.itemB) ? nullptr : info.itemB;
        const std::uint16_t result = entry.first->collision(a, b, info);
        if (result & 0x00FF)
            removed.push_back(a);
        if (result & 0xFF00)
            removed.push_back(b);
    }
    removed.clear();
}

void ChipmunkWorld::Impl::registerCollisionHandler(unsigned typeA, unsigned typeB, I_CollisionHandler* handler)
{
    if (!handler)
        return;
    records.push_back(std::unique_ptr<Record>(new Record{this, handler, typeA}));
    cpCollisionHandler* h = cpSpaceAddCollisionHandler(space, cpCollisionType(typeA), cpCollisionType(typeB));
    h->postSolveFunc = postSolve;
    h->userData = records.back().get();
}

void ChipmunkWorld::Impl::postSolve(cpArbiter* arbiter, cpSpace*, cpDataPointer data)
{
    const Record* record = static_cast<const Record*>(data);
    I_CollisionHandler::Info info;
    cpArbiterGetShapes(arbiter, &info.shapeA, &info.shapeB);
    // The engine keeps one handler per unordered pair, in the order first
    // registered: a later registration the other way round swaps the sides.
    if (cpShapeGetCollisionType(info.shapeA) != cpCollisionType(record->typeA))
        std::swap(info.shapeA, info.shapeB);
    info.itemA = static_cast<ChipmunkItem*>(cpShapeGetUserData(info.shapeA));
    info.itemB = static_cast<ChipmunkItem*>(cpShapeGetUserData(info.shapeB));
    // The normal part only: the engine's total adds friction.
    info.impulse = std::fabs(cpvdot(cpArbiterTotalImpulse(arbiter), cpArbiterGetNormal(arbiter)));
    record->impl->queueCollision(record->handler, info);
}

} // namespace Physics
