#include "input/CreateSicFiles.h"

#include "core/FileLimit.h"
#include "core/TextSerializer.h"
#include "input/ActionId.h"
#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"
#include "input/TriggerId.h"

#include <fstream>
#include <map>
#include <sstream>

namespace KWEP
{
    namespace
    {
        // Actions of the standard profiles.
        const int ACTION_PAUSE = 3;
        const int ACTION_MENU_DOWN = 24;
        const int ACTION_MENU_UP = 25;
        const int ACTION_MENU_BACK = 26;
        const int ACTION_MENU_SELECT = 27;
        const int ACTION_GRAB = 37;
        const int ACTION_RELEASE = 38;

        // Colours (0xRRGGBBAA) of the pointer areas.
        const unsigned long HEADTRACKER_COLOUR = 0xff00ffffUL;
        const unsigned long HEADTRACKER_HIGHLIGHT = 0xff0000ffUL;
        const unsigned long ARROW_COLOUR = 0xff00ff1fUL;
        const unsigned long SELECT_COLOUR = 0x00ff003fUL;
        const unsigned long STANDARD_HIGHLIGHT = 0x00ff007fUL;
        const unsigned long GAME_CORNER_HIGHLIGHT = 0xffffffa0UL;

        // Icons of the area renderer.
        const int ICON_RECTANGLE = 0;
        const int ICON_DOWN = 1;
        const int ICON_RIGHT = 2;
        const int ICON_UP = 3;
        const int ICON_LEFT = 4;
        const int ICON_FRAME = 6;
        const int ICON_PAUSE = 8;
        const int ICON_LET_GO = 9;

        const char* const ANYWHERE = "ANYWHERE";

        // Head-tracker dwell times, ms: the first rest that moves, its repeat, and
        // the rest that selects or goes back.
        const long HT_MOVE_FIRST = 750;
        const long HT_MOVE_REPEAT = 1500;
        const long HT_CHOOSE = 1000;

        Input::TriggerId timed(Input::TriggerId trigger, long firstPress, long repeatPress,
                               long holdDelay, long repeatHold)
        {
            trigger.setTimes(firstPress, repeatPress, holdDelay, repeatHold);
            return trigger;
        }

        Input::TriggerId space(long firstPress = 0, long repeatPress = 0, long holdDelay = 0,
                               long repeatHold = 0)
        {
            return timed(Input::TriggerId(Devices::Keyboard::KEY_SPACE), firstPress, repeatPress,
                         holdDelay, repeatHold);
        }

        Input::TriggerId escape()
        {
            return Input::TriggerId(Devices::Keyboard::KEY_ESC);
        }

        Input::TriggerId mouse(Devices::Mouse::MouseButton button, long repeatPress = 0)
        {
            return timed(Input::TriggerId(button), 0, repeatPress, 0, 0);
        }

        Input::TriggerId joypad(Input::TriggerId::JPadFlag flag, long repeatPress)
        {
            return timed(Input::TriggerId(flag, 0, 0), 0, repeatPress, 0, 0);
        }

        Input::TriggerId dwell(long firstPress, long repeatPress)
        {
            return timed(Input::TriggerId(Input::TriggerId::DWELL), firstPress, repeatPress, 0, 0);
        }

        Input::TriggerId enterLeave()
        {
            return Input::TriggerId(Input::TriggerId::ENTERLEAVE);
        }

        // A new default switch in the area with the trigger; its actions are set by
        // the caller.
        Input::Switch* addSwitch(Input::InputController& controller, unsigned long areaId,
                                 const Input::TriggerId& trigger)
        {
            Input::Switch* sw = controller.getSwitch(controller.newSwitch(0));
            sw->setTriggerAreaId(areaId);
            sw->setTriggerId(trigger);
            return sw;
        }

        // A switch that raises `action` when pressed, and nothing else.
        void addPress(Input::InputController& controller, unsigned long areaId,
                      const Input::TriggerId& trigger, int action, const std::string& text = "")
        {
            addSwitch(controller, areaId, trigger)->setPressActionId(Input::ActionId(action, text));
        }

        // A new default area given a rectangle (percent), colours and icon; the
        // highlight flags keep the default area's value.
        Input::ScreenArea* addArea(Input::InputController& controller, float left, float top,
                                   float width, float height, unsigned long colour,
                                   unsigned long highlight, int icon)
        {
            Input::ScreenArea* area = controller.getArea(controller.newArea(0));
            area->setPercentOffsetFromLeft(left);
            area->setPercentOffsetFromTop(top);
            area->setPercentWidth(width);
            area->setPercentHeight(height);
            area->setAreaColor(colour);
            area->setHighLightColor(highlight);
            area->setIconId(icon);
            return area;
        }

