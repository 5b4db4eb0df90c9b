#ifndef GAME_FRAMECLOCK_H
#define GAME_FRAMECLOCK_H

namespace Game {

// Turns the timer's seconds into whole milliseconds per frame. The part of a
// millisecond not yet reported is carried to the next frame, so the sum of all
// steps follows the timer and fast frames still advance the game clock.
class FrameClock {
public:
    FrameClock();

    // Milliseconds since the previous step (since 0.0 for the first one).
    // `seconds` is the timer reading; a reading earlier than the last gives 0.
    int step(double seconds);

    // Forgets every step made; the next one counts from 0.0 again.
    void reset();

private:
    long long reportedMs;  // total whole milliseconds handed out so far
};

} // namespace Game

#endif
