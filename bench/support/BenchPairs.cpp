#include "BenchPairs.h"

#include "TableReporter.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace Bench {

namespace {

std::vector<TableReporter::Pair>& pairs()
{
    static std::vector<TableReporter::Pair> l_pairs;
    return l_pairs;
}

benchmark::internal::Benchmark* registerOurs(const std::string& name, BenchFunction ours)
{
    return benchmark::RegisterBenchmark((name + "/ours").c_str(), ours)->Unit(benchmark::kMillisecond);
}

// Takes "--table" out of the arguments; true when it was there.
bool takeTableFlag(int& argc, char** argv)
{
    bool found = false;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], "--table") == 0)
            found = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return found;
}

} // namespace

Registered addPair(const std::string& name, BenchFunction ours, BenchFunction floor, double goal, bool wallClock)
{
    pairs().push_back(TableReporter::Pair{name, name, goal, 0.0, wallClock, "", ""});
    return Registered{registerOurs(name, ours),
                      benchmark::RegisterBenchmark((name + "/floor").c_str(), floor)->Unit(benchmark::kMillisecond)};
}

benchmark::internal::Benchmark* addRun(const std::string& name, BenchFunction ours)
{
    return registerOurs(name, ours);
}

void addLimit(const std::string& row, const std::string& source, const std::string& counter, double limit,
              double goal)
{
    pairs().push_back(TableReporter::Pair{row, source, goal, limit, false, counter, ""});
}

void addCounterPair(const std::string& row, const std::string& source, const std::string& counter,
                    const std::string& floorCounter, double goal)
{
    pairs().push_back(TableReporter::Pair{row, source, goal, 0.0, false, counter, floorCounter});
}

int runPairs(int argc, char** argv, bool (*check)())
{
    if (chdir(FRELMORY_SOURCE_DIR) != 0) {
        std::fprintf(stderr, "cannot enter the source tree %s\n", FRELMORY_SOURCE_DIR);
        return 1;
    }
    const bool rowsOnly = takeTableFlag(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (check && !check())
        return 1;
    TableReporter reporter(pairs(), rowsOnly);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.complete() ? 0 : 1;
}

} // namespace Bench
