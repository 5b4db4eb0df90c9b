// A seeded level-0 game of each simulated player through the whole program:
// each kind of input can win the level within a person's limits, and doing
// nothing loses it. (scripts/players measures how often each one wins.)
#include <gtest/gtest.h>

#include "RunFolder.h"
#include "SimPlayers.h"

namespace {

using namespace PlayThrough::Sim;

struct Case {
    int kind;
    unsigned seed;
    bool wins;
};

class SimulatedPlayer : public testing::TestWithParam<Case> {};

TEST_P(SimulatedPlayer, PlaysLevelZeroThroughItsOwnInput)
{
    const Case& c = GetParam();
    SCOPED_TRACE(kindName(c.kind));
    RunFolder folder("simulated_player");
    ASSERT_TRUE(folder.ok());
    const Result result = playGame(c.kind, c.seed, 1);
    EXPECT_TRUE(result.finished) << "the level did not end";
    EXPECT_EQ(result.cleared, c.wins ? 1 : 0);
    if (c.wins)
        EXPECT_GT(result.score, 0);
    else
        EXPECT_EQ(result.score, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SimulatedPlayer,
                         testing::Values(Case{MOUSE, 1001, true}, Case{SWITCH_POINTER, 1001, true},
                                         Case{HEAD_TRACKER, 1002, true}, Case{ONE_SWITCH, 1001, true},
                                         Case{IDLE, 1001, false}));

} // namespace
