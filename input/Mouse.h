#ifndef INPUT_MOUSE_H
#define INPUT_MOUSE_H

#include "core/I_EventConsumer.h"

#include <memory>
#include <vector>

namespace EVT
{
    class I_Event;
    class Event_Mouse;
}

namespace Devices
{
    // Pointer position and held buttons, from the mouse (16) and screen (13) events.
    // Absolute mode: the position is the pointer's window position. Relative mode
    // (row limits given): movements add to a virtual position clamped to the rows,
    // and the pointer is sent back to the window's centre. The cursor is steered only
    // through set-mouse events (11).
    class Mouse : public EVT::I_EventConsumer
    {
    public:
        // Button masks; combinations are or-ed.
        enum MouseButton : unsigned int
        {
            MB_NONE = 0,
            MB_LEFT = 1,
            MB_RIGHT = 2,
            MB_MIDDLE = 4
        };

        Mouse();
        ~Mouse() override;

        void handleEvent(EVT::I_Event* event) override;
        void mouseEvent(const EVT::Event_Mouse* event);

        // Absolute mode; a width or height of 0 keeps the present one.
        void setParams(bool visible, bool invertY, int width, int height);
        // Relative mode: rowLimits[k] is the largest |x| allowed on the row |y| = k.
        // An empty list gives absolute mode.
        void setParams(bool visible, bool invertY, const std::vector<int>& rowLimits);
        void setVisible(bool visible);
        // Moves the system pointer to (x, y) window pixels.
        void warpPosition(int x, int y);
        void raiseSetMouseEvent(bool includeCursorState) const;

        // Position as a fraction: about -1 to 1, 0 at the centre; up is positive
        // unless the vertical axis is inverted. 0 where the range is empty.
        float getRelativeX() const;
        float getRelativeY() const;

        int getX() const;
        int getY() const;
        unsigned int getButtons() const;
        bool isVisible() const;

    private:
        struct Impl;
        std::unique_ptr<Impl> m_impl;
    };
}

#endif
