#ifndef GAME_I_WINDOWAPP_H
#define GAME_I_WINDOWAPP_H

#include <utility>
#include <vector>

namespace Game {

// The window application: the one window with its GL context and the frame
// loop that drives the game through the event bus. The game root calls
// initWindowApp, then startWindowApp once; the program entry owns the object
// and destroys it after everything that holds GL resources.
class I_WindowApp {
public:
    virtual ~I_WindowApp() {}

    // Installs the input callbacks and subscribes to the quit, play and
    // set-mouse events; announces the window size and pointer position at once.
    virtual void initWindowApp(int* argc, char** argv) = 0;

    // Runs the frame loop; returns once the quit event has been handled.
    virtual void startWindowApp() = 0;

    // Clears colour and depth to colour 0xRRGGBBAA.
    virtual void clearWindow(unsigned long colour) = 0;

    // Puts what was drawn on the screen.
    virtual void showWindow() = 0;

    // Replaces the content of sizes with every distinct (width, height) the
    // display offers, ascending by width, then by height.
    virtual void getAllowedSizes(std::vector<std::pair<int, int> >& sizes) = 0;

    // Resizes the window (width, height) and announces the new size.
    virtual void setSize(const std::pair<int, int>& size) = 0;

    // False when the window could not be opened; the program then ends with
    // a failure instead of running a loop without a window.
    virtual bool isOpen() const { return true; }
};

} // namespace Game

#endif
