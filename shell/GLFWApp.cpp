#include "shell/GLFWApp.h"

#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_EnterLeave.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "core/Event_Screen.h"
#include "core/Event_SetMouse.h"
#include "core/Event_Update.h"
#include "input/Screen.h"
#include "shell/FrameClock.h"
#include "shell/FrameRateCounter.h"
#include "shell/GLFWInput.h"
#include "shell/I_Config.h"
#include "shell/I_Game.h"
#include "shell/OptionKey.h"
#include "shell/X11WindowLoss.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace Game {

namespace {

// The open window and what its callbacks need; the callbacks are plain
// functions, so this lives at file scope. Reset when a window opens.
struct WindowState {
    GLFWwindow* window = nullptr;
    const GLFWApp* owner = nullptr;
    std::string title;          // the title given to the constructor
    bool mouseActive = true;    // mouse events are raised only while true; follows the focus
    bool focused = false;       // the focus as the window library last reported it
    int pointerX = 0;           // last reported or warped pointer position, window pixels
    int pointerY = 0;
    bool lookedForJoysticks = false;
    std::vector<int> joysticks; // joysticks present at the first frame
    FrameClock clock;
    FrameRateCounter frameRate;
};

WindowState g_window;

// Set by the quit event; ends the frame loop. Never reset, so a second loop
// returns at once.
bool g_exitApp = false;

// With FRELMORY_TRACE_START in the environment, the first frame of the loop
// is announced on the error stream: start-up is over then, and a benchmark
// can time it from outside.
void traceFirstFrame() {
    static bool l_traced = false;
    if (l_traced) {
        return;
    }
    l_traced = true;
    if (std::getenv("FRELMORY_TRACE_START") != nullptr) {
        std::fprintf(stderr, "frelmory: first frame drawn\n");
    }
}

void raise(EVT::I_Event& event) {
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

void raiseScreen(int width, int height) {
    EVT::Event_Screen event(EVT::EVENT_SCREEN, GLFWInput::screenSide(width),
                            GLFWInput::screenSide(height));
    raise(event);
}

void raiseMouse(int mask, bool pressed) {
    if (!g_window.mouseActive) {
        return;
    }
    EVT::Event_Mouse event(EVT::EVENT_MOUSE, g_window.pointerX, g_window.pointerY, mask, pressed);
    raise(event);
}

const I_Config* options() {
    const I_Game* game = I_Game::instance();
    return game != nullptr ? game->getConfig() : nullptr;
}

bool boolOption(int key, bool fallback) {
    const I_Config* config = options();
    const bool* value = config != nullptr ? config->getBoolPtr(key) : nullptr;
    return value != nullptr ? *value : fallback;
}

unsigned long colourOption(int key) {
    const I_Config* config = options();
    const unsigned long* value = config != nullptr ? config->getULongPtr(key) : nullptr;
    return value != nullptr ? *value : 0UL;
}

// A pointer coordinate in whole pixels. While the cursor is hidden the window
// library reports an unbounded virtual position, so keep it in range.
int toPixel(double position) {
    const double limit = 1e9;
    if (!(position > -limit)) {
        return static_cast<int>(-limit);
    }
    return static_cast<int>(position < limit ? position : limit);
}

void rememberPointer(double x, double y) {
    g_window.pointerX = toPixel(x);
    g_window.pointerY = toPixel(y);
}

// Moves the pointer; the remembered position follows even when the window
// library leaves the pointer alone (it warps only a focused window).
void warpPointer(int x, int y) {
    g_window.pointerX = x;
    g_window.pointerY = y;
    glfwSetCursorPos(g_window.window, x, y);
}

// Shows the cursor. A hidden cursor comes back at the centre of the window,
// whatever position the window library kept from before it was hidden.
void showCursor() {
    const bool wasHidden = glfwGetInputMode(g_window.window, GLFW_CURSOR) == GLFW_CURSOR_DISABLED;
    glfwSetInputMode(g_window.window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
    if (wasHidden) {
        int width = 0;
        int height = 0;
        glfwGetWindowSize(g_window.window, &width, &height);
        warpPointer(width / 2, height / 2);
    }
}

void WindowCloseFunc(GLFWwindow*);

// Shows the picture and then handles the window's input, which raises the
// input events from inside this call. A window another X client destroyed
// ends the run as a closed one does.
void swapAndPoll() {
    X11WindowLoss::watch();
    glfwSwapBuffers(g_window.window);
    glfwPollEvents();
    if (X11WindowLoss::lost() && !g_exitApp) {
        WindowCloseFunc(g_window.window);
    }
}

// The largest size the screen offers: its biggest video mode, or its current
// mode when it lists none. {0, 0} when there is no screen to ask.
std::pair<int, int> largestScreenSize() {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (monitor == nullptr) {
        return std::make_pair(0, 0);
    }
    std::pair<int, int> largest(0, 0);
    int count = 0;
    const GLFWvidmode* modes = glfwGetVideoModes(monitor, &count);
    for (int i = 0; modes != nullptr && i < count; ++i) {
        largest.first = std::max(largest.first, modes[i].width);
        largest.second = std::max(largest.second, modes[i].height);
    }
    const GLFWvidmode* current = glfwGetVideoMode(monitor);
    if (current != nullptr) {
        largest.first = std::max(largest.first, current->width);
        largest.second = std::max(largest.second, current->height);
    }
    return largest;
}

// A window far larger than the screen makes some drivers work for minutes
// (a software renderer allocates every pixel); it opens at the screen's
// largest size instead, with a message.
void fitToScreen(int& width, int& height) {
    const std::pair<int, int> screen = largestScreenSize();
    if (screen.first <= 0 || screen.second <= 0 || (width <= screen.first && height <= screen.second)) {
        return;
    }
    const int fittedWidth = std::min(width, screen.first);
    const int fittedHeight = std::min(height, screen.second);
    std::fprintf(stderr, "The window size %d x %d is larger than the screen allows (%d x %d); "
                 "the window opens at %d x %d\n", width, height, screen.first, screen.second,
                 fittedWidth, fittedHeight);
    width = fittedWidth;
    height = fittedHeight;
}

void printOpenFailure(const char* what, int width, int height) {
    const char* reason = nullptr;
    glfwGetError(&reason);
    std::fprintf(stderr, "The window (%d x %d) could not be opened: %s%s%s\n", width, height, what,
                 reason != nullptr ? ": " : "", reason != nullptr ? reason : "");
}

// Window library callbacks.

void WindowCloseFunc(GLFWwindow*) {
    EVT::Event event(EVT::EVENT_QUIT);
    raise(event);
}

void ReshapeFunc(GLFWwindow*, int width, int height) {
    raiseScreen(width, height);
}

void KeyFunc(GLFWwindow*, int key, int, int action, int mods) {
    unsigned char code = 0;
    bool pressed = false;
    if (!GLFWInput::keyEvent(key, action, code, pressed)) {
        return;
    }
    EVT::Event_Key event(EVT::EVENT_KEY, code, pressed, GLFWInput::modifierMask(mods));
    raise(event);
}

void MouseMotionFunc(GLFWwindow*, double x, double y) {
    rememberPointer(x, y);
    raiseMouse(0, false);
}

void MouseButtonFunc(GLFWwindow*, int button, int action, int) {
    raiseMouse(GLFWInput::buttonMask(button), action != GLFW_RELEASE);
}

// Only notes the focus: the frame loop raises the change at its next frame,
// so the event comes before that frame's update as it always has.
void FocusFunc(GLFWwindow*, int focused) {
    g_window.focused = focused == GLFW_TRUE;
}

void detachInput(GLFWwindow* window) {
    glfwSetWindowFocusCallback(window, nullptr);
    glfwSetKeyCallback(window, nullptr);
    glfwSetCursorPosCallback(window, nullptr);
    glfwSetMouseButtonCallback(window, nullptr);
}

// Frame loop steps.

// Asking the window library for the focus is a round trip to the X server;
// the focus callback keeps it up to date instead, at no cost per frame.
void checkFocus(bool& active) {
    const bool now = g_window.focused;
    if (now == active) {
        return;
    }
    active = now;
    g_window.mouseActive = now;
    EVT::Event_EnterLeave event(EVT::EVENT_ENTERLEAVE, now);
    raise(event);
}

void checkJoysticks() {
    if (!g_window.lookedForJoysticks) {
        for (int number = GLFW_JOYSTICK_1; number <= GLFW_JOYSTICK_LAST; ++number) {
            if (glfwJoystickPresent(number) == GLFW_TRUE) {
                g_window.joysticks.push_back(number);
            }
        }
        g_window.lookedForJoysticks = true;
    }
    for (int number : g_window.joysticks) {
        int axisCount = 0;
        int buttonCount = 0;
        const float* axes = glfwGetJoystickAxes(number, &axisCount);
        const unsigned char* buttons = glfwGetJoystickButtons(number, &buttonCount);
        const GLFWInput::Joypad pad = GLFWInput::joypad(axes, axisCount, buttons, buttonCount);
        EVT::Event_Joypad event(EVT::EVENT_JOYPAD, number, pad.x, pad.y, pad.buttons[0],
                                pad.buttons[1], pad.buttons[2], pad.buttons[3]);
        raise(event);
    }
}

// With FRELMORY_FRAME_MS in the environment (1 to 1000), every frame moves
// the game on by that many milliseconds whatever the wall clock did, and with
// FRELMORY_TRACE_START too each frame announces the game's clock before its
// update: a scripted run then times its input by the game's own clock, which
// a busy machine slows down but cannot make skip a moment.
int fixedFrameMs() {
    static const int l_ms = [] {
        const char* text = std::getenv("FRELMORY_FRAME_MS");
        const int ms = text != nullptr ? std::atoi(text) : 0;
        return ms >= 1 && ms <= 1000 ? ms : 0;
    }();
    return l_ms;
}

int frameMs(double seconds) {
    const int fixed = fixedFrameMs();
    if (fixed == 0) {
        return g_window.clock.step(seconds);
    }
    static long long l_clockMs = 0;
    l_clockMs += fixed;
    if (std::getenv("FRELMORY_TRACE_START") != nullptr) {
        std::fprintf(stderr, "frelmory: clock %lld ms\n", l_clockMs);
    }
    return fixed;
}

void update(double seconds) {
    EVT::Event_Update event(EVT::EVENT_UPDATE, frameMs(seconds));
    raise(event);
}

void showFrameRate(double seconds) {
    if (!boolOption(OPTION_SHOW_FRAME_RATE, false) || g_window.title.empty()) {
        return;
    }
    std::string text;
    if (g_window.frameRate.frame(seconds, g_window.title, text)) {
        glfwSetWindowTitle(g_window.window, text.c_str());
    }
}

} // namespace

GLFWApp::GLFWApp(const char* title, int width, int height, bool fullScreen, int*, char**) {
    if (g_window.window != nullptr) {
        std::fprintf(stderr, "The window (%d x %d) could not be opened: a window is already open\n",
                     width, height);
        return;
    }
    // The window library aborts on a negative size instead of failing.
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "The window (%d x %d) could not be opened: both sides must be at "
                     "least one pixel\n", width, height);
        return;
    }
    g_window = WindowState();
    glfwInitHint(GLFW_JOYSTICK_HAT_BUTTONS, GLFW_FALSE);
    if (glfwInit() != GLFW_TRUE) {
        printOpenFailure("no window system", width, height);
        return;
    }
    fitToScreen(width, height);
    glfwWindowHint(GLFW_DEPTH_BITS, 24);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    GLFWmonitor* monitor = fullScreen ? glfwGetPrimaryMonitor() : nullptr;
    const char* name = title != nullptr ? title : "";
    GLFWwindow* window = glfwCreateWindow(width, height, name, monitor, nullptr);
    if (window == nullptr) {
        printOpenFailure("the window system refused it", width, height);
        glfwTerminate();
        return;
    }
    glfwMakeContextCurrent(window);
    const GLenum glew = glewInit();
    if (glew != GLEW_OK) {
        std::fprintf(stderr, "The window (%d x %d) could not be opened: no GL entry points: %s\n",
                     width, height, reinterpret_cast<const char*>(glewGetErrorString(glew)));
        glfwDestroyWindow(window);
        glfwTerminate();
        return;
    }
    X11WindowLoss::forget();
    X11WindowLoss::own(window);
    X11WindowLoss::watch();
    g_window.window = window;
    g_window.owner = this;
    g_window.title = name;
    glfwSetWindowCloseCallback(window, WindowCloseFunc);
    raiseScreen(width, height);
}

