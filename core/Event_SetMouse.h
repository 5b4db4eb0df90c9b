#ifndef FRELMORY_CORE_EVENT_SETMOUSE_H
#define FRELMORY_CORE_EVENT_SETMOUSE_H

#include "core/I_Event.h"

namespace EVT {

// Move, show or hide the pointer. With cursor mode 1 or 2, a warp coordinate
// of -1 leaves the pointer where it is.
class Event_SetMouse : public I_Event {
public:
    enum { CURSOR_KEEP = 0, CURSOR_SHOW = 1, CURSOR_HIDE = 2 };

    Event_SetMouse(int id, int warpX, int warpY, int cursorMode)
        : I_Event(id), m_warpX(warpX), m_warpY(warpY), m_cursorMode(cursorMode) {}

    I_Event* clone() const override { return new Event_SetMouse(*this); }

    // Window pixels.
    virtual int getWarpX() const { return m_warpX; }
    virtual int getWarpY() const { return m_warpY; }
    // 0 leaves the cursor's visibility, 1 shows it, 2 hides it.
    virtual int getCursorMode() const { return m_cursorMode; }

private:
    int m_warpX;
    int m_warpY;
    int m_cursorMode;
};

} // namespace EVT

#endif
