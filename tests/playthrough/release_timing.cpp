// Prints the one-switch release-timing table of every level: for each release
// offset from the best moment, what the throw did with the snowman in the
// middle of its spread, and per level and snowman place the widest run of
// offsets that clear the level.
#include <cstdio>
#include <string>
#include <vector>

#include "ReleaseTiming.h"
#include "core/Conversions.h"

namespace {

using namespace PlayThrough::ReleaseTiming;

const float SNOWMAN_PLACES[] = {0.0f, 0.5f, 0.99f};

// Where the carrot pointed when let go ("held": it burst on the snowman
// before), then "DOWN" cleared; "stand" hit and
// stood; "burst" burst elsewhere; "short" or "long" came down before or past
// the snowman; then where it came down.
std::string cell(const Outcome& outcome, float snowmanX)
{
    char text[48];
    const char* what = !outcome.taken ? "none"
                       : outcome.cleared ? "DOWN"
                       : outcome.hit     ? "stand"
                       : outcome.burst   ? "burst"
                       : outcome.landedX < snowmanX ? "short"
                                                  : "long";
    if (outcome.endedHeld)
        std::snprintf(text, sizeof text, "held %-5s %4.0f", what, outcome.landedX);
    else
        std::snprintf(text, sizeof text, "%3.0f° %-5s %4.0f", outcome.releaseDegrees, what, outcome.landedX);
    return text;
}

struct Level {
    long best = -1;
    float snowmanX = 0.0f;
    std::vector<Outcome> outcomes; // one per offset
};

Level sweep(int level, float random)
{
    Level result;
    result.best = bestMoment(level, random);
    {
        PlayThrough::PlayRig rig("", random);
        startLevel(rig, level);
        Vec snowman;
        placeOf(rig, "BOSS", snowman);
        result.snowmanX = snowman.x;
    }
    for (float offset : offsets())
        result.outcomes.push_back(play(level, random, result.best + std::lround(offset * 1000.0f)));
    return result;
}

// The longest run of clearing offsets, first and last; false when none clears.
bool window(const Level& level, float& first, float& last)
{
    const std::vector<float> all = offsets();
    int bestStart = -1, bestLength = 0;
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        int length = 0;
        while (i + length < static_cast<int>(all.size()) && level.outcomes[i + length].cleared)
            ++length;
        if (length > bestLength) {
            bestLength = length;
            bestStart = i;
        }
    }
    if (bestLength == 0)
        return false;
    first = all[bestStart];
    last = all[bestStart + bestLength - 1];
    return true;
}

} // namespace

int main()
{
    int levels = 0;
    {
        PlayThrough::PlayRig rig;
        if (!rig.ready) {
            std::fprintf(stderr, "release-timing: the game's configuration did not load\n");
            return 1;
        }
        levels = Util::strToNum<int>(CFG::get("NUM_LEVELS"), 10, 0);
    }
    std::vector<std::vector<Level> > all(levels + 1);
    for (int level = 0; level <= levels; ++level)
        for (float random : SNOWMAN_PLACES)
            all[level].push_back(sweep(level, random));

    std::printf("One switch: release offset from the best moment (the carrot slung %.0f degrees past\n"
                "straight up above the hand); per level, where the carrot pointed when let go\n"
                "(degrees past straight up towards the snowman), what the throw did (DOWN: the\n"
                "level is cleared) and where the carrot came down (x), snowman in the middle of\n"
                "its spread.\n\n", BEST_DEGREES);
    std::printf("| offset s |");
    for (int level = 0; level <= levels; ++level)
        std::printf(" level %d (snowman %3.0f) |", level, all[level][1].snowmanX);
    std::printf("\n|---|");
    for (int level = 0; level <= levels; ++level)
        std::printf("---|");
    std::printf("\n");
    const std::vector<float> grid = offsets();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        std::printf("| %+5.2f |", grid[i]);
        for (int level = 0; level <= levels; ++level)
            std::printf(" %s |", cell(all[level][1].outcomes[i], all[level][1].snowmanX).c_str());
        std::printf("\n");
    }
    std::printf("\nWidest clearing window (first to last offset, s) per snowman place:\n\n"
                "| level | best moment ms | left | middle | right |\n|---|---|---|---|---|\n");
    for (int level = 0; level <= levels; ++level) {
        std::printf("| %d | %ld |", level, all[level][1].best);
        for (const Level& place : all[level]) {
            float first = 0.0f, last = 0.0f;
            if (window(place, first, last))
                std::printf(" %+.2f..%+.2f (%.2f) |", first, last, last - first);
            else
                std::printf(" none |");
        }
        std::printf("\n");
    }
    return 0;
}
