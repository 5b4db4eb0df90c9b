#include "shell/GLFWInput.h"

#include <GLFW/glfw3.h>

#include <cctype>

namespace Game {

namespace {

struct KeyPair {
    int key;
    unsigned char code;
};

// Special keys that have a game key code; every other special key is dropped.
const KeyPair s_specialKeys[] = {
    {GLFW_KEY_ESCAPE, 27},      {GLFW_KEY_UP, 6},
    {GLFW_KEY_DOWN, 7},         {GLFW_KEY_LEFT, 4},
    {GLFW_KEY_RIGHT, 5},        {GLFW_KEY_ENTER, 13},
    {GLFW_KEY_INSERT, 10},      {GLFW_KEY_PAGE_UP, 11},
    {GLFW_KEY_PAGE_DOWN, 12},   {GLFW_KEY_HOME, 8},
    {GLFW_KEY_END, 9},
    {GLFW_KEY_KP_0, 128},       {GLFW_KEY_KP_1, 129},
    {GLFW_KEY_KP_2, 130},       {GLFW_KEY_KP_3, 131},
    {GLFW_KEY_KP_4, 132},       {GLFW_KEY_KP_5, 133},
    {GLFW_KEY_KP_6, 134},       {GLFW_KEY_KP_7, 135},
    {GLFW_KEY_KP_8, 136},       {GLFW_KEY_KP_9, 137},
    {GLFW_KEY_KP_DIVIDE, 138},  {GLFW_KEY_KP_MULTIPLY, 139},
    {GLFW_KEY_KP_SUBTRACT, 140}, {GLFW_KEY_KP_ADD, 141},
    {GLFW_KEY_KP_DECIMAL, 142}, {GLFW_KEY_KP_EQUAL, 143},
    {GLFW_KEY_KP_ENTER, 144},
};

// Whole axis value, truncated toward zero; anything outside [-1, 1] (or not a
// number) is out of the library's range and reads as centred.
int axisValue(float value) {
    if (!(value >= -1.0f && value <= 1.0f)) {
        return 0;
    }
    return static_cast<int>(value);
}

} // namespace

unsigned char GLFWInput::keyCode(int key) {
    if (key < 0) {
        return 0;
    }
    // Printable keys arrive as their upper-case character; the game uses lower case.
    if (key < 256) {
        return static_cast<unsigned char>(std::tolower(key));
    }
    for (const KeyPair& pair : s_specialKeys) {
        if (pair.key == key) {
            return pair.code;
        }
    }
    return 0;
}

bool GLFWInput::keyEvent(int key, int action, unsigned char& code, bool& pressed) {
    // Holding a key gives one press: repeats are not key changes.
    if (action != GLFW_PRESS && action != GLFW_RELEASE) {
        return false;
    }
    const unsigned char mapped = keyCode(key);
    if (mapped == 0) {
        return false;
    }
    code = mapped;
    pressed = action == GLFW_PRESS;
    return true;
}

unsigned int GLFWInput::modifierMask(int mods) {
    unsigned int mask = 0;
    if (mods & GLFW_MOD_SHIFT) {
        mask |= 1;
    }
    if (mods & GLFW_MOD_ALT) {
        mask |= 2;
    }
    if (mods & GLFW_MOD_CONTROL) {
        mask |= 4;
    }
    return mask;
}

int GLFWInput::buttonMask(int button) {
    switch (button) {
    case GLFW_MOUSE_BUTTON_LEFT:
        return 1;
    case GLFW_MOUSE_BUTTON_RIGHT:
        return 2;
    case GLFW_MOUSE_BUTTON_MIDDLE:
        return 4;
    default:
        return 0;
    }
}

int GLFWInput::screenSide(int pixels) {
    return pixels == 0 ? 1 : pixels;
}

GLFWInput::Joypad GLFWInput::joypad(const float* axes, int axisCount,
                                    const unsigned char* buttons, int buttonCount) {
    Joypad pad = {0, 0, {false, false, false, false}};
    if (axes != nullptr && axisCount > 0) {
        pad.x = axisValue(axes[0]);
    }
    if (axes != nullptr && axisCount > 1) {
        // The library reports down as +1; the game wants up as +1.
        pad.y = axisValue(-axes[1]);
    }
    for (int i = 0; i < 4; ++i) {
        pad.buttons[i] = buttons != nullptr && i < buttonCount && buttons[i] == GLFW_PRESS;
    }
    return pad;
}

} // namespace Game
