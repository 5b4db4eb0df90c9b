#ifndef TESTS_CLIENT_SCRIPTEDWINDOWAPP_H
#define TESTS_CLIENT_SCRIPTEDWINDOWAPP_H

#include <functional>
#include <utility>
#include <vector>

#include "core/I_EventConsumer.h"
#include "shell/I_WindowApp.h"

struct GLFWwindow;

// A window application for whole-program runs: a hidden window that is only
// there for its GL context, and a frame loop driven by a script instead of
// the clock and the devices. Like the real one it announces the window's size
// and the pointer's position when it starts, ends the loop on quit (0),
// centres the pointer on play (1) and follows set-mouse events (11). Every
// frame runs the script, a 16 ms update and a render pass. A run that reaches
// the frame limit stops there and counts as failed.
class ScriptedWindowApp : public Game::I_WindowApp, public EVT::I_EventConsumer {
public:
    typedef std::function<void(ScriptedWindowApp&, int frame)> Script;

    ScriptedWindowApp(int width, int height, Script script, int frameLimit);
    // Destroys the window; the window library stays initialised, since ending
    // it unloads the GL driver, whose own leftovers would count as leaks.
    ~ScriptedWindowApp() override;

    void initWindowApp(int* argc, char** argv) override;
    void startWindowApp() override;
    void clearWindow(unsigned long colour) override;
    void showWindow() override;
    void getAllowedSizes(std::vector<std::pair<int, int> >& sizes) override;
    void setSize(const std::pair<int, int>& size) override;
    bool isOpen() const override;
    void handleEvent(EVT::I_Event* event) override;

    // Raises a key press; its release follows at the start of the next frame.
    void pressKey(unsigned char key);
    void movePointer(int x, int y);
    // A button event at the pointer's position (mask: 1 left, 2 right, 4 middle).
    void raiseButton(int mask, bool pressed);

    // The hidden window; null when it did not open.
    GLFWwindow* window() const { return m_window; }

    int frames() const { return m_frames; }
    bool reachedLimit() const { return m_frames >= m_frameLimit; }
    // Runs right before the picture of showWindow is shown.
    std::function<void()> onShow;
    // Draws only every this many frames (runs that need no pictures save the time).
    int drawEvery = 1;
    // Runs after each frame's render pass, before its picture is shown: the
    // place to read the picture back.
    std::function<void(int frame)> afterDraw;

private:
    GLFWwindow* m_window;
    int m_width;
    int m_height;
    Script m_script;
    int m_frameLimit;
    int m_frames = 0;
    bool m_quit = false;
    int m_pointerX = 0;
    int m_pointerY = 0;
    std::vector<unsigned char> m_held; // keys to release at the next frame

    void releaseKeys();
};

#endif
