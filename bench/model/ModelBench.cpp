// Loading the game's font: the DMF model loader (read, centre, reverse,
// triangulate, materials, models), without GL, against the floor of reading
// the same file and splitting it at the DMF delimiter ';'.

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "render/LoaderDMF.h"
#include "render/Model.h"
#include "support/BenchPairs.h"

namespace {

const char* const FONT = "data/Models/Font_Block.dmf";

// The loader's models, deleted at the end.
struct Loaded {
    ~Loaded()
    {
        for (Model::Model* model : models)
            delete model;
    }
    bool ok = false;
    std::vector<Model::Model*> models;
};

void load(Loaded& loaded)
{
    Model::LoaderDMF loader;
    loaded.ok = loader.load(FONT, &loaded.models);
}

// The file's text between the delimiters, each without its leading line break.
bool split(std::vector<std::string>& tokens)
{
    FILE* file = std::fopen(FONT, "r");
    if (!file)
        return false;
    std::string token;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        if (c == ';') {
            tokens.push_back(token);
            token.clear();
        } else if (c != '\n' && c != '\r') {
            token += static_cast<char>(c);
        }
    }
    std::fclose(file);
    return true;
}

void loadFont(benchmark::State& state)
{
    for (auto _ : state) {
        Loaded loaded;
        load(loaded);
        if (!loaded.ok) {
            state.SkipWithError("font not loaded");
            break;
        }
        benchmark::DoNotOptimize(loaded.models.data());
    }
}

void splitFont(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::string> tokens;
        if (!split(tokens)) {
            state.SkipWithError("font not read");
            break;
        }
        benchmark::DoNotOptimize(tokens.data());
    }
}

// Both sides read the same objects: every letter model the loader made is
// named in the split text.
bool sameWork()
{
    Loaded loaded;
    load(loaded);
    std::vector<std::string> tokens;
    if (!loaded.ok || !split(tokens) || loaded.models.empty()) {
        std::fprintf(stderr, "font: %s cannot be loaded\n", FONT);
        return false;
    }
    const std::set<std::string> names(tokens.begin(), tokens.end());
    size_t points = 0;
    for (const Model::Model* model : loaded.models) {
        points += model->getPoints().size();
        if (!names.count(model->getModelName())) {
            std::fprintf(stderr, "font: the model %s is not in the file's text\n", model->getModelName().c_str());
            return false;
        }
    }
    std::fprintf(stderr, "font: %zu models, %zu points, %zu fields\n", loaded.models.size(), points, tokens.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Bench::addPair("font", loadFont, splitFont, 2.0);
    return Bench::runPairs(argc, argv, sameWork);
}
