#include "input/InputHandler.h"

#include "input/I_ScreenAreaRenderer.h"
#include "input/Screen.h"
#include "input/ScreenArea.h"
#include "input/ScreenAreaController.h"
#include "input/Switch.h"
#include "input/SwitchController.h"
#include "input/TriggerId.h"

namespace Input
{
    InputHandler::InputHandler(ScreenAreaController* areas, SwitchController* switches,
                               I_ScreenAreaRenderer* renderer)
        : m_areas(areas), m_switches(switches), m_renderer(renderer)
    {
    }

    InputHandler::~InputHandler() = default;

    bool InputHandler::setArea(const std::string& name)
    {
        m_currentArea = nullptr;
        const bool found = gotoArea(name);
        clearActions();
        return found;
    }

    bool InputHandler::gotoArea(const std::string& name)
    {
        changeArea(m_areas->getArea(name));
        return m_currentArea != nullptr;
    }

    // An area the pointer only rested in was never entered, so leaving it raises
    // nothing.
    void InputHandler::changeArea(ScreenArea* area)
    {
        if (m_currentArea && !m_resting)
            m_switches->leftArea(m_actions, m_currentArea);
        if (area)
            m_switches->enteredArea(m_actions, area);
        m_currentArea = area;
        m_resting = false;
    }

    void InputHandler::restUnder(int x, int y)
    {
        ScreenArea* area = nullptr;
        if (!areaUnder(x, y, area) || !area || area == m_currentArea)
            return;
        m_switches->stopAll();
        m_currentArea = area;
        m_resting = true;
    }

    void InputHandler::restInCurrentArea()
    {
        if (!m_currentArea || m_currentArea->getName() == "ANYWHERE" || !hasPointerSwitches())
            return;
        m_switches->stopAll();
        m_resting = true;
    }

    bool InputHandler::areaUnder(int x, int y, ScreenArea*& area) const
    {
        const Devices::Screen* screen = m_renderer ? m_renderer->getScreen() : nullptr;
        if (!screen || screen->getWidth() <= 0 || screen->getHeight() <= 0)
            return false;   // no pixel size to measure the pointer with
        const float xPercent = static_cast<float>(x * 100.0 / screen->getWidth());
        const float yPercent = static_cast<float>(y * 100.0 / screen->getHeight());
        area = m_areas->getArea(xPercent, yPercent);
        return true;
    }

    void InputHandler::handleUpdate(long elapsedMs)
    {
        if (m_currentArea)
            m_switches->timePassed(m_actions, m_currentArea, elapsedMs);
    }

    void InputHandler::handleMouse(int x, int y, int buttons, bool pressed)
    {
        ScreenArea* area = nullptr;
        if (!areaUnder(x, y, area))
            return;
        if (area != m_currentArea)
        {
            // A press that arrives with a move into another area works no switch.
            changeArea(area);
            return;
        }
        if (!m_currentArea || buttons == 0)
            return;
        TriggerId trigger;
        if (buttons == Devices::Mouse::MB_LEFT || buttons == Devices::Mouse::MB_RIGHT ||
            buttons == Devices::Mouse::MB_MIDDLE)
            trigger = TriggerId(static_cast<Devices::Mouse::MouseButton>(buttons));
        m_switches->triggerArea(m_actions, m_currentArea, trigger, pressed);
    }

    void InputHandler::handleJoypad(int joystick, int x, int y, const bool buttons[4])
    {
        if (!m_currentArea)
            return;
        int flags = 0;
        if (y == 1)
            flags |= TriggerId::JPAD_UP;
        if (y == -1)
            flags |= TriggerId::JPAD_DOWN;
        if (x == -1)
            flags |= TriggerId::JPAD_LEFT;
        if (x == 1)
            flags |= TriggerId::JPAD_RIGHT;
        static const TriggerId::JPadFlag l_buttonFlags[4] = {
            TriggerId::JPAD_BUTTON1, TriggerId::JPAD_BUTTON2, TriggerId::JPAD_BUTTON3, TriggerId::JPAD_BUTTON4};
        for (int i = 0; i < 4; ++i)
        {
            if (buttons[i])
                flags |= l_buttonFlags[i];
        }

        // Each joystick is compared with its own previous event.
        int& previous = m_joypadFlags[joystick];
        static const TriggerId::JPadFlag l_order[8] = {
            TriggerId::JPAD_LEFT, TriggerId::JPAD_RIGHT, TriggerId::JPAD_UP, TriggerId::JPAD_DOWN,
            TriggerId::JPAD_BUTTON1, TriggerId::JPAD_BUTTON2, TriggerId::JPAD_BUTTON3, TriggerId::JPAD_BUTTON4};
        for (TriggerId::JPadFlag flag : l_order)
        {
            if ((flags & flag) == (previous & flag))
                continue;
            m_switches->triggerArea(m_actions, m_currentArea, TriggerId(flag, flags), (flags & flag) != 0);
        }
        previous = flags;
    }

    void InputHandler::handleKey(unsigned char key, bool pressed)
    {
        if (m_currentArea)
            m_switches->triggerArea(m_actions, m_currentArea, TriggerId(key), pressed);
    }

    void InputHandler::render()
    {
        if (!m_renderer)
            return;
        m_renderer->startRender();
        m_areas->render(m_renderer, looksArmed() ? m_currentArea : nullptr);
        m_renderer->stopRender();
    }

    bool InputHandler::looksArmed() const
    {
        return !m_currentArea || !m_resting || !hasPointerSwitches();
    }

    bool InputHandler::hasPointerSwitches() const
    {
        std::vector<Switch*> found;
        m_switches->getSwitches(found, *m_currentArea, TriggerId::DWELL);
        m_switches->getSwitches(found, *m_currentArea, TriggerId::ENTERLEAVE);
        return !found.empty();
    }

    const std::vector<ActionId>& InputHandler::getActions() const
    {
        return m_actions;
    }

    void InputHandler::clearActions()
    {
        m_actions.clear();
    }
}
