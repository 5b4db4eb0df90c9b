#include <gtest/gtest.h>

#include <cmath>

#include "ReleaseTiming.h"

namespace {

using namespace PlayThrough::ReleaseTiming;

// One-switch play with the snowman in the middle of its spread, let go at
// the offset from the best moment (the carrot straight up above the hand).
bool clears(int level, float offset)
{
    const long best = bestMoment(level, 0.5f);
    EXPECT_GT(best, 0) << "the carrot is never slung over the hand";
    return play(level, 0.5f, best + std::lround(offset * 1000.0f)).cleared;
}

} // namespace

TEST(ReleaseTiming, EveryReleaseFromAFifthOfASecondEarlyToTwoFifthsLateClearsLevelZero)
{
    for (float offset : {-0.2f, -0.1f, 0.0f, 0.1f, 0.2f, 0.3f, 0.4f}) {
        SCOPED_TRACE(offset);
        EXPECT_TRUE(clears(0, offset));
    }
}

TEST(ReleaseTiming, LaterLevelsClearLettingGoATenthEarlyOrThreeTenthsLate)
{
    for (int level = 1; level <= 4; ++level)
        for (float offset : {-0.1f, 0.3f}) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", offset " << offset);
            EXPECT_TRUE(clears(level, offset));
        }
}
