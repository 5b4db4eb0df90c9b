// Start-up cost of the sounds: each is decoded whole when the game starts.

#include "sound/MODFile.h"
#include "sound/OGGFile.h"
#include "sound/WAVFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string SOUNDS = std::string(FRELMORY_SOURCE_DIR) + "/data/Sounds/";

template <class File>
void decode(benchmark::State& state, const char* name)
{
    const std::string path = SOUNDS + name;
    std::size_t bytes = 0;
    for (auto _ : state) {
        File file(path.c_str());
        if (!file.load()) {
            state.SkipWithError(("cannot decode " + path).c_str());
            return;
        }
        bytes = file.getData().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pcm_bytes"] = static_cast<double>(bytes);
}

void TitleOgg(benchmark::State& state) { decode<Media::OGGFile>(state, "title.ogg"); }
void GameModule(benchmark::State& state) { decode<Media::MODFile>(state, "game.mod"); }
void RockHitWav(benchmark::State& state) { decode<Media::WAVFile>(state, "rock_hit.wav"); }

} // namespace

BENCHMARK(TitleOgg)->Unit(benchmark::kMillisecond);
BENCHMARK(GameModule)->Unit(benchmark::kMillisecond);
BENCHMARK(RockHitWav)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
