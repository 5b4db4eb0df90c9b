// Writes the standard input profiles (.sic files) into the folder given on the
// command line (created when missing); the game ships them in data/Config/Input.

#include "input/ActionId.h"
#include "input/CreateSicFiles.h"
#include "input/InputController.h"
#include "input/ScreenArea.h"
#include "input/Switch.h"
#include "input/TriggerId.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace
{
    // Controller numbers of the standard profiles: the game client reads the menu
    // profile into slot 1, the text-page profile into slot 2 and play into slot 3,
    // and switches controllers on and off by these numbers.
    const int MENU_CONTROLLER = 1;
    const int TPAGE_CONTROLLER = 2;
    const int GAME_CONTROLLER = 3;

    const int ACTION_GRAB = 37;
    const int ACTION_RELEASE = 38;
    // While the switch is down the grab comes again this often, so a press
    // made before the carrot came under the pointer takes it when it does,
    // on this pass of the swing or the next; a hand that holds something
    // already ignores it. A pass keeps the leaves under the pointer for more
    // than half a second, so a held switch never lets one go by.
    const long GRAB_REPEAT_MS = 400;

    // One-switch play: the space bar or joypad button 1 grabs freely while it
    // is down and lets go when it comes up. The pointer stays hidden in the
    // centre, so the whole screen is one area.
    void addGrabSwitch(Input::InputController& c, unsigned long area, Input::TriggerId trigger)
    {
        trigger.setTimes(0, GRAB_REPEAT_MS, 0, 0);
        Input::Switch* sw = c.getSwitch(c.newSwitch(0));
        sw->setTriggerAreaId(area);
        sw->setTriggerId(trigger);
        sw->setPressActionId(Input::ActionId(ACTION_GRAB, "FREE"));
        sw->setReleaseActionId(Input::ActionId(ACTION_RELEASE, ""));
    }

    void writeOneSwitchGame()
    {
        Input::InputController c(GAME_CONTROLLER, nullptr);
        unsigned long anywhere = 0;
        Input::ScreenArea* area = nullptr;
        KWEP::createAnywhere(c, anywhere, area);
        addGrabSwitch(c, anywhere, Input::TriggerId(Devices::Keyboard::KEY_SPACE));
        addGrabSwitch(c, anywhere, Input::TriggerId(Input::TriggerId::JPAD_BUTTON1, 0, 0));
        KWEP::CreateSicFiles::ser(c, "KWEP_GAME_ONESWITCH.sic");
    }
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " OUTPUT_FOLDER" << std::endl;
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    // The generators write into the working directory.
    std::filesystem::current_path(argv[1], error);
    if (error)
    {
        std::cerr << argv[0] << ": cannot write into " << argv[1] << ": " << error.message() << std::endl;
        return 1;
    }
    KWEP::CreateSicFiles().create(nullptr, MENU_CONTROLLER, TPAGE_CONTROLLER, GAME_CONTROLLER);
    writeOneSwitchGame();
    return 0;
}
