#ifndef WORLDTESTS_LEVELTESTGAME_H
#define WORLDTESTS_LEVELTESTGAME_H

#include <string>

#include "FakeRenderController.h"
#include "TestConfig.h"
#include "TestGame.h"
#include "TestWorld.h"
#include "core/CFG.h"
#include "shell/I_World.h"

namespace WorldTests {

// A game root as the game client leaves it after start-up: option keys, a
// world (a TestWorld unless one is given), a screen of the given size and a
// fake render controller.
//
//   WorldTests::LevelTestGame game(new KWEP::World, 800, 600);
class LevelTestGame {
public:
    explicit LevelTestGame(Game::I_World* world = nullptr, int width = 800, int height = 600)
        : game(false)
    {
        game.setConfig(new TestSupport::TestConfig);
        game.setWorld(world ? world : new TestSupport::TestWorld);
        render.view.w = width;
        render.view.h = height;
        // A start-up that stops after making the devices: the screen takes the
        // render controller's size.
        game.initResult = false;
        game.runGame(nullptr, nullptr, nullptr, &render, nullptr);
    }

    // Replaces a key of the main configuration.
    static void setKey(const std::string& key, const std::string& value) { CFG::s_GlobalConfig.add(key, value); }

    TestSupport::FakeRenderController render;
    TestSupport::TestGame game;
};

} // namespace WorldTests

#endif
