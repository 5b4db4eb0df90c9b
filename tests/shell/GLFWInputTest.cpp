#include "shell/GLFWInput.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

struct KeyCase {
    int key;
    int action;
    bool raised;
    unsigned char code;
    bool pressed;
};

TEST(GLFWInput, MapsKeysToGameCodesAndDropsTheRest) {
    const KeyCase cases[] = {
        {GLFW_KEY_A, GLFW_PRESS, true, 'a', true},
        {GLFW_KEY_Z, GLFW_RELEASE, true, 'z', false},
        {GLFW_KEY_1, GLFW_PRESS, true, '1', true},
        {GLFW_KEY_SPACE, GLFW_PRESS, true, ' ', true},
        {GLFW_KEY_SLASH, GLFW_PRESS, true, '/', true},
        {GLFW_KEY_ESCAPE, GLFW_PRESS, true, 27, true},
        {GLFW_KEY_ENTER, GLFW_PRESS, true, 13, true},
        {GLFW_KEY_LEFT, GLFW_PRESS, true, 4, true},
        {GLFW_KEY_RIGHT, GLFW_PRESS, true, 5, true},
        {GLFW_KEY_UP, GLFW_PRESS, true, 6, true},
        {GLFW_KEY_DOWN, GLFW_RELEASE, true, 7, false},
        {GLFW_KEY_HOME, GLFW_PRESS, true, 8, true},
        {GLFW_KEY_END, GLFW_PRESS, true, 9, true},
        {GLFW_KEY_INSERT, GLFW_PRESS, true, 10, true},
        {GLFW_KEY_PAGE_UP, GLFW_PRESS, true, 11, true},
        {GLFW_KEY_PAGE_DOWN, GLFW_PRESS, true, 12, true},
        {GLFW_KEY_KP_0, GLFW_PRESS, true, 128, true},
        {GLFW_KEY_KP_5, GLFW_PRESS, true, 133, true},
        {GLFW_KEY_KP_9, GLFW_PRESS, true, 137, true},
        {GLFW_KEY_KP_DIVIDE, GLFW_PRESS, true, 138, true},
        {GLFW_KEY_KP_MULTIPLY, GLFW_PRESS, true, 139, true},
        {GLFW_KEY_KP_SUBTRACT, GLFW_PRESS, true, 140, true},
        {GLFW_KEY_KP_ADD, GLFW_PRESS, true, 141, true},
        {GLFW_KEY_KP_DECIMAL, GLFW_PRESS, true, 142, true},
        {GLFW_KEY_KP_EQUAL, GLFW_PRESS, true, 143, true},
        {GLFW_KEY_KP_ENTER, GLFW_PRESS, true, 144, true},
        // Holding a key gives one press: repeats raise nothing.
        {GLFW_KEY_A, GLFW_REPEAT, false, 0, false},
        {GLFW_KEY_UP, GLFW_REPEAT, false, 0, false},
        // Keys the library cannot name, and specials without a game code.
        {GLFW_KEY_UNKNOWN, GLFW_PRESS, false, 0, false},
        {GLFW_KEY_F1, GLFW_PRESS, false, 0, false},
        {GLFW_KEY_TAB, GLFW_PRESS, false, 0, false},
        {GLFW_KEY_BACKSPACE, GLFW_PRESS, false, 0, false},
        {GLFW_KEY_DELETE, GLFW_PRESS, false, 0, false},
        {GLFW_KEY_LEFT_SHIFT, GLFW_PRESS, false, 0, false},
        {GLFW_KEY_RIGHT_CONTROL, GLFW_RELEASE, false, 0, false},
        {GLFW_KEY_LEFT_ALT, GLFW_PRESS, false, 0, false},
    };
    for (const KeyCase& c : cases) {
        unsigned char code = 0;
        bool pressed = false;
        const bool raised = Game::GLFWInput::keyEvent(c.key, c.action, code, pressed);
        EXPECT_EQ(c.raised, raised) << "key " << c.key << " action " << c.action;
        if (c.raised && raised) {
            EXPECT_EQ(c.code, code) << "key " << c.key;
            EXPECT_EQ(c.pressed, pressed) << "key " << c.key;
        }
    }
}

