#ifndef GAME_X11WINDOWLOSS_H
#define GAME_X11WINDOWLOSS_H

struct GLFWwindow;

namespace Game {

// Another X client may destroy the game's window. Every later drawing to it
// is then an X error, and the X library's own handler ends the process at
// once, losing what the shutdown saves. This handler only notes an error
// about the game's own window or its GL drawable, so the frame loop can end
// the run as a closed window does; the first is reported once on the error
// stream. Errors about anything else are no business of the game's: they go
// to the handler that was in place before.
class X11WindowLoss {
public:
    // The X ids of the game's window and of its GL drawable (0 when it has
    // none of its own); an error about either is the window's loss.
    static void own(unsigned long window, unsigned long drawable);
    // The same for the window library's window (its X window and GLX window).
    static void own(GLFWwindow* window);
    // Installs the handler; call it again before each use of the window: the
    // window library puts the X library's own handler back after some calls.
    static void watch();
    // Puts back the handler found by the first watch.
    static void unwatch();
    // Whether an X error about the window arrived since the last forget.
    static bool lost();
    static void forget();
};

} // namespace Game

#endif
