// The cost of loading the game's font: the DMF model loader (read, centre,
// reverse, triangulate, materials, models) against the floor of reading the
// same file and splitting it at ';'. Run by hand:
//   build/<dir>/bench/model_bench
// The ratio of the two times is what the loader adds over plain reading.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "render/LoaderDMF.h"
#include "render/Model.h"

namespace {

const std::string FONT = std::string(FRELMORY_SOURCE_DIR) + "/data/Models/Font_Block.dmf";

void loadFont(benchmark::State& state)
{
    Model::LoaderDMF loader;
    for (auto _ : state) {
        std::vector<Model::Model*> models;
        if (!loader.load(FONT.c_str(), &models))
            state.SkipWithError("font not loaded");
        benchmark::DoNotOptimize(models.data());
        for (Model::Model* model : models)
            delete model;
    }
}

void splitFont(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::string> tokens;
        FILE* file = std::fopen(FONT.c_str(), "r");
        if (!file) {
            state.SkipWithError("font not read");
            break;
        }
        std::string token;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
            if (c == ';') {
                tokens.push_back(token);
                token.clear();
            } else {
                token += static_cast<char>(c);
            }
        }
        std::fclose(file);
        benchmark::DoNotOptimize(tokens.data());
    }
}

} // namespace

BENCHMARK(loadFont)->Unit(benchmark::kMillisecond);
BENCHMARK(splitFont)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
