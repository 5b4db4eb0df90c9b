// Plays seeded whole games with each simulated player and prints how often
// each wins: players [GAMES] [JOBS] [PLAYER] [SEED], where PLAYER (0 to 5, in
// the table's order, -1 for all) plays alone and SEED is the first game's
// seed. The content was tuned on seeds 1000 to 1199, so the table plays seeds
// from 5000 by default, held apart from those. Every game runs in a child
// process of its own, JOBS at a time.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "GameChild.h"

namespace {

using PlayThrough::Sim::GameChild;
using PlayThrough::Sim::Result;

// The high score a new player finds.
const int DEFAULT_HIGH_SCORE = 887395;
// The seeds the content was tuned on, and the first the table plays by default.
const unsigned TUNED_FIRST = 1000;
const unsigned TUNED_LAST = 1199;
const unsigned FIRST_SEED = 5000;

double percent(int part, int whole) { return whole ? 100.0 * part / whole : 0.0; }

// How far each player's games got: the share of games that cleared just so
// many levels, which shows where a game gets too hard for an input.
void printLevelsCleared(const std::vector<std::vector<Result> >& results, int only)
{
    int most = 1;
    for (const std::vector<Result>& games : results)
        for (const Result& r : games)
            most = std::max(most, r.cleared);
    std::printf("\n%-17s", "levels cleared");
    for (int level = 0; level <= most; ++level)
        std::printf(" %5d", level);
    std::printf("\n");
    for (int kind = 0; kind < PlayThrough::Sim::KIND_COUNT; ++kind) {
        if (only >= 0 && kind != only)
            continue;
        std::vector<int> count(most + 1, 0);
        for (const Result& r : results[kind])
            ++count[std::max(0, r.cleared)];
        std::printf("%-17s", PlayThrough::Sim::kindName(kind));
        for (int level = 0; level <= most; ++level)
            std::printf(" %4.0f%%", percent(count[level], static_cast<int>(results[kind].size())));
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int jobs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const int only = argc > 3 ? std::atoi(argv[3]) : -1;
    const unsigned first = argc > 4 ? static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)) : FIRST_SEED;
    std::vector<std::vector<Result> > results(PlayThrough::Sim::KIND_COUNT);
    // Children are kept by pointer: a moved child would still be waited for.
    std::vector<std::unique_ptr<GameChild> > running;
    for (int game = 0; game < games; ++game) {
        for (int kind = 0; kind < PlayThrough::Sim::KIND_COUNT; ++kind) {
            if (only >= 0 && kind != only)
                continue;
            if (static_cast<int>(running.size()) >= jobs) {
                results[running.front()->kind()].push_back(running.front()->finish());
                running.erase(running.begin());
            }
            running.emplace_back(new GameChild(kind, first + static_cast<unsigned>(game)));
        }
    }
    for (const std::unique_ptr<GameChild>& child : running)
        results[child->kind()].push_back(child->finish());

    std::printf("seeds %u to %u (the content was tuned on %u to %u)\n\n", first, first + games - 1, TUNED_FIRST,
                TUNED_LAST);
    std::printf("%-17s %6s %8s %11s %12s %13s %10s\n", "player", "games", "level 0", "whole game",
                "median won", "won > 887395", "unfinished");
    for (int kind = 0; kind < PlayThrough::Sim::KIND_COUNT; ++kind) {
        if (only >= 0 && kind != only)
            continue;
        int level0 = 0, won = 0, beat = 0, unfinished = 0;
        std::vector<int> wonScores;
        for (const Result& r : results[kind]) {
            level0 += r.cleared > 0 ? 1 : 0;
            unfinished += r.finished ? 0 : 1;
            if (r.wonGame) {
                ++won;
                wonScores.push_back(r.score);
                beat += r.score > DEFAULT_HIGH_SCORE ? 1 : 0;
            }
        }
        std::sort(wonScores.begin(), wonScores.end());
        const int median = wonScores.empty() ? 0 : wonScores[wonScores.size() / 2];
        const int n = static_cast<int>(results[kind].size());
        std::printf("%-17s %6d %7.0f%% %10.0f%% %12d %12.0f%% %10d\n", PlayThrough::Sim::kindName(kind), n,
                    percent(level0, n), percent(won, n), median, percent(beat, won), unfinished);
    }
    printLevelsCleared(results, only);
    return 0;
}
