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
        void dropCurrentArea() { m_currentArea = nullptr; m_resting = false; }

        // The pointer (window pixels) rests where it was when the controller became
        // active: the area under it becomes current without being entered. Its
        // dwell and enter switches wait until the pointer enters an area, and it is
        // not drawn as armed meanwhile; its button and key switches work at once.
        void restUnder(int x, int y);
        // Turns the current area into such a rest when dwelling or entering would
        // work it; the background area "ANYWHERE", which the pointer can never
        // enter again, stays as it is.
        void restInCurrentArea();
        // Whether the current area is such a rest, not yet entered.
        bool isResting() const { return m_resting; }

    private:
        // The area under a pointer position in window pixels; false without a
        // screen to measure it with.
        bool areaUnder(int x, int y, ScreenArea*& area) const;
        // Whether drawing shows the current area highlighted: a rest does not
        // while dwelling or entering would work it.
        bool looksArmed() const;
        // Whether the current area (not null) has dwell or enter/leave switches.
        bool hasPointerSwitches() const;

        ScreenAreaController* m_areas;
        SwitchController* m_switches;
        I_ScreenAreaRenderer* m_renderer;
        ScreenArea* m_currentArea = nullptr;
        bool m_resting = false;   // the current area was found under the pointer, not entered
        std::map<int, int> m_joypadFlags;   // joystick number -> last flag set
        std::vector<ActionId> m_actions;
    };
}

#endif
