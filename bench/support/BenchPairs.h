#ifndef BENCH_BENCHPAIRS_H
#define BENCH_BENCHPAIRS_H

#include <benchmark/benchmark.h>

#include <string>

namespace Bench {

typedef void (*BenchFunction)(benchmark::State&);

// A hot path and its floor, measured in the same run on the same input: the
// ratio of their times is the figure, held to the goal.
// The two benchmarks of a pair, for their settings.
struct Registered {
    benchmark::internal::Benchmark* ours;
    benchmark::internal::Benchmark* floor;
};

// Wall-clock pairs compare elapsed time: for work done by other processes.
Registered addPair(const std::string& name, BenchFunction ours, BenchFunction floor, double goal,
             bool wallClock = false);

// A run of our own with no measured floor (its rows come from addLimit); the
// benchmark, for its settings.
benchmark::internal::Benchmark* addRun(const std::string& name, BenchFunction ours);

// A row of a figure other than time: the counter of that name set by the run
// added as source (its name is the unit), held to a limit in the same unit;
// the goal is for the ratio of the two.
void addLimit(const std::string& row, const std::string& source, const std::string& counter, double limit,
              double goal);

// A row of two counters of the same run (its name is the unit): ours and the
// floor's, measured side by side; the goal is for their ratio.
void addCounterPair(const std::string& row, const std::string& source, const std::string& counter,
                    const std::string& floorCounter, double goal);

// Runs from the source tree: first check, which runs each side once and says
// in one line why they did not do the same work, then the benchmarks. With
// "--table" only the table rows are printed. 0 when every pair ran and did
// the same work; the goals do not change the result.
int runPairs(int argc, char** argv, bool (*check)());

} // namespace Bench

#endif