        unsigned long addNamedArea(Input::InputController& controller, const std::string& name,
                                   float left, float top, float width, float height,
                                   unsigned long colour, unsigned long highlight, int icon)
        {
            Input::ScreenArea* area =
                addArea(controller, left, top, width, height, colour, highlight, icon);
            area->setName(name);
            return area->getID();
        }

        // Left, top, width and height in percent of the screen.
        struct Rect
        {
            float left, top, width, height;
        };

        // Head-tracker areas of the menus and of the text pages.
        const Rect HT_MENU_DOWN = {80, 75, 20, 20};
        const Rect HT_MENU_SELECT = {80, 40, 20, 20};
        const Rect HT_MENU_UP = {80, 5, 20, 20};
        const Rect HT_MENU_BACK = {0, 40, 15, 20};
        const Rect HT_TPAGE_DOWN = {80, 75, 20, 20};
        const Rect HT_TPAGE_SELECT = {80, 50, 20, 20};
        const Rect HT_TPAGE_BACK = {0, 67, 20, 20};

        // A head-tracker area with the dwell switch that works its action.
        void addDwellArea(Input::InputController& controller, const std::string& name, const Rect& r,
                          int icon, long firstPress, long repeatPress, int action)
        {
            const unsigned long id = addNamedArea(controller, name, r.left, r.top, r.width, r.height,
                                                  HEADTRACKER_COLOUR, HEADTRACKER_HIGHLIGHT, icon);
            addPress(controller, id, dwell(firstPress, repeatPress), action);
        }

        // An area whose name, colours and icon the standard menu or text page sets.
        unsigned long addPlainArea(Input::InputController& controller, const Rect& r)
        {
            return addArea(controller, r.left, r.top, r.width, r.height, 0, 0, ICON_RECTANGLE)->getID();
        }


        // The area ANYWHERE of the play profiles: nearly the whole screen, so that the
        // pointer leaves it just before it leaves the window.
        unsigned long addGameAnywhere(Input::InputController& controller)
        {
            return addNamedArea(controller, ANYWHERE, 0.5f, 0.5f, 99.0f, 99.0f, 0, 0, ICON_RECTANGLE);
        }

        unsigned long addAnywhere(Input::InputController& controller)
        {
            unsigned long id = 0;
            Input::ScreenArea* area = nullptr;
            createAnywhere(controller, id, area);
            return id;
        }

        // A one-switch profile: the space bar anywhere, with its release (a short
        // press) and hold-press actions.
        void writeOneSwitch(CreateSicFiles& maker, Input::I_ScreenAreaRenderer* renderer, int controllerId,
                            const Input::TriggerId& trigger, int release, int holdPress,
                            const std::string& file)
        {
            Input::InputController c(controllerId, renderer);
            Input::Switch* sw = addSwitch(c, addAnywhere(c), trigger);
            sw->setReleaseActionId(Input::ActionId(release, ""));
            sw->setHoldPressActionId(Input::ActionId(holdPress, ""));
            maker.output(c, file);
        }

        // The joypad, space bar and mouse switches shared by the standard menu and
        // text page: the background area a moves with the joypad and selects with the
        // space bar or button 1; every pointer area works its own action with the
        // space bar, button 1 and the left mouse button, and moves with the joypad.
        struct StandardTriggers
        {
            Input::TriggerId space;
            Input::TriggerId lmb;
            Input::TriggerId j1;
            Input::TriggerId j2;
            Input::TriggerId j16;
        };

        void addBackgroundSwitches(Input::InputController& c, unsigned long a, const StandardTriggers& t)
        {
            addPress(c, a, t.j2, ACTION_MENU_DOWN);
            addPress(c, a, t.j1, ACTION_MENU_UP);
            addPress(c, a, t.space, ACTION_MENU_SELECT);
            addPress(c, a, t.j16, ACTION_MENU_SELECT);
        }

