#include "input/Mouse.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Mouse.h"
#include "core/Event_Screen.h"
#include "core/Event_SetMouse.h"

#include <algorithm>
#include <cstdlib>

namespace Devices
{
    struct Mouse::Impl
    {
        int x = 0;               // absolute: window pixels; relative: virtual, 0 at the centre
        int y = 0;
        unsigned int buttons = 0;
        bool visible = true;
        bool autoShown = false;  // the mouse showed the cursor because the pointer left
        bool invertY = false;
        std::vector<int> rowLimits;   // empty: absolute mode
        int xRange = 0;
        int yRange = 0;
        int width = 2;
        int height = 2;

        bool isRelative() const { return !rowLimits.empty(); }

        void setVisible(bool show)
        {
            visible = show;
            if (show)
                autoShown = false;
        }

        static void raise(int warpX, int warpY, int cursorMode, bool queue)
        {
            EVT::Event_SetMouse event(EVT::EVENT_SETMOUSE, warpX, warpY, cursorMode);
            EVT::EventBus::instance()->raiseEvent(&event, queue);
        }

        void absoluteMove(int newX, int newY)
        {
            x = newX;
            y = newY;
            const bool outside = x < 0 || y < 0 || x > width || y > height;
            if (outside && !visible)
            {
                visible = true;
                autoShown = true;
                raise(x, y, EVT::Event_SetMouse::CURSOR_SHOW, true);
            }
            else if (!outside && autoShown)
            {
                visible = false;
                autoShown = false;
                raise(x, y, EVT::Event_SetMouse::CURSOR_HIDE, true);
            }
        }

        // Returns whether the pointer moved off the centre.
        bool relativeMove(int eventX, int eventY)
        {
            const int dx = eventX - width / 2;
            const int dy = eventY - height / 2;
            if (dx == 0 && dy == 0)
                return false;
            x += dx;
            y += dy;
            if (std::abs(y) > yRange)
                y = y > 0 ? yRange : -yRange;
            const int limit = rowLimits[static_cast<size_t>(std::abs(y))];
            if (std::abs(x) > limit)
                x = x > 0 ? limit : -limit;
            return true;
        }
    };

    Mouse::Mouse() : m_impl(new Impl)
    {
        EVT::EventBus* bus = EVT::EventBus::instance();
        bus->addConsumer(EVT::EVENT_MOUSE, this);
        bus->addConsumer(EVT::EVENT_ENTERLEAVE, this);
        bus->addConsumer(EVT::EVENT_SCREEN, this);
    }

    Mouse::~Mouse() = default;

    void Mouse::handleEvent(EVT::I_Event* event)
    {
        if (const EVT::Event_Screen* screen = EVT::eventCast<EVT::Event_Screen>(event))
        {
            m_impl->width = screen->width;
            m_impl->height = screen->height;
        }
        else if (const EVT::Event_Mouse* mouse = EVT::eventCast<EVT::Event_Mouse>(event))
        {
            mouseEvent(mouse);
        }
    }

    void Mouse::mouseEvent(const EVT::Event_Mouse* event)
    {
        if (event->pressed)
            m_impl->buttons |= static_cast<unsigned int>(event->button);
        else
            m_impl->buttons &= ~static_cast<unsigned int>(event->button);

        if (!m_impl->isRelative())
            m_impl->absoluteMove(event->x, event->y);
        else if (m_impl->relativeMove(event->x, event->y))
            raiseSetMouseEvent(false);   // back to the centre
    }

    void Mouse::setParams(bool visible, bool invertY, int width, int height)
    {
        m_impl->invertY = invertY;
        m_impl->rowLimits.clear();
        m_impl->xRange = 0;
        m_impl->yRange = 0;
        if (width != 0)
            m_impl->width = width;
        if (height != 0)
            m_impl->height = height;
        m_impl->setVisible(visible);
        raiseSetMouseEvent(true);
    }

    void Mouse::setParams(bool visible, bool invertY, const std::vector<int>& rowLimits)
    {
        m_impl->invertY = invertY;
        m_impl->rowLimits = rowLimits;
        m_impl->xRange = rowLimits.empty() ? 0 : *std::max_element(rowLimits.begin(), rowLimits.end());
        m_impl->yRange = rowLimits.empty() ? 0 : static_cast<int>(rowLimits.size()) - 1;
        m_impl->x = 0;
        m_impl->y = 0;
        m_impl->setVisible(visible);
        raiseSetMouseEvent(true);
    }

    void Mouse::setVisible(bool visible)
    {
        m_impl->setVisible(visible);
        raiseSetMouseEvent(true);
    }

    void Mouse::warpPosition(int x, int y)
    {
        Impl::raise(x, y, EVT::Event_SetMouse::CURSOR_KEEP, false);
    }

    void Mouse::raiseSetMouseEvent(bool includeCursorState) const
    {
        const int centreX = m_impl->width / 2;
        const int centreY = m_impl->height / 2;
        int warpX = m_impl->isRelative() ? centreX : -1;
        int warpY = m_impl->isRelative() ? centreY : -1;
        int mode = EVT::Event_SetMouse::CURSOR_KEEP;
        if (includeCursorState)
        {
            mode = m_impl->visible ? EVT::Event_SetMouse::CURSOR_SHOW : EVT::Event_SetMouse::CURSOR_HIDE;
            if (mode == EVT::Event_SetMouse::CURSOR_HIDE)
            {
                // Hiding the cursor also centres the pointer.
                warpX = centreX;
                warpY = centreY;
            }
        }
        Impl::raise(warpX, warpY, mode, false);
    }

    float Mouse::getRelativeX() const
    {
        if (m_impl->isRelative())
            return m_impl->xRange == 0 ? 0.0f : static_cast<float>(m_impl->x) / m_impl->xRange;
        const int half = m_impl->width / 2;
        return half == 0 ? 0.0f : static_cast<float>(m_impl->x - half) / half;
    }

    float Mouse::getRelativeY() const
    {
        float value = 0.0f;
        if (m_impl->isRelative())
        {
            value = m_impl->yRange == 0 ? 0.0f : static_cast<float>(m_impl->y) / m_impl->yRange;
        }
        else
        {
            const int half = m_impl->height / 2;
            value = half == 0 ? 0.0f : static_cast<float>(m_impl->y - half) / half;
        }
        return m_impl->invertY ? value : -value;
    }

    int Mouse::getX() const { return m_impl->x; }
    int Mouse::getY() const { return m_impl->y; }
    unsigned int Mouse::getButtons() const { return m_impl->buttons; }
    bool Mouse::isVisible() const { return m_impl->visible; }
}
