#ifndef PLAYTHROUGH_WINDOWINPUT_H
#define PLAYTHROUGH_WINDOWINPUT_H

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "ScriptedWindowApp.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Key.h"
#include "shell/GLFWInput.h"

namespace PlayThrough {

// Input through callbacks installed on the scripted window, which turn the
// window library's key and button tokens into the game's events with the
// conversions the game's own window uses. Input is handed to whatever
// callback the window library has installed, as the library itself does.
namespace WindowInput {

inline ScriptedWindowApp* appOf(GLFWwindow* window)
{
    return static_cast<ScriptedWindowApp*>(glfwGetWindowUserPointer(window));
}

inline void onKey(GLFWwindow*, int key, int, int action, int mods)
{
    unsigned char code = 0;
    bool pressed = false;
    if (!Game::GLFWInput::keyEvent(key, action, code, pressed))
        return;
    EVT::Event_Key event(EVT::EVENT_KEY, code, pressed, Game::GLFWInput::modifierMask(mods));
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

inline void onPointer(GLFWwindow* window, double x, double y)
{
    appOf(window)->movePointer(static_cast<int>(x), static_cast<int>(y));
}

inline void onButton(GLFWwindow* window, int button, int action, int)
{
    appOf(window)->raiseButton(Game::GLFWInput::buttonMask(button), action != GLFW_RELEASE);
}

inline void install(ScriptedWindowApp& app)
{
    if (!app.window())
        return;
    glfwSetWindowUserPointer(app.window(), &app);
    glfwSetKeyCallback(app.window(), onKey);
    glfwSetCursorPosCallback(app.window(), onPointer);
    glfwSetMouseButtonCallback(app.window(), onButton);
}

// Setting a callback hands back the one installed, which is put back.
inline void key(GLFWwindow* window, int key, int action)
{
    const GLFWkeyfun callback = glfwSetKeyCallback(window, nullptr);
    glfwSetKeyCallback(window, callback);
    if (callback)
        callback(window, key, glfwGetKeyScancode(key), action, 0);
}

inline void button(GLFWwindow* window, int button, int action)
{
    const GLFWmousebuttonfun callback = glfwSetMouseButtonCallback(window, nullptr);
    glfwSetMouseButtonCallback(window, callback);
    if (callback)
        callback(window, button, action, 0);
}

inline void pointer(GLFWwindow* window, double x, double y)
{
    const GLFWcursorposfun callback = glfwSetCursorPosCallback(window, nullptr);
    glfwSetCursorPosCallback(window, callback);
    if (callback)
        callback(window, x, y);
}

// The window library's key that the window turns into the game's key code.
inline int keyToken(unsigned char code)
{
    for (int token = GLFW_KEY_SPACE; token <= GLFW_KEY_LAST; ++token)
        if (Game::GLFWInput::keyCode(token) == code)
            return token;
    return GLFW_KEY_UNKNOWN;
}

} // namespace WindowInput

} // namespace PlayThrough

#endif