        // Names and colours a pointer area and gives it its switches: the joypad moves
        // down first in the down area, up first in the others.
        void addPointerArea(Input::InputController& c, unsigned long area, const std::string& name,
                            unsigned long colour, int icon, int action, const StandardTriggers& t)
        {
            Input::ScreenArea* a = c.getArea(area);
            a->setName(name);
            a->setAreaColor(colour);
            a->setHighLightColor(STANDARD_HIGHLIGHT);
            a->setIconId(icon);

            addPress(c, area, t.space, action);
            addPress(c, area, t.j16, action);
            addPress(c, area, t.lmb, action);
            if (action == ACTION_MENU_DOWN)
            {
                addPress(c, area, t.j2, ACTION_MENU_DOWN);
                addPress(c, area, t.j1, ACTION_MENU_UP);
            }
            else
            {
                addPress(c, area, t.j1, ACTION_MENU_UP);
                addPress(c, area, t.j2, ACTION_MENU_DOWN);
            }
        }
    }

    void createAnywhere(Input::InputController& controller, unsigned long& areaId,
                        Input::ScreenArea*& area)
    {
        area = addArea(controller, 0.0f, 0.0f, 100.0f, 100.0f, 0, 0, ICON_RECTANGLE);
        area->setName(ANYWHERE);
        areaId = area->getID();
    }

    void addPressTriggers(Input::InputController* controller, unsigned long areaId,
                          const Input::ActionId& action,
                          const std::vector<Input::TriggerId*>& triggers)
    {
        for (const Input::TriggerId* trigger : triggers)
            addSwitch(*controller, areaId, *trigger)->setPressActionId(action);
    }

    void addPressTrigger(Input::InputController* controller, unsigned long areaId, int actionId,
                         Input::TriggerId& trigger)
    {
        addPress(*controller, areaId, trigger, actionId);
    }

    bool CreateSicFiles::deser(Input::InputController& controller, const std::string& file)
    {
        if (!Files::FileLimit::admit(file))
            return false;
        std::fstream stream(file, std::ios::in);
        if (!stream.is_open())
            return false;
        Util::TextSerializer serializer(stream);
        return controller.deserialize(&serializer);
    }

    void CreateSicFiles::ser(const Input::InputController& controller, const std::string& file)
    {
        if (file.empty())
            return;
        std::fstream stream(file, std::ios::out | std::ios::trunc);
        if (!stream.is_open())
            return;
        Util::TextSerializer serializer(stream);
        controller.serialize(&serializer);
    }

    void CreateSicFiles::output(const Input::InputController& controller, const std::string& file)
    {
        if (!m_texts)
        {
            ser(controller, file);
            return;
        }
        std::stringstream stream;
        Util::TextSerializer serializer(stream);
        controller.serialize(&serializer);
        (*m_texts)[file] = stream.str();
    }

    bool CreateSicFiles::readBuiltIn(Input::InputController& controller, const std::string& file)
    {
        std::map<std::string, std::string> texts;
        CreateSicFiles maker;
        maker.m_texts = &texts;
        maker.create(nullptr, BUILT_IN_MENU_ID, BUILT_IN_TPAGE_ID, BUILT_IN_GAME_ID);
        const auto found = texts.find(file);
        if (found == texts.end())
            return false;
        std::stringstream stream(found->second);
        Util::TextSerializer serializer(stream);
        return controller.deserialize(&serializer);
    }

    void CreateSicFiles::create(Input::I_ScreenAreaRenderer* renderer, int menuId, int tpageId,
                                int gameId)
    {
        createMenuInputs(renderer, menuId);
        createTPageInputs(renderer, tpageId);
        createGameInputs(renderer, gameId);
    }

