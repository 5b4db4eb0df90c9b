#ifndef GAME_FRAMERATECOUNTER_H
#define GAME_FRAMERATECOUNTER_H

#include <string>

namespace Game {

// Counts frames and, at most about once a second, gives the window title with
// the frame rate: "<title>: 59.94 FPS".
class FrameRateCounter {
public:
    FrameRateCounter();

    // Counts one frame at timer reading `seconds`. True when more than a second
    // has passed since the last rate was given; `text` is then the new title.
    bool frame(double seconds, const std::string& title, std::string& text);

    // The title followed by ": ", the rate with two decimals and " FPS".
    static std::string titleText(const std::string& title, double rate);

private:
    int frames;          // frames counted since the last rate was given
    double lastShown;    // timer reading (seconds) when it was given
};

} // namespace Game

#endif
