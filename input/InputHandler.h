#ifndef INPUT_INPUTHANDLER_H
#define INPUT_INPUTHANDLER_H

#include "input/ActionId.h"

#include <map>
#include <string>
#include <vector>

namespace Input
{
    class I_ScreenAreaRenderer;
    class ScreenArea;
    class ScreenAreaController;
    class SwitchController;

    // The run-time state of one input controller: the current area, the joypad flags
    // of each joystick and the actions pending until the controller raises them.
    // Device input works only while there is a current area.
    class InputHandler
    {
    public:
        // None of the three is owned.
        InputHandler(ScreenAreaController* areas, SwitchController* switches,
                     I_ScreenAreaRenderer* renderer);
        virtual ~InputHandler();

        InputHandler(const InputHandler&) = delete;
        InputHandler& operator=(const InputHandler&) = delete;

        // Makes the named area current without leave actions, then discards every
        // pending action; true when there is a current area afterwards.
        virtual bool setArea(const std::string& name);
        // Changes to the named area (none when no area has that name).
        virtual bool gotoArea(const std::string& name);
        virtual void handleUpdate(long elapsedMs);
        // x and y in window pixels; buttons is the event's mask.
        virtual void handleMouse(int x, int y, int buttons, bool pressed);
        // Axes truncated to whole numbers; four button states. Flags are compared
        // with the previous event of the same joystick.
        virtual void handleJoypad(int joystick, int x, int y, const bool buttons[4]);
        virtual void handleKey(unsigned char key, bool pressed);
        virtual void render();
        virtual const std::vector<ActionId>& getActions() const;
        virtual void clearActions();
        // Leaves the current area (if any) and enters the given one (if not null).
        virtual void changeArea(ScreenArea* area);

        ScreenArea* getCurrentArea() const { return m_currentArea; }
        // Forgets the current area without leave actions, before it is destroyed.
        void dropCurrentArea() { m_currentArea = nullptr; }

    private:
        ScreenAreaController* m_areas;
        SwitchController* m_switches;
        I_ScreenAreaRenderer* m_renderer;
        ScreenArea* m_currentArea = nullptr;
        std::map<int, int> m_joypadFlags;   // joystick number -> last flag set
        std::vector<ActionId> m_actions;
    };
}

#endif
