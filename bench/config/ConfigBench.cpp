// Reading the main configuration as the game does at start-up (the file and
// its ".MOD" overlays over the override layer) and resolving every key it
// defines, against the floor of the plainest way to do the same work: read
// the same files line by line, keep each key's trimmed value in a hash map and
// answer every key by name. The growth rows read files of 10 and 100 copies
// of it (each copy's keys renamed) against the one file: no worse than linear
// is 1.25 times the copies.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unordered_map>
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

const char* const BLANKS = " \t\r";

std::string trimmed(const std::string& text, std::string::size_type from, std::string::size_type to)
{
    const std::string::size_type first = text.find_first_not_of(BLANKS, from);
    if (first == std::string::npos || first >= to)
        return std::string();
    const std::string::size_type last = text.find_last_not_of(BLANKS, to - 1);
    return text.substr(first, last + 1 - first);
}

// The key lines of the file and its overlays, each key's value kept by name,
// a later line overriding an earlier one.
void readKeys(std::unordered_map<std::string, std::string>& values)
{
    for (std::string name = MAIN_CONFIG;; name += ".MOD") {
        std::ifstream in(name);
        if (!in)
            break;
        std::string line;
        while (std::getline(in, line)) {
            const std::string::size_type at = line.find("==");
            if (at != std::string::npos && line[0] != '#')
                values[trimmed(line, 0, at)] = trimmed(line, at + 2, line.size());
        }
    }
}

// The floor's read and answers, as resolveAll: the number of keys it holds.
size_t readAndAnswer(const std::vector<std::string>& keys)
{
    std::unordered_map<std::string, std::string> values;
    readKeys(values);
    size_t bytes = 0;
    for (const std::string& key : keys) {
        const auto found = values.find(key);
        bytes += found != values.end() ? std::string(found->second).size() : 0;
    }
    benchmark::DoNotOptimize(bytes);
    return values.size();
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
    static const std::vector<std::string> l_keys = keyNames(MAIN_CONFIG);
    for (auto _ : state)
        benchmark::DoNotOptimize(readAndAnswer(l_keys));
}

bool sameWork()
{
    const size_t resolved = keyNames(MAIN_CONFIG).size(), kept = readAndAnswer(keyNames(MAIN_CONFIG));
    std::fprintf(stderr, "configuration: %zu keys resolved, %zu keys kept by the floor\n", resolved, kept);
    if (resolved == 0 || resolved != kept) {
        std::fprintf(stderr, "configuration: %s gave %zu keys but the floor kept %zu\n", MAIN_CONFIG, resolved, kept);
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
    // The reader does more than the floor (blocks, quoted values over lines,
    // the override layer, key references, its checks): twice the floor at most.
    Bench::addPair("configuration", resolveConfig, readConfig, 2.0);
    Bench::addPair("config-10x", resolveScaled<10>, resolveScaled<1>, 12.5);
    Bench::addPair("config-100x", resolveScaled<100>, resolveScaled<1>, 125.0);
    return Bench::runPairs(argc, argv, sameWork);
}
