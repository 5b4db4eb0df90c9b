// Level 0 played by each simulated player on several seeds, each game in a
// child process of its own: every kind of input wins it in most games within
// a person's limits, and doing nothing loses every one. (scripts/players
// measures the rates over many more games.)
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "GameChild.h"

namespace {

using namespace PlayThrough::Sim;

// Seeds held apart from those the content was tuned on and from the table's.
// A few games a player keep the sanitizer build's run short; the table plays
// hundreds.
const unsigned FIRST_SEED = 7000;

struct Case {
    int kind;
    int games;
    int wins; // at least so many games won; 0: none may be won
};

class SimulatedPlayer : public testing::TestWithParam<Case> {};

TEST_P(SimulatedPlayer, WinsLevelZeroAtItsRate)
{
    const Case& c = GetParam();
    SCOPED_TRACE(kindName(c.kind));
    // The games run side by side, each in its own child.
    std::vector<std::unique_ptr<GameChild> > games;
    for (int game = 0; game < c.games; ++game)
        games.emplace_back(new GameChild(c.kind, FIRST_SEED + static_cast<unsigned>(game), 1));
    int won = 0;
    for (int game = 0; game < c.games; ++game) {
        const Result result = games[game]->finish();
        EXPECT_TRUE(result.finished) << "seed " << FIRST_SEED + game << ": the level did not end";
        EXPECT_EQ(result.score > 0, result.cleared > 0) << "seed " << FIRST_SEED + game;
        won += result.cleared > 0 ? 1 : 0;
    }
    if (c.wins > 0)
        EXPECT_GE(won, c.wins) << "of " << c.games;
    else
        EXPECT_EQ(won, 0) << "of " << c.games;
}

INSTANTIATE_TEST_SUITE_P(Kinds, SimulatedPlayer,
                         testing::Values(Case{MOUSE, 3, 2}, Case{SWITCH_POINTER, 3, 2}, Case{HEAD_TRACKER, 3, 2},
                                         Case{ONE_SWITCH, 3, 2}, Case{ONE_SWITCH_REACTING, 3, 1},
                                         Case{IDLE, 2, 0}),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = kindName(info.param.kind);
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace
