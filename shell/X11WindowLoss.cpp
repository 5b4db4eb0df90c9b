#include "shell/X11WindowLoss.h"

#include <GLFW/glfw3.h>
#include <X11/Xlib.h>

#include <cstdio>

// The window library's native access (GLFW 3.2 and later). Its own header
// for them also wants the XRandR headers, which nothing else here needs.
extern "C" {
Window glfwGetX11Window(GLFWwindow* window);
XID glfwGetGLXWindow(GLFWwindow* window);
}

namespace Game {

namespace {

bool g_lost = false;
bool g_watching = false;
XErrorHandler g_previous = nullptr;
XID g_window = 0;
XID g_drawable = 0;

bool aboutOurWindow(const XErrorEvent& error) {
    return error.resourceid != 0 && (error.resourceid == g_window || error.resourceid == g_drawable);
}

int noteError(Display* display, XErrorEvent* error) {
    if (!aboutOurWindow(*error)) {
        return g_previous != nullptr ? g_previous(display, error) : 0;
    }
    if (!g_lost) {
        char text[160] = "";
        XGetErrorText(display, error->error_code, text, sizeof text);
        std::fprintf(stderr, "The window was lost (X error: %s, request %d): the game ends\n", text,
                     static_cast<int>(error->request_code));
    }
    g_lost = true;
    return 0;
}

} // namespace

void X11WindowLoss::own(unsigned long window, unsigned long drawable) {
    g_window = window;
    g_drawable = drawable;
}

void X11WindowLoss::own(GLFWwindow* window) {
    own(window != nullptr ? glfwGetX11Window(window) : 0, window != nullptr ? glfwGetGLXWindow(window) : 0);
}

void X11WindowLoss::watch() {
    const XErrorHandler previous = XSetErrorHandler(noteError);
    if (!g_watching) {
        g_previous = previous;
        g_watching = true;
    }
}

void X11WindowLoss::unwatch() {
    if (g_watching) {
        XSetErrorHandler(g_previous);
        g_watching = false;
    }
}

bool X11WindowLoss::lost() {
    return g_lost;
}

void X11WindowLoss::forget() {
    g_lost = false;
}

} // namespace Game