    void CreateSicFiles::createMenuInputs(Input::I_ScreenAreaRenderer* renderer, int id)
    {
        {
            // One press: dwelling moves down, the space bar selects.
            Input::InputController c(id, renderer);
            const unsigned long anywhere = addAnywhere(c);
            addPress(c, anywhere, dwell(750, 750), ACTION_MENU_DOWN);
            addPress(c, anywhere, space(), ACTION_MENU_SELECT);
            output(c, "KWEP_MENUS_ONEPRESS.sic");
        }
        // One switch: a short press selects, holding it moves down repeatedly; or a
        // short press moves down and holding it selects.
        writeOneSwitch(*this, renderer, id, space(1, 0, 750, 500), ACTION_MENU_SELECT, ACTION_MENU_DOWN,
                       "KWEP_MENUS_ONESWITCH1.sic");
        writeOneSwitch(*this, renderer, id, space(1, 0, 750, 0), ACTION_MENU_DOWN, ACTION_MENU_SELECT,
                       "KWEP_MENUS_ONESWITCH2.sic");
        {
            // Head tracker: dwell areas at the screen's edges, clear of the title and
            // the item rows, which take the middle from about 19% to 74% across: down,
            // select and up down the right edge, back on the left one. The second file
            // adds up and back to the first one's down and select. A move repeats
            // only after twice its first rest, so that a pointer on its way out after
            // a move has time to leave before the next; select and back wait a second,
            // time to see the marked line and move off when it is not the one wanted.
            Input::InputController c(id, renderer);
            addDwellArea(c, "BottomRight", HT_MENU_DOWN, ICON_DOWN, HT_MOVE_FIRST, HT_MOVE_REPEAT,
                         ACTION_MENU_DOWN);
            addDwellArea(c, "MiddleRight", HT_MENU_SELECT, ICON_RIGHT, HT_CHOOSE, 0, ACTION_MENU_SELECT);
            output(c, "KWEP_MENUS_HEADTRACKER1.sic");
            addDwellArea(c, "TopRight", HT_MENU_UP, ICON_UP, HT_MOVE_FIRST, HT_MOVE_REPEAT, ACTION_MENU_UP);
            addDwellArea(c, "MiddleLeft", HT_MENU_BACK, ICON_LEFT, HT_CHOOSE, 0, ACTION_MENU_BACK);
            output(c, "KWEP_MENUS_HEADTRACKER2.sic");
        }
        // ANYWHERE, then the down, up and select areas, made in this order.
        const auto standard = [this, renderer, id](const std::string& file, const Rect& down,
                                                   const Rect& up, const Rect& select) {
            Input::InputController c(id, renderer);
            const unsigned long a = addAnywhere(c);
            const unsigned long downId = addPlainArea(c, down);
            const unsigned long upId = addPlainArea(c, up);
            createStandardMenu(c, file, a, upId, downId, addPlainArea(c, select));
        };
        // The arrows stand right of the item rows, above and below the select band
        // around the current line.
        standard("KWEP_MENUS_STANDARD.sic", {76, 62, 20, 14}, {76, 28, 20, 14}, {15, 48, 75, 10});
        standard("KWEP_MENUS_LARGE_STANDARD.sic", {76, 66, 20, 16}, {76, 24, 20, 16}, {5, 45, 88, 17});
    }

    void CreateSicFiles::createStandardMenu(Input::InputController& c, const std::string& file,
                                            unsigned long a, unsigned long b, unsigned long cArea,
                                            unsigned long d)
    {
        const StandardTriggers t = {space(), mouse(Devices::Mouse::MB_LEFT),
                                    joypad(Input::TriggerId::JPAD_UP, 200),
                                    joypad(Input::TriggerId::JPAD_DOWN, 200),
                                    joypad(Input::TriggerId::JPAD_BUTTON1, 0)};
        addBackgroundSwitches(c, a, t);
        addPointerArea(c, cArea, "DownMiddle", ARROW_COLOUR, ICON_DOWN, ACTION_MENU_DOWN, t);
        addPointerArea(c, b, "UpMiddle", ARROW_COLOUR, ICON_UP, ACTION_MENU_UP, t);
        addPointerArea(c, d, "Middle", SELECT_COLOUR, ICON_FRAME, ACTION_MENU_SELECT, t);
        output(c, file);
    }

    void CreateSicFiles::createTPageInputs(Input::I_ScreenAreaRenderer* renderer, int id)
    {
        // One switch: a short press moves down, holding it selects.
        writeOneSwitch(*this, renderer, id, space(1, 0, 750, 250), ACTION_MENU_DOWN, ACTION_MENU_SELECT,
                       "KWEP_MENUS_TPAGE_ONESWITCH2.sic");
        {
            // Head tracker: below the text, which reaches about 45% down; the lines of
            // the page lie in the middle, from about 32% to 70% across.
            Input::InputController c(id, renderer);
            addDwellArea(c, "BottomRight", HT_TPAGE_DOWN, ICON_DOWN, HT_MOVE_FIRST, HT_MOVE_REPEAT,
                         ACTION_MENU_DOWN);
            addDwellArea(c, "MiddleRight", HT_TPAGE_SELECT, ICON_RIGHT, HT_CHOOSE, 0, ACTION_MENU_SELECT);
            output(c, "KWEP_MENUS_TPAGE_HEADTRACKER1.sic");
            addDwellArea(c, "BottomLeft", HT_TPAGE_BACK, ICON_LEFT, HT_CHOOSE, 0, ACTION_MENU_BACK);
            output(c, "KWEP_MENUS_TPAGE_HEADTRACKER2.sic");
        }
        // ANYWHERE, then the down and select areas, made in this order.
        const auto standard = [this, renderer, id](const std::string& file, const Rect& down,
                                                   const Rect& select) {
            Input::InputController c(id, renderer);
            const unsigned long a = addAnywhere(c);
            const unsigned long downId = addPlainArea(c, down);
            createStandardTPage(c, file, a, downId, addPlainArea(c, select));
        };
        standard("KWEP_MENUS_TPAGE_STANDARD.sic", {76, 84, 20, 12}, {20, 73, 60, 10});
        standard("KWEP_MENUS_TPAGE_LARGE_STANDARD.sic", {76, 87, 20, 12}, {5, 70, 85, 16});
    }