GLFWApp::~GLFWApp() {
    if (!isOpen()) {
        return;
    }
    // Nothing may reach the bus while the window goes.
    detachInput(g_window.window);
    glfwSetWindowSizeCallback(g_window.window, nullptr);
    glfwSetWindowCloseCallback(g_window.window, nullptr);
    // A window lost to another client gives X errors on its way out too.
    X11WindowLoss::watch();
    glfwDestroyWindow(g_window.window);
    glfwTerminate();
    X11WindowLoss::unwatch();
    X11WindowLoss::own(0, 0);
    g_window = WindowState();
}

bool GLFWApp::isOpen() const {
    return g_window.window != nullptr && g_window.owner == this;
}

void GLFWApp::initWindowApp(int*, char**) {
    if (!isOpen()) {
        return;
    }
    GLFWwindow* window = g_window.window;
    glfwSwapInterval(boolOption(OPTION_VSYNC, true) ? 1 : 0);
    // The size and pointer handlers announce the window's real size and the
    // pointer's position as soon as they are installed, as the devices expect.
    glfwSetWindowSizeCallback(window, ReshapeFunc);
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    ReshapeFunc(window, width, height);
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwSetKeyCallback(window, KeyFunc);
    glfwSetCursorPosCallback(window, MouseMotionFunc);
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    MouseMotionFunc(window, x, y);
    glfwSetMouseButtonCallback(window, MouseButtonFunc);
    g_window.mouseActive = true;
    EVT::EventBus* bus = EVT::EventBus::instance();
    bus->addConsumer(EVT::EVENT_PLAY, this);
    bus->addConsumer(EVT::EVENT_QUIT, this);
    bus->addConsumer(EVT::EVENT_SETMOUSE, this);
}

