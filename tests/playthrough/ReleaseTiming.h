#ifndef PLAYTHROUGH_RELEASETIMING_H
#define PLAYTHROUGH_RELEASETIMING_H

#include <cmath>
#include <string>
#include <vector>

#include "PlayRig.h"
#include "core/Pi.h"

namespace PlayThrough {

// One-switch play of one level with every release moment on a grid: the
// switch goes down as the swing brings the carrot's leaves under the hidden
// pointer and turns there (a take while the seat still rises into the held
// carrot would stop the swing) and comes up at an offset from the best
// moment: the frame the carrot, slung over the top by the hand holding its
// leaves, first points BEST_DEGREES past straight up towards the snowman.
// Everything runs on the world's own clock, so a sweep is the same on every
// machine.
namespace ReleaseTiming {

const float BEST_DEGREES = 0.0f;
const float FIRST_OFFSET = -0.4f;
const float LAST_OFFSET = 0.6f;
const float STEP = 0.05f;
const long LEVEL_END_MS = 20000;

typedef MathStuff::Vector3<float> Vec;

// What one release did.
struct Outcome {
    bool taken = false;   // the press took the carrot
    bool cleared = false; // the snowman went down or burst before the rock landed
    bool hit = false;     // the carrot reached the snowman
    bool burst = false;   // the carrot burst
    float landedX = 0.0f; // where the carrot first came down, or burst
    bool landed = false;
    float releaseDegrees = 0.0f; // where the carrot pointed when let go
    bool endedHeld = false;      // the held carrot burst on the snowman first
};

inline Physics::ChipmunkItem* itemOf(PlayRig& rig, const std::string& kind)
{
    std::vector<unsigned long> ids;
    if (rig.world->getItems(kind, ids) < 1)
        return nullptr;
    auto* item = dynamic_cast<Physics::ChipmunkWorldItem*>(rig.world->findItem(ids[0]));
    return item ? item->getChipmunkItem() : nullptr;
}

inline bool placeOf(PlayRig& rig, const std::string& kind, Vec& at)
{
    Physics::ChipmunkItem* item = itemOf(rig, kind);
    std::vector<MathStuff::Orientation<float> > bodies;
    if (item)
        item->getPositions(bodies);
    if (bodies.empty())
        return false;
    at = bodies[0].position;
    return true;
}

// Level `level` with its snowman placed by the random value.
inline void startLevel(PlayRig& rig, int level)
{
    rig.world->apocalypse();
    rig.ready = rig.world->genisis(CFG::get("LEVEL_FILE"));
    KWEP::GameStuff::setLevelCount(level);
    if (rig.ready)
        KWEP::GameStuff::createSnowman(rig.world);
}

// The hidden pointer's point: the middle of the play view.
inline Vec pointerPoint(PlayRig& rig)
{
    Vec hand;
    placeOf(rig, "PLAYER", hand);
    return PlayRig::centrePick(hand);
}

// The swing seat's x, or 0 when there is no swing.
inline float seatX(PlayRig& rig)
{
    Physics::ChipmunkItem* swing = itemOf(rig, "CMWI");
    std::vector<MathStuff::Orientation<float> > bodies;
    if (swing)
        swing->getPositions(bodies);
    const int seat = swing ? swing->getBodyIndex("SEAT") : -1;
    return seat >= 0 && seat < static_cast<int>(bodies.size()) ? bodies[seat].position.x : 0.0f;
}

// Presses as the swing turns with the leaves under the pointer, and holds
// until they are: the frame of the take, or -1.
inline int pressAsTheLeavesArrive(PlayRig& rig, const Vec& pointer)
{
    float before = seatX(rig);
    bool turned = false;
    while (rig.elapsedMs < LEVEL_END_MS) {
        rig.frame();
        const float now = seatX(rig);
        turned = turned || now < before;
        before = now;
        if (turned && rig.grab(pointer.x, pointer.y))
            return rig.frames;
    }
    return -1;
}

// How far the carrot held at the pointer points past straight up towards the
// snowman (+x), in degrees: -90 when it lies to the left of the hand.
inline float hangingDegrees(PlayRig& rig, const Vec& pointer)
{
    Vec carrot;
    if (!placeOf(rig, "VEG", carrot))
        return 0.0f;
    return std::atan2(carrot.x - pointer.x, carrot.y - pointer.y) * 180.0f / MathStuff::PI_F;
}

// Runs the held carrot to the best moment: its time in ms, or -1.
inline long runToBestMoment(PlayRig& rig, const Vec& pointer)
{
    bool below = false;
    while (rig.elapsedMs < LEVEL_END_MS) {
        const float degrees = hangingDegrees(rig, pointer);
        below = below || degrees < BEST_DEGREES;
        if (below && degrees >= BEST_DEGREES)
            return rig.elapsedMs;
        rig.moveTo(pointer.x, pointer.y);
        rig.frame();
    }
    return -1;
}

// The best moment of the level with the snowman placed by `random`, in ms
// of the level, or -1 when the carrot is never taken.
inline long bestMoment(int level, float random, long frameClock = 0)
{
    PlayRig rig("", random, frameClock);
    if (!rig.ready)
        return -1;
    startLevel(rig, level);
    const Vec pointer = pointerPoint(rig);
    if (pressAsTheLeavesArrive(rig, pointer) < 0)
        return -1;
    return runToBestMoment(rig, pointer);
}

// The carrot after its release, until the level ends or 20 s pass.
inline void watchThrow(PlayRig& rig, Outcome& outcome)
{
    Vec last;
    while (rig.elapsedMs < LEVEL_END_MS && rig.clearedMs < 0 && rig.overMs < 0) {
        rig.frame();
        Vec carrot;
        if (outcome.burst || !placeOf(rig, "VEG", carrot)) {
            outcome.burst = true;
            continue;
        }
        last = carrot;
        if (!outcome.landed && carrot.y < 12.0f) {
            outcome.landed = true;
            outcome.landedX = carrot.x;
        }
    }
    // A burst carrot came down where it was last seen.
    if (outcome.burst && !outcome.landed) {
        outcome.landed = true;
        outcome.landedX = last.x;
    }
}

// The level played with the release at `releaseMs` of the level, the snowman
// placed by `random`.
inline Outcome play(int level, float random, long releaseMs, long frameClock = 0)
{
    Outcome outcome;
    PlayRig rig("", random, frameClock);
    if (!rig.ready)
        return outcome;
    startLevel(rig, level);
    const Vec pointer = pointerPoint(rig);
    if (pressAsTheLeavesArrive(rig, pointer) < 0)
        return outcome;
    outcome.taken = true;
    Vec carrot;
    while (rig.elapsedMs < releaseMs && placeOf(rig, "VEG", carrot)) {
        rig.moveTo(pointer.x, pointer.y);
        rig.frame();
    }
    outcome.endedHeld = !placeOf(rig, "VEG", carrot);
    outcome.releaseDegrees = hangingDegrees(rig, pointer);
    rig.release();
    watchThrow(rig, outcome);
    outcome.cleared = rig.clearedMs >= 0 && rig.overMs < 0;
    outcome.hit = rig.firstHitMs >= 0 || outcome.cleared;
    return outcome;
}

// The offsets of the grid, in whole steps from the first.
inline std::vector<float> offsets()
{
    std::vector<float> all;
    const int steps = static_cast<int>(std::lround((LAST_OFFSET - FIRST_OFFSET) / STEP));
    for (int i = 0; i <= steps; ++i)
        all.push_back(FIRST_OFFSET + STEP * static_cast<float>(i));
    return all;
}

} // namespace ReleaseTiming

} // namespace PlayThrough

#endif
