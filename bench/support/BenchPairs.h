#ifndef BENCH_BENCHPAIRS_H
#define BENCH_BENCHPAIRS_H

#include <benchmark/benchmark.h>

#include <string>

namespace Bench {

typedef void (*BenchFunction)(benchmark::State&);

// A hot path and its floor, measured in the same run on the same input: the
// ratio of their times is the figure, held to the goal.
// Wall-clock pairs compare elapsed time: for work done by other processes.
void addPair(const std::string& name, BenchFunction ours, BenchFunction floor, double goal,
             bool wallClock = false);

// A hot path held to a fixed floor (a time budget) instead of a measured one;
// the benchmark, for its settings.
benchmark::internal::Benchmark* addBudget(const std::string& name, BenchFunction ours, double floorSeconds,
                                          double goal);

// A figure of our run other than time (the counter of that name, in the unit
// its name gives) held to a limit in the same unit; the benchmark.
benchmark::internal::Benchmark* addLimit(const std::string& name, BenchFunction ours, const std::string& counter,
                                         double limit);

// Runs from the source tree: first check, which runs each side once and says
// in one line why they did not do the same work, then the benchmarks. With
// "--table" only the table rows are printed. 0 when every pair ran and did
// the same work; the goals do not change the result.
int runPairs(int argc, char** argv, bool (*check)());

} // namespace Bench

#endif