void GLFWApp::startWindowApp() {
    if (!isOpen()) {
        return;
    }
    // One round trip for the focus at the start; then the callback follows it.
    glfwSetWindowFocusCallback(g_window.window, FocusFunc);
    g_window.focused = glfwGetWindowAttrib(g_window.window, GLFW_FOCUSED) == GLFW_TRUE;
    bool active = g_window.focused;
    while (!g_exitApp) {
        checkFocus(active);
        checkJoysticks();
        const double seconds = glfwGetTime();
        update(seconds);
        showFrameRate(seconds);

        glPushMatrix();
        clearWindow(colourOption(OPTION_CLEAR_COLOUR));
        EVT::Event render(EVT::EVENT_RENDER);
        raise(render);
        swapAndPoll();
        glPopMatrix();
        traceFirstFrame();
    }
    detachInput(g_window.window);
}

void GLFWApp::clearWindow(unsigned long colour) {
    if (!isOpen()) {
        return;
    }
    glClearColor(((colour >> 24) & 0xff) / 255.0f, ((colour >> 16) & 0xff) / 255.0f,
                 ((colour >> 8) & 0xff) / 255.0f, (colour & 0xff) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GLFWApp::showWindow() {
    if (isOpen()) {
        swapAndPoll();
    }
}

void GLFWApp::getAllowedSizes(std::vector<std::pair<int, int> >& sizes) {
    sizes.clear();
    GLFWmonitor* monitor = isOpen() ? glfwGetPrimaryMonitor() : nullptr;
    if (monitor == nullptr) {
        return;
    }
    int count = 0;
    const GLFWvidmode* modes = glfwGetVideoModes(monitor, &count);
    // Ordered by width, then height; modes differing only in depth or rate collapse.
    std::set<std::pair<int, int> > distinct;
    for (int i = 0; modes != nullptr && i < count; ++i) {
        if (modes[i].width != 0) {
            distinct.insert(std::make_pair(modes[i].width, modes[i].height));
        }
    }
    sizes.assign(distinct.begin(), distinct.end());
}

void GLFWApp::setSize(const std::pair<int, int>& size) {
    if (!isOpen()) {
        return;
    }
    // A window side is at least one pixel.
    const int width = std::max(1, size.first);
    const int height = std::max(1, size.second);
    glfwSetWindowSize(g_window.window, width, height);
    raiseScreen(width, height);
}

void GLFWApp::handleEvent(EVT::I_Event* event) {
    if (event == nullptr || !isOpen()) {
        return;
    }
    switch (event->getEventID()) {
    case EVT::EVENT_QUIT:
        g_exitApp = true;
        break;
    case EVT::EVENT_PLAY: {
        const I_Game* game = I_Game::instance();
        const Devices::Screen* screen = game != nullptr ? game->getScreen() : nullptr;
        if (screen != nullptr) {
            warpPointer(screen->getWidth() / 2, screen->getHeight() / 2);
        }
        break;
    }
    case EVT::EVENT_SETMOUSE: {
        const EVT::Event_SetMouse* setMouse = EVT::eventCast<EVT::Event_SetMouse>(event);
        if (setMouse == nullptr) {
            break;
        }
        const int x = setMouse->getWarpX();
        const int y = setMouse->getWarpY();
        const int mode = setMouse->getCursorMode();
        const bool keepPointer = x == -1 || y == -1;
        if (mode == EVT::Event_SetMouse::CURSOR_SHOW) {
            showCursor();
            if (!keepPointer) {
                warpPointer(x, y);
            }
        } else if (mode == EVT::Event_SetMouse::CURSOR_HIDE) {
            if (!keepPointer) {
                warpPointer(x, y);
            }
            glfwSetInputMode(g_window.window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
        } else {
            warpPointer(x, y);
        }
        // The devices expect the pointer's position right after every set-mouse event.
        raiseMouse(0, false);
        break;
    }
    default:
        break;
    }
}

} // namespace Game
