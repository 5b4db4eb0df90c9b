#ifndef INPUT_CREATESICFILES_H
#define INPUT_CREATESICFILES_H

#include <map>
#include <string>
#include <vector>

namespace Input
{
    class ActionId;
    class I_ScreenAreaRenderer;
    class InputController;
    class ScreenArea;
    class TriggerId;
}

namespace KWEP
{
    // Reads and writes input profiles (.sic files), and builds the game's standard
    // profiles: for the menus, the text pages and play, each for one switch, head
    // tracker and keyboard, mouse and joypad use. The generators write their files
    // under fixed names in the working directory.
    class CreateSicFiles
    {
    public:
        CreateSicFiles() = default;
        virtual ~CreateSicFiles() = default;

        // Reads the profile file into the controller; true when the whole file read.
        // An empty name reads nothing and answers false; a file that cannot be
        // opened or read answers false and leaves the controller as the failed
        // read leaves it.
        static bool deser(Input::InputController& controller, const std::string& file);
        // Writes the controller to the file (created or emptied). An empty name, or
        // a file that cannot be opened for writing, writes nothing.
        static void ser(const Input::InputController& controller, const std::string& file);

        // Reads the standard profile the generators write under the file name
        // (for instance "KWEP_MENUS_STANDARD.sic") into the controller, built in
        // memory: no file is read or written. False for a name no generator
        // writes.
        static bool readBuiltIn(Input::InputController& controller, const std::string& file);

        // The controller numbers the game client reads the profiles into: the
        // menus 1, the text pages 2, play 3.
        static const int BUILT_IN_MENU_ID = 1;
        static const int BUILT_IN_TPAGE_ID = 2;
        static const int BUILT_IN_GAME_ID = 3;

        // Writes a generated profile to the file, or keeps its text in memory
        // while readBuiltIn builds them.
        void output(const Input::InputController& controller, const std::string& file);

        // Every standard profile: the menus, the text pages and play, each with its
        // own controller number.
        void create(Input::I_ScreenAreaRenderer* renderer, int menuId, int tpageId, int gameId);
        void createMenuInputs(Input::I_ScreenAreaRenderer* renderer, int id);
        void createTPageInputs(Input::I_ScreenAreaRenderer* renderer, int id);
        void createGameInputs(Input::I_ScreenAreaRenderer* renderer, int id);

        // Adds the standard menu switches to the areas a (the background area), b (up),
        // c (down) and d (select), names and colours b, c and d, and writes the file.
        void createStandardMenu(Input::InputController& controller, const std::string& file,
                                unsigned long a, unsigned long b, unsigned long c, unsigned long d);
        // The same for a text page: a (background), b (down) and c (select).
        void createStandardTPage(Input::InputController& controller, const std::string& file,
                                 unsigned long a, unsigned long b, unsigned long c);

    private:
        // The texts of the profiles by file name, while readBuiltIn builds
        // them; null when the generators write files.
        std::map<std::string, std::string>* m_texts = nullptr;
    };

    // Makes the whole-screen area "ANYWHERE" (area and highlight colour 0, icon 0).
    void createAnywhere(Input::InputController& controller, unsigned long& areaId,
                        Input::ScreenArea*& area);

    // One new switch per trigger, in list order: in the area, with a copy of the
    // trigger and the action as its press action.
    void addPressTriggers(Input::InputController* controller, unsigned long areaId,
                          const Input::ActionId& action,
                          const std::vector<Input::TriggerId*>& triggers);
    // One new switch with the trigger and the press action numbered actionId (no text).
    void addPressTrigger(Input::InputController* controller, unsigned long areaId, int actionId,
                         Input::TriggerId& trigger);
}

#endif
