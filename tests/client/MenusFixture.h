#ifndef FRELMORY_TESTS_CLIENT_MENUSFIXTURE_H
#define FRELMORY_TESTS_CLIENT_MENUSFIXTURE_H

#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "FakeModelMaker.h"
#include "TestGame.h"
#include "TestWorld.h"
#include "client/ClientMenus.h"
#include "client/Config.h"
#include "client/I_MenuItemChosen.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_ConfigChange.h"
#include "core/I_EventConsumer.h"
#include "input/InputController.h"
#include "menu/MenuController.h"
#include "shell/Font.h"

namespace MenusTest {

// A game root with the game's option keys at their defaults, a world and a
// model maker that knows the font "Font_Test".
class MenusGame : public TestSupport::TestGame {
public:
    MenusGame() : TestSupport::TestGame(false), maker(new TestSupport::FakeModelMaker)
    {
        setConfig(new KWEP::Config);
        setWorld(new TestSupport::TestWorld);
        setModelMaker(maker);
        maker->files["Font_Test"] = {"0000", "A"};
    }

    TestSupport::FakeModelMaker* maker;
};

// The option keys announced with event 21, in order.
class ConfigRecorder : public EVT::I_EventConsumer {
public:
    ConfigRecorder() { EVT::EventBus::instance()->addConsumer(EVT::EVENT_CONFIGCHANGE, this); }

    void handleEvent(EVT::I_Event* event) override
    {
        const EVT::Event_ConfigChange* change = EVT::eventCast<EVT::Event_ConfigChange>(event);
        keys.push_back(change != nullptr ? change->key : -1);
    }

    std::vector<int> keys;
};

// Works in the folder for its lifetime, then goes back to the one before.
class InFolder {
public:
    explicit InFolder(const char* folder)
    {
        char here[4096];
        if (getcwd(here, sizeof here) != nullptr)
            m_previous = here;
        EXPECT_EQ(chdir(folder), 0) << folder;
    }
    ~InFolder()
    {
        if (!m_previous.empty()) {
            EXPECT_EQ(chdir(m_previous.c_str()), 0);
        }
    }

private:
    std::string m_previous;
};

// What a menu tree needs around it: the game root, a font, the menu and
// text-page input controllers, a menu controller and the option handlers.
// Declared in destruction order: the tree goes first.
class MenusRig {
public:
    MenusRig() : font("Test"), menuInput(1, nullptr), textInput(2, nullptr) {}
    virtual ~MenusRig() { menus.reset(); }

    // A new tree from the file (the previous one is deleted first).
    void build(const std::string& file, bool paused)
    {
        menus.reset();
        menus.reset(new KWEP::ClientMenus);
        menus->setChooseHandler(&handlers);
        menus->create(&controller, shownFont, &menuInput, &textInput, file, paused);
    }

    MenusGame game;
    Text3D::Font font;
    const Text3D::Font* shownFont = &font; // the font the menus are built with
    Input::InputController menuInput;
    Input::InputController textInput;
    Menu::MenuController controller;
    Menu::I_MenuItemChosen handlers;
    std::unique_ptr<KWEP::ClientMenus> menus;
};

// A test name made of a case's name, each character other than a letter or
// a digit turned into '_'.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    }
};

} // namespace MenusTest

#endif