TEST(GLFWInput, ModifierMaskFollowsTheGameOrder) {
    const struct {
        int mods;
        unsigned int mask;
    } cases[] = {
        {0, 0},
        {GLFW_MOD_SHIFT, 1},
        {GLFW_MOD_ALT, 2},
        {GLFW_MOD_CONTROL, 4},
        {GLFW_MOD_SHIFT | GLFW_MOD_CONTROL, 5},
        {GLFW_MOD_SHIFT | GLFW_MOD_ALT | GLFW_MOD_CONTROL, 7},
        {GLFW_MOD_SUPER | GLFW_MOD_CAPS_LOCK | GLFW_MOD_NUM_LOCK, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.mask, Game::GLFWInput::modifierMask(c.mods)) << "mods " << c.mods;
    }
}

TEST(GLFWInput, ButtonMasksAndScreenSides) {
    EXPECT_EQ(1, Game::GLFWInput::buttonMask(GLFW_MOUSE_BUTTON_LEFT));
    EXPECT_EQ(2, Game::GLFWInput::buttonMask(GLFW_MOUSE_BUTTON_RIGHT));
    EXPECT_EQ(4, Game::GLFWInput::buttonMask(GLFW_MOUSE_BUTTON_MIDDLE));
    EXPECT_EQ(0, Game::GLFWInput::buttonMask(GLFW_MOUSE_BUTTON_4));
    EXPECT_EQ(1, Game::GLFWInput::screenSide(0));
    EXPECT_EQ(640, Game::GLFWInput::screenSide(640));
}

TEST(GLFWInput, JoypadTruncatesAxesAndTurnsUpPositive) {
    const struct {
        float axes[2];
        int x;
        int y;
    } cases[] = {
        {{0.0f, 0.0f}, 0, 0},
        {{0.99f, -0.99f}, 0, 0},   // only a full deflection counts
        {{1.0f, -1.0f}, 1, 1},     // stick pushed up reads down as -1
        {{-1.0f, 1.0f}, -1, -1},
        {{NAN, 2.0f}, 0, 0},       // outside the library's range: centred
    };
    const unsigned char buttons[4] = {GLFW_PRESS, GLFW_RELEASE, GLFW_RELEASE, GLFW_PRESS};
    for (const auto& c : cases) {
        const Game::GLFWInput::Joypad pad = Game::GLFWInput::joypad(c.axes, 2, buttons, 4);
        EXPECT_EQ(c.x, pad.x) << c.axes[0];
        EXPECT_EQ(c.y, pad.y) << c.axes[1];
        EXPECT_TRUE(pad.buttons[0]);
        EXPECT_FALSE(pad.buttons[1]);
        EXPECT_FALSE(pad.buttons[2]);
        EXPECT_TRUE(pad.buttons[3]);
    }
}

TEST(GLFWInput, JoypadReadsMissingAxesAndButtonsAsIdle) {
    const float oneAxis[1] = {-1.0f};
    const unsigned char twoButtons[2] = {GLFW_PRESS, GLFW_PRESS};
    const Game::GLFWInput::Joypad partial = Game::GLFWInput::joypad(oneAxis, 1, twoButtons, 2);
    EXPECT_EQ(-1, partial.x);
    EXPECT_EQ(0, partial.y);
    EXPECT_TRUE(partial.buttons[0]);
    EXPECT_TRUE(partial.buttons[1]);
    EXPECT_FALSE(partial.buttons[2]);
    EXPECT_FALSE(partial.buttons[3]);

    const Game::GLFWInput::Joypad none = Game::GLFWInput::joypad(nullptr, 6, nullptr, 12);
    EXPECT_EQ(0, none.x);
    EXPECT_EQ(0, none.y);
    for (bool pressed : none.buttons) {
        EXPECT_FALSE(pressed);
    }
}

} // namespace
