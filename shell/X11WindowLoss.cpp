#include "shell/X11WindowLoss.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace Game {

namespace {

bool g_lost = false;
bool g_watching = false;
XErrorHandler g_previous = nullptr;

int noteError(Display* display, XErrorEvent* error) {
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
