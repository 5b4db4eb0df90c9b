#include "shell/FrameRateCounter.h"

#include <cstdio>

namespace Game {

FrameRateCounter::FrameRateCounter() : frames(0), lastShown(0.0) {}

bool FrameRateCounter::frame(double seconds, const std::string& title, std::string& text) {
    ++frames;
    const double span = seconds - lastShown;
    if (!(span > 1.0)) {
        return false;
    }
    text = titleText(title, frames / span);
    frames = 0;
    lastShown = seconds;
    return true;
}

std::string FrameRateCounter::titleText(const std::string& title, double rate) {
    char number[64];
    std::snprintf(number, sizeof number, "%.2f", rate);
    return title + ": " + number + " FPS";
}

} // namespace Game
