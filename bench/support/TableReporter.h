#ifndef BENCH_TABLEREPORTER_H
#define BENCH_TABLEREPORTER_H

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Bench {

// Collects the time of every benchmark (the median when repeated) and prints
// one row per pair: our time, the floor's, their ratio and its goal. The plain
// console report is passed on unless only the rows are wanted.
class TableReporter : public benchmark::BenchmarkReporter {
public:
    struct Pair {
        // The row's name, and the name of the benchmarks it reads.
        std::string name;
        std::string source;
        double goal;
        // The limit of a counter row; unused when the floor is measured.
        double limit;
        // Elapsed time instead of CPU time: for work done by other processes.
        bool wallClock;
        // When not empty, our figure is this counter of the source's run
        // instead of its time, and the budget is a limit in the same unit.
        std::string counter;
        // When not empty too, the floor is this counter of the same run
        // instead of the limit.
        std::string floorCounter;
    };

    TableReporter(const std::vector<Pair>& pairs, bool rowsOnly);

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Prints the column heads of the rows.
    static void printHead();
    // True when every pair has both times.
    bool complete() const;

private:
    void printRow(const Pair& pair) const;
    static void printCounterRow(const Pair& pair, const benchmark::UserCounters& counters);
    // One row: the figures in the unit, their ratio and the goal.
    static void printFigures(const Pair& pair, double ours, double floor, const char* unit);

    std::vector<Pair> m_pairs;
    bool m_rowsOnly;
    benchmark::ConsoleReporter m_console;
    // CPU and elapsed seconds per iteration by benchmark name; errors are left out.
    std::map<std::string, std::pair<double, double> > m_seconds;
    // The counters of each run by benchmark name.
    std::map<std::string, benchmark::UserCounters> m_counters;
};

} // namespace Bench

#endif