    void CreateSicFiles::createStandardTPage(Input::InputController& c, const std::string& file,
                                             unsigned long a, unsigned long b, unsigned long cArea)
    {
        // Text pages repeat more slowly, so that a held switch scrolls readably.
        const StandardTriggers t = {space(1, 400), mouse(Devices::Mouse::MB_LEFT, 400),
                                    joypad(Input::TriggerId::JPAD_UP, 200),
                                    joypad(Input::TriggerId::JPAD_DOWN, 200),
                                    joypad(Input::TriggerId::JPAD_BUTTON1, 400)};
        addBackgroundSwitches(c, a, t);
        addPointerArea(c, b, "DownMiddle", ARROW_COLOUR, ICON_DOWN, ACTION_MENU_DOWN, t);
        addPointerArea(c, cArea, "Middle", SELECT_COLOUR, ICON_FRAME, ACTION_MENU_SELECT, t);
        output(c, file);
    }

    void CreateSicFiles::createGameInputs(Input::I_ScreenAreaRenderer* renderer, int id)
    {
        const Input::ActionId release(ACTION_RELEASE, "");
        {
            // Keys and mouse: the left button grabs, the right one grabs locked, and
            // leaving the window lets go.
            Input::InputController c(id, renderer);
            const unsigned long anywhere = addGameAnywhere(c);
            addPress(c, anywhere, escape(), ACTION_PAUSE);
            Input::Switch* sw = addSwitch(c, anywhere, mouse(Devices::Mouse::MB_LEFT));
            sw->setPressActionId(Input::ActionId(ACTION_GRAB, "FREE"));
            sw->setReleaseActionId(release);
            sw = addSwitch(c, anywhere, mouse(Devices::Mouse::MB_RIGHT));
            sw->setPressActionId(Input::ActionId(ACTION_GRAB, "LOCKED"));
            sw->setReleaseActionId(release);
            addSwitch(c, anywhere, enterLeave())->setReleaseActionId(release);
            output(c, "KWEP_GAME_STANDARD.sic");
        }
        {
            // Head tracker: dwelling grabs, locked, so the carrot does not swing under
            // a pointer that cannot hold still and drops where it is let go. Moving
            // into a bottom corner lets go, into the bottom middle pauses. The areas
            // keep to the bottom fifth, below the ground of the play view, so reaching
            // for a carrot there does neither.
            Input::InputController c(id, renderer);
            const unsigned long anywhere = addGameAnywhere(c);
            // Each is drawn, while the pointer is in it, as what it does.
            const unsigned long left = addNamedArea(c, "BTMLEFTAREA", 0, 80, 33, 20, 0,
                                                    GAME_CORNER_HIGHLIGHT, ICON_LET_GO);
            const unsigned long right = addNamedArea(c, "BTMRIGHTAREA", 67, 80, 33, 20, 0,
                                                     GAME_CORNER_HIGHLIGHT, ICON_LET_GO);
            // Made last, it covers the inner parts of both corners.
            const unsigned long pause = addNamedArea(c, "PAUSEAREA", 25, 80, 50, 20, 0,
                                                     GAME_CORNER_HIGHLIGHT, ICON_PAUSE);
            addPress(c, anywhere, dwell(250, 250), ACTION_GRAB, "LOCKED");
            addSwitch(c, anywhere, enterLeave())->setReleaseActionId(release);
            addPress(c, anywhere, escape(), ACTION_PAUSE);
            addSwitch(c, anywhere, mouse(Devices::Mouse::MB_LEFT))->setReleaseActionId(release);
            addSwitch(c, anywhere, mouse(Devices::Mouse::MB_RIGHT))->setReleaseActionId(release);
            addPress(c, left, enterLeave(), ACTION_RELEASE);
            addPress(c, right, enterLeave(), ACTION_RELEASE);
            addPress(c, pause, enterLeave(), ACTION_PAUSE);
            output(c, "KWEP_GAME_HEADTRACKER1.sic");
        }
    }
}
