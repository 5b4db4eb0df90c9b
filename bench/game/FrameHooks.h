#ifndef BENCH_FRAMEHOOKS_H
#define BENCH_FRAMEHOOKS_H

#include <functional>

namespace Bench {

// Stands in for three library calls of the game's frame loop and physics,
// each passed on or answered as the library would:
// - the window library's event polling, timed on the thread's CPU clock,
//   after which a hook runs, as the callbacks of real input would (the
//   benchmark's player presses its keys there, and its time is kept out of
//   the frame);
// - the window library's timer, which reads a 60 Hz display's clock: each
//   poll, one picture shown, is a sixtieth of a second later, so every frame
//   updates the game by one display frame however fast it was drawn;
// - Chipmunk's step of the space, timed on the thread's CPU clock: the
//   engine's collision detection and contact solving, with the game's
//   post-solve hook that only queues each collision for after the step.
class FrameHooks {
public:
    static void onPoll(const std::function<void()>& hook);
    // The thread's CPU time spent polling events since the start, in ms.
    static double pollMs();
    // The thread's CPU time spent in Chipmunk's steps since the start, in ms,
    // and how many steps that was.
    static double physicsMs();
    static unsigned long physicsSteps();
};

} // namespace Bench

#endif
