#ifndef INPUT_KEYBOARD_H
#define INPUT_KEYBOARD_H

#include "core/I_EventConsumer.h"

#include <memory>

namespace EVT
{
    class I_Event;
}

namespace Devices
{
    // Keeps the down state of every key code and raises the events bound to key edges.
    // Listens to the key event (18); the modifier mask of each key event drives the
    // pseudo-keys SHIFT, ALT and CTRL (codes 1 to 3).
    class Keyboard : public EVT::I_EventConsumer
    {
    public:
        // Unsigned 8-bit key codes; printable keys are their lower-case character code.
        enum KeyCode : unsigned char
        {
            KEY_NONE = 0,
            KEY_SHIFT = 1,
            KEY_ALT = 2,
            KEY_CTRL = 3,
            KEY_LEFT = 4,
            KEY_RIGHT = 5,
            KEY_UP = 6,
            KEY_DOWN = 7,
            KEY_HOME = 8,
            KEY_END = 9,
            KEY_INSERT = 10,
            KEY_PAGEUP = 11,
            KEY_PAGEDOWN = 12,
            KEY_RETURN = 13,
            KEY_ESC = 27,
            KEY_SPACE = 32,
            KEY_KP0 = 128,
            KEY_KP9 = 137,
            KEY_KP_DIVIDE = 138,
            KEY_KP_MULTIPLY = 139,
            KEY_KP_MINUS = 140,
            KEY_KP_PLUS = 141,
            KEY_KP_DECIMAL = 142,
            KEY_KP_EQUAL = 143,
            KEY_KP_ENTER = 144
        };

        // Bit set of held modifiers, any combination 0 to 7.
        enum Modifiers : unsigned int
        {
            MOD_NONE = 0,
            MOD_SHIFT = 1,
            MOD_ALT = 2,
            MOD_CTRL = 4
        };

        Keyboard();
        ~Keyboard() override;

        void handleEvent(EVT::I_Event* event) override;
        // Clears every down flag and deletes every bound event.
        virtual void reset();

        // Applies one key's press or release edge (the pseudo-keys are left alone).
        void doKey(KeyCode key, bool pressed);
        // Keeps a clone of the event, raised at every press (release) edge of the key.
        void addKeyPressEvent(KeyCode key, const EVT::I_Event& event);
        void addKeyReleaseEvent(KeyCode key, const EVT::I_Event& event);

        bool isKeyDown(KeyCode key) const;

    private:
        struct Impl;
        std::unique_ptr<Impl> m_impl;
    };
}

#endif
