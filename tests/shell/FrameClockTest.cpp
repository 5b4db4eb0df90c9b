#include "shell/FrameClock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FrameClock, StepsInWholeMillisecondsCarryingTheRemainder) {
    const struct {
        double seconds;
        int ms;
    } steps[] = {
        {0.0125, 12},   // the first step counts from the timer's start
        {0.0130, 1},    // 0.5 ms carried + 0.5 ms = one whole millisecond
        {0.0134, 0},
        {0.0140, 1},
        {0.0140, 0},    // no time passed
        {0.0100, 0},    // a reading from before the last step gives nothing
        {1.5, 1486},
    };
    Game::FrameClock clock;
    for (const auto& s : steps) {
        EXPECT_EQ(s.ms, clock.step(s.seconds)) << s.seconds;
    }
}

TEST(FrameClock, FastFramesStillAdvanceWithTheTimer) {
    // 4000 frames a second for two seconds: each frame is a quarter millisecond.
    Game::FrameClock clock;
    long long sum = 0;
    for (int frame = 1; frame <= 8000; ++frame) {
        const int ms = clock.step(frame * 0.00025);
        EXPECT_LE(ms, 1);
        sum += ms;
    }
    EXPECT_EQ(2000, sum);
}

TEST(FrameClock, ResetCountsFromTheStartAgainAndBadReadingsGiveNothing) {
    Game::FrameClock clock;
    EXPECT_EQ(2000, clock.step(2.0));
    clock.reset();
    EXPECT_EQ(500, clock.step(0.5));
    EXPECT_EQ(0, clock.step(-1.0));
    EXPECT_EQ(0, clock.step(std::nan("")));
    EXPECT_EQ(100, clock.step(0.6));
}

} // namespace
