#ifndef GAME_GLFWAPP_H
#define GAME_GLFWAPP_H

#include "core/I_EventConsumer.h"
#include "shell/I_WindowApp.h"

namespace Game {

// The window application over GLFW: one window with its GL context (GLEW
// ready), window input raised on the bus as key (18), mouse (16) and screen
// (13) events, and the frame loop that raises focus (17), joypad (19), update
// (8) and render (12) events until the quit event (0).
//
// Only one can be open at a time: the window library's callbacks are plain
// functions, so the window lives in file statics. The program entry owns the
// object and destroys it last, after everything that holds GL resources; the
// destructor touches nothing but the window library, so it may run after the
// game root is gone.
class GLFWApp : public I_WindowApp, public EVT::I_EventConsumer {
public:
    // Opens the window at once and raises its size. When the window does not
    // open (no display, a bad size) it says why on the error stream and
    // isOpen() answers false; every other operation then does nothing.
    // argc and argv are not used.
    GLFWApp(const char* title, int width, int height, bool fullScreen, int* argc, char** argv);
    ~GLFWApp() override;

    GLFWApp(const GLFWApp&) = delete;
    GLFWApp& operator=(const GLFWApp&) = delete;

    void initWindowApp(int* argc, char** argv) override;
    void startWindowApp() override;
    void clearWindow(unsigned long colour) override;
    void showWindow() override;
    void getAllowedSizes(std::vector<std::pair<int, int> >& sizes) override;
    void setSize(const std::pair<int, int>& size) override;
    bool isOpen() const override;

    // Quit (0) ends the loop after the frame in progress; play (1) centres the
    // pointer on the screen device; set-mouse (11) warps, shows or hides the
    // pointer and is followed by one mouse event with the pointer's position.
    void handleEvent(EVT::I_Event* event) override;
};

} // namespace Game

#endif
