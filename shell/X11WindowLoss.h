#ifndef GAME_X11WINDOWLOSS_H
#define GAME_X11WINDOWLOSS_H

namespace Game {

// Another X client may destroy the game's window. Every later drawing to it
// is then an X error, and the X library's own handler ends the process at
// once, losing what the shutdown saves. This handler only notes the error,
// so the frame loop can end the run as a closed window does. The first
// error is reported once on the error stream.
class X11WindowLoss {
public:
    // Installs the handler; call it again before each use of the window: the
    // window library puts the X library's own handler back after some calls.
    static void watch();
    // Puts back the handler found by the first watch.
    static void unwatch();
    // Whether an X error arrived since the last forget.
    static bool lost();
    static void forget();
};

} // namespace Game

#endif
