// Plays seeded whole games with each simulated player and prints how often
// each wins: players [GAMES] [JOBS] [PLAYER], where PLAYER (0 to 4, in the
// table's order) plays alone. Every game runs in a child process of its own
// (the game keeps values for the rest of a run), JOBS at a time.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <vector>

#include "RunFolder.h"
#include "SimPlayers.h"

namespace {

using PlayThrough::Sim::Result;

// The high score a new player finds.
const int DEFAULT_HIGH_SCORE = 887395;

struct Running {
    pid_t pid;
    int pipe;
    int kind;
};

// Starts one game in a child that writes its result into a pipe.
Running start(int kind, unsigned seed)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return {-1, -1, kind};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ends[0]);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        Result result;
        {
            RunFolder folder("players_" + std::to_string(seed));
            if (folder.ok())
                result = PlayThrough::Sim::playGame(kind, seed);
        }
        const ssize_t written = ::write(ends[1], &result, sizeof result);
        ::_exit(written == sizeof result ? 0 : 1);
    }
    ::close(ends[1]);
    return {pid, ends[0], kind};
}

Result finish(const Running& running)
{
    Result result;
    if (running.pid < 0)
        return result;
    if (::read(running.pipe, &result, sizeof result) != sizeof result)
        result = Result();
    ::close(running.pipe);
    int status = 0;
    ::waitpid(running.pid, &status, 0);
    return result;
}

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
    std::vector<std::vector<Result> > results(PlayThrough::Sim::KIND_COUNT);
    std::vector<Running> running;
    for (int game = 0; game < games; ++game) {
        for (int kind = 0; kind < PlayThrough::Sim::KIND_COUNT; ++kind) {
            if (only >= 0 && kind != only)
                continue;
            if (static_cast<int>(running.size()) >= jobs) {
                results[running.front().kind].push_back(finish(running.front()));
                running.erase(running.begin());
            }
            running.push_back(start(kind, 1000u + static_cast<unsigned>(game)));
        }
    }
    for (const Running& r : running)
        results[r.kind].push_back(finish(r));

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
