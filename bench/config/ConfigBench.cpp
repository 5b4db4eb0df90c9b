// Reading the main configuration as the game does at start-up (the file and
// its ".MOD" overlays over the override layer) and resolving every key it
// defines, against the floor of reading the same files line by line.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/CFG.h"
#include "support/BenchPairs.h"

namespace {

const char* const MAIN_CONFIG = "KWEP.cfg";

// Every key's answer; the number of keys.
size_t resolveAll()
{
    CFG::setConfig(MAIN_CONFIG);
    std::vector<std::string> keys;
    CFG::s_GlobalConfig.keys(keys);
    size_t bytes = 0;
    for (const std::string& key : keys)
        bytes += CFG::get(key).size();
    benchmark::DoNotOptimize(bytes);
    return keys.size();
}

// The lines of the file and its overlays; the number of key lines.
size_t readLines()
{
    size_t keys = 0;
    for (std::string name = MAIN_CONFIG;; name += ".MOD") {
        std::ifstream in(name);
        if (!in)
            break;
        std::string line;
        while (std::getline(in, line))
            if (line.find("==") != std::string::npos && line[0] != '#')
                ++keys;
    }
    return keys;
}

void resolveConfig(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(resolveAll());
}

void readConfig(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readLines());
}

bool sameWork()
{
    const size_t resolved = resolveAll(), lines = readLines();
    std::fprintf(stderr, "configuration: %zu keys resolved, %zu key lines\n", resolved, lines);
    if (resolved == 0 || resolved != lines) {
        std::fprintf(stderr, "configuration: %s gave %zu keys but has %zu key lines\n", MAIN_CONFIG, resolved, lines);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Bench::addPair("configuration", resolveConfig, readConfig, 3.0);
    return Bench::runPairs(argc, argv, sameWork);
}
