#include "shell/FrameClock.h"

#include <cmath>
#include <limits>

namespace Game {

FrameClock::FrameClock() : reportedMs(0) {}

int FrameClock::step(double seconds) {
    if (!(seconds >= 0.0)) {
        return 0;
    }
    const double totalMs = std::floor(seconds * 1000.0);
    // Far beyond any real run time; keeps the conversion defined.
    if (totalMs > 1e15) {
        return 0;
    }
    const long long total = static_cast<long long>(totalMs);
    if (total <= reportedMs) {
        return 0;
    }
    long long elapsed = total - reportedMs;
    if (elapsed > std::numeric_limits<int>::max()) {
        elapsed = std::numeric_limits<int>::max();
    }
    reportedMs += elapsed;
    return static_cast<int>(elapsed);
}

void FrameClock::reset() {
    reportedMs = 0;
}

} // namespace Game
