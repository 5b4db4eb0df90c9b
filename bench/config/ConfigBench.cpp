// Reading the main configuration as the game does at start-up (the file and
// its ".MOD" overlays over the override layer) and resolving every key it
// defines, against the floor of reading the same files line by line. The
// growth rows read files of 10 and 100 copies of it (each copy's keys renamed)
// against the one file: no worse than linear is 1.25 times the copies.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/CFG.h"
#include "support/BenchPairs.h"
#include "support/TempFolder.h"

namespace {

const char* const MAIN_CONFIG = "KWEP.cfg";

// The names of every key the file defines, as the configuration lists them.
std::vector<std::string> keyNames(const char* file)
{
    CFG::setConfig(file);
    std::vector<std::string> keys;
    CFG::s_GlobalConfig.keys(keys);
    return keys;
}

// Reads the file and answers every key it defines by name, as the game asks
// for its keys: the sorted listing of all names is a tool for tests, not part
// of the game's work, and is made once outside the timing. The number of keys.
size_t resolveAll(const char* file, const std::vector<std::string>& keys)
{
    CFG::setConfig(file);
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
    static const std::vector<std::string> l_keys = keyNames(MAIN_CONFIG);
    for (auto _ : state)
        benchmark::DoNotOptimize(resolveAll(MAIN_CONFIG, l_keys));
}

// Where the scaled copies go: a folder of this run's own, removed at exit.
const Bench::TempFolder& copiesFolder()
{
    static const Bench::TempFolder l_folder("frelmory_bench_config_");
    return l_folder;
}

// The main configuration copied that many times into one file in this run's
// folder, the keys of each later copy renamed; its name.
std::string scaledCopy(int copies)
{
    const std::string name = copiesFolder().path() + "/x" + std::to_string(copies) + ".cfg";
    std::ifstream in(MAIN_CONFIG);
    std::stringstream original;
    original << in.rdbuf();
    std::ofstream out(name);
    for (int copy = 0; copy < copies; ++copy) {
        std::istringstream lines(original.str());
        for (std::string line; std::getline(lines, line);) {
            const std::string::size_type at = line.find(" ==");
            if (copy > 0 && at != std::string::npos && line[0] != '#')
                line.insert(at, "_" + std::to_string(copy));
            out << line << '\n';
        }
    }
    return name;
}

template <int Copies>
void resolveScaled(benchmark::State& state)
{
    static const std::string l_file = scaledCopy(Copies);
    static const std::vector<std::string> l_keys = keyNames(l_file.c_str());
    for (auto _ : state)
        benchmark::DoNotOptimize(resolveAll(l_file.c_str(), l_keys));
}

void readConfig(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readLines());
}

bool sameWork()
{
    const size_t resolved = keyNames(MAIN_CONFIG).size(), lines = readLines();
    std::fprintf(stderr, "configuration: %zu keys resolved, %zu key lines\n", resolved, lines);
    if (resolved == 0 || resolved != lines) {
        std::fprintf(stderr, "configuration: %s gave %zu keys but has %zu key lines\n", MAIN_CONFIG, resolved, lines);
        return false;
    }
    if (!copiesFolder().ok()) {
        std::fprintf(stderr, "configuration: no folder could be made for the scaled copies (%s)\n",
                     copiesFolder().path().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Bench::addPair("configuration", resolveConfig, readConfig, 3.0);
    Bench::addPair("config-10x", resolveScaled<10>, resolveScaled<1>, 12.5);
    Bench::addPair("config-100x", resolveScaled<100>, resolveScaled<1>, 125.0);
    return Bench::runPairs(argc, argv, sameWork);
}
