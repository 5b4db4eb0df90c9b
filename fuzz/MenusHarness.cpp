#include "fuzz/Harness.h"

#include <memory>

#include "FakeModelMaker.h"
#include "TestGame.h"
#include "TestWorld.h"
#include "client/ClientMenus.h"
#include "client/Config.h"
#include "client/I_MenuItemChosen.h"
#include "fuzz/ScratchFile.h"
#include "input/InputController.h"
#include "menu/MenuController.h"
#include "shell/Font.h"

namespace Fuzz {

namespace {

// The game root a menu tree needs: the game's option keys, a world for the
// letters and a model maker that knows the one font.
class MenusGame : public TestSupport::TestGame {
public:
    MenusGame() : TestSupport::TestGame(false)
    {
        TestSupport::FakeModelMaker* maker = new TestSupport::FakeModelMaker;
        maker->files["Font_Fuzz"] = {"0000", "A"};
        setConfig(new KWEP::Config);
        setWorld(new TestSupport::TestWorld);
        setModelMaker(maker);
    }
};

} // namespace

// A menus file built into the game's menu tree, once as from the title and
// once as from pause, the way the menus are rebuilt each time they show.
int fuzzMenus(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("menus.cfg", data, size);
    MenusGame game;
    Text3D::Font font("Fuzz");
    Input::InputController menuInput(1, nullptr);
    Input::InputController textInput(2, nullptr);
    Menu::MenuController controller;
    Menu::I_MenuItemChosen handlers;
    for (bool paused : {false, true}) {
        std::unique_ptr<KWEP::ClientMenus> menus(new KWEP::ClientMenus);
        menus->setChooseHandler(&handlers);
        menus->create(&controller, &font, &menuInput, &textInput, file.path(), paused);
    }
    return 0;
}

} // namespace Fuzz
