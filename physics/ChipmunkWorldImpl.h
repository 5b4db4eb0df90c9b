#ifndef PHYSICS_CHIPMUNKWORLDIMPL_H
#define PHYSICS_CHIPMUNKWORLDIMPL_H

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <chipmunk/chipmunk.h>

#include "core/Info.h"
#include "physics/ChipmunkWorld.h"
#include "physics/I_CollisionHandler.h"

namespace Physics {

class KeyReader;

// The state of a physics world: the space, the sub-step clock read from the
// physics file, the items, the grab and the contacts waiting for their
// handlers.
class ChipmunkWorld::Impl {
public:
    class Mouse;

    // What the engine's callback gets as user data: one per registration.
    struct Record {
        Impl* impl;
        I_CollisionHandler* handler;
        // The type side a of the handler's contacts carries.
        unsigned typeA;
    };

    explicit Impl(ChipmunkWorld* owner);
    virtual ~Impl();

    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // Called inside the engine's step: only keeps the contact for later.
    virtual void queueCollision(I_CollisionHandler* handler, const I_CollisionHandler::Info& info);

    bool create(PhysicalItemFactory<ChipmunkBlueprint, ChipmunkItem>* factory, const LevelFile& level);
    void addItem(ChipmunkItem* item);
    void removeItem(ChipmunkItem* item);
    void update(long ms);
    void registerCollisionHandler(unsigned typeA, unsigned typeB, I_CollisionHandler* handler);

    ChipmunkWorld* owner;
    cpSpace* space;
    // Seconds of game time not yet stepped.
    float accumulator;
    float timeSteps;
    float timeAdjust;
    float timeFixedDelta;
    // Whether the bank was dropped once for being too large to count down.
    bool bankDropped;
    std::unique_ptr<Mouse> mouse;
    std::vector<ChipmunkItem*> items;
    std::deque<std::pair<I_CollisionHandler*, I_CollisionHandler::Info> > queue;
    std::vector<std::unique_ptr<Record> > records;
    // Items removed since the queue began to drain: their contacts get null.
    std::vector<ChipmunkItem*> removed;

private:
    static void postSolve(cpArbiter* arbiter, cpSpace* space, cpDataPointer data);

    void configureSpace(const KeyReader& keys);
    void readClock(const KeyReader& keys);
    void makeMouse(const KeyReader& keys);
    void makeItems(PhysicalItemFactory<ChipmunkBlueprint, ChipmunkItem>* factory, const LevelFile& level);
    void dropBank(float step);
    void subStep(float step);
    void drain();
};

} // namespace Physics

#endif
