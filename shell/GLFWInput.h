#ifndef GAME_GLFWINPUT_H
#define GAME_GLFWINPUT_H

namespace Game {

// Conversions from the window library's input values to the values the game's
// events carry. Pure functions: no window, no library calls.
class GLFWInput {
public:
    // One joystick's state as the joypad event carries it.
    struct Joypad {
        int x;
        int y;            // up is +1
        bool buttons[4];  // true while pressed
    };

    // Game key code for a key token; 0 when the key has no code.
    static unsigned char keyCode(int key);

    // Turns a key callback's (key, action) into a key code and pressed flag.
    // False (no event) for repeats, unknown keys and keys without a code.
    static bool keyEvent(int key, int action, unsigned char& code, bool& pressed);

    // Game modifier mask (1 SHIFT, 2 ALT, 4 CTRL) from the library's mask.
    static unsigned int modifierMask(int mods);

    // Game button mask (1 left, 2 right, 4 middle, 0 any other button).
    static int buttonMask(int button);

    // A window side for the screen event: never 0.
    static int screenSide(int pixels);

    // Joystick state from the axes and buttons the library reports; either
    // array may be null or short: missing axes read 0, missing buttons released.
    // Axes are truncated toward zero and the vertical axis is turned so up is +1.
    static Joypad joypad(const float* axes, int axisCount,
                         const unsigned char* buttons, int buttonCount);
};

} // namespace Game

#endif
