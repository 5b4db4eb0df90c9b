#include "TableReporter.h"

#include <cstdio>

namespace Bench {

namespace {

const char* const OURS = "/ours";
const char* const FLOOR = "/floor";

} // namespace

TableReporter::TableReporter(const std::vector<Pair>& pairs, bool rowsOnly)
    : m_pairs(pairs), m_rowsOnly(rowsOnly)
{
}

bool TableReporter::ReportContext(const Context& context)
{
    return m_rowsOnly || m_console.ReportContext(context);
}

void TableReporter::ReportRuns(const std::vector<Run>& runs)
{
    if (!m_rowsOnly)
        m_console.ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        // Repeated runs: the median stands for them all.
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
            continue;
        const std::string& name = run.run_name.function_name;
        if (run.run_type == Run::RT_Iteration && m_seconds.count(name))
            continue;
        const double perUnit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_seconds[name] = std::make_pair(run.GetAdjustedCPUTime() / perUnit,
                                         run.GetAdjustedRealTime() / perUnit);
        m_counters[name] = run.counters;
    }
}

void TableReporter::Finalize()
{
    if (!m_rowsOnly) {
        m_console.Finalize();
        std::printf("\n");
        printHead();
    }
    for (const Pair& pair : m_pairs)
        printRow(pair);
    std::fflush(stdout);
}

void TableReporter::printHead()
{
    std::printf("%-14s %12s %12s %9s %7s  %s\n", "benchmark", "ours", "floor", "ratio", "goal",
                "met");
}

bool TableReporter::complete() const
{
    for (const Pair& pair : m_pairs)
        if (!m_seconds.count(pair.source + OURS) || (pair.counter.empty() && !m_seconds.count(pair.source + FLOOR)))
            return false;
    return true;
}

void TableReporter::printRow(const Pair& pair) const
{
    const auto ours = m_seconds.find(pair.source + OURS);
    const auto floor = m_seconds.find(pair.source + FLOOR);
    if (ours == m_seconds.end() || (pair.counter.empty() && floor == m_seconds.end())) {
        std::printf("%-14s %12s %12s %9s %7.2f  %s\n", pair.name.c_str(), "-", "-", "-", pair.goal, "NO (not run)");
        return;
    }
    if (!pair.counter.empty()) {
        printCounterRow(pair, m_counters.find(ours->first)->second);
        return;
    }
    const double ourTime = pair.wallClock ? ours->second.second : ours->second.first;
    const double floorTime = pair.wallClock ? floor->second.second : floor->second.first;
    printFigures(pair, ourTime * 1e3, floorTime * 1e3, "ms");
}

// A counter the run did not set fails its row: a figure of 0 would meet any
// limit.
void TableReporter::printCounterRow(const Pair& pair, const benchmark::UserCounters& counters)
{
    const auto value = counters.find(pair.counter);
    const auto floorValue = counters.find(pair.floorCounter);
    const std::string& missing = value == counters.end() ? pair.counter
        : !pair.floorCounter.empty() && floorValue == counters.end() ? pair.floorCounter : std::string();
    if (!missing.empty()) {
        std::printf("%-14s %12s %12s %9s %7.2f  NO (no %s)\n", pair.name.c_str(), "-", "-", "-", pair.goal,
                    missing.c_str());
        return;
    }
    const double limit = pair.floorCounter.empty() ? pair.limit : floorValue->second.value;
    // The unit is the counter's name up to any '_' ("ms_4x" is in ms).
    const std::string unit = pair.counter.substr(0, pair.counter.find('_'));
    printFigures(pair, value->second.value, limit, unit.c_str());
}

// Only figures that can be right meet a goal: a negative time or size (a
// correction larger than what it corrects) or a floor of nothing cannot.
void TableReporter::printFigures(const Pair& pair, double ours, double floor, const char* unit)
{
    const double ratio = ours / floor;
    const bool possible = ours >= 0.0 && floor > 0.0;
    std::printf("%-14s %10.3f%-2s %10.3f%-2s %9.3f %7.2f  %s\n", pair.name.c_str(), ours, unit, floor, unit, ratio,
                pair.goal, !possible ? "NO (impossible figure)" : ratio <= pair.goal ? "yes" : "NO");
}

} // namespace Bench
