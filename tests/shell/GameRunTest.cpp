#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeModelMaker.h"
#include "FakeRenderController.h"
#include "FakeWindowApp.h"
#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event.h"
#include "input/Screen.h"
#include "shell/I_HUD.h"

namespace {

typedef std::vector<std::string> Log;

void quit()
{
    EVT::Event event(EVT::EVENT_QUIT);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// The parts the game root still holds, in its deletion order.
std::string present()
{
    const Game::I_Game* game = Game::I_Game::instance();
    if (!game)
        return "no game";
    std::string parts;
    auto add = [&parts](const void* part, const char* name) {
        if (part)
            parts += parts.empty() ? name : std::string(" ") + name;
    };
    add(game->getHUD(), "hud");
    add(game->getWorld(), "world");
    add(game->getBackground(), "background");
    add(game->getMenuController(), "menu");
    add(game->getKeyboard(), "keyboard");
    add(game->getMouse(), "mouse");
    add(game->getScreen(), "screen");
    add(game->getModelMaker(), "maker");
    add(game->getConfig(), "config");
    add(game->getRNG(), "random");
    return parts;
}

// Each records, as it is deleted, its name and what the root still holds.
class ProbeHUD : public Game::I_HUD {
public:
    explicit ProbeHUD(Log* log) : m_log(log) {}
    ~ProbeHUD() override { m_log->push_back("hud: " + present()); }
    void renderHUD() override {}

private:
    Log* m_log;
};

class ProbeWorld : public TestSupport::TestWorld {
public:
    explicit ProbeWorld(Log* log) : m_log(log) {}
    ~ProbeWorld() override { m_log->push_back("world: " + present()); }

private:
    Log* m_log;
};

class ProbeMaker : public TestSupport::FakeModelMaker {
public:
    explicit ProbeMaker(Log* log) : m_log(log) {}
    ~ProbeMaker() override { m_log->push_back("maker: " + present()); }

private:
    Log* m_log;
};

class ProbeConfig : public TestSupport::TestConfig {
public:
    explicit ProbeConfig(Log* log) : m_log(log) {}
    ~ProbeConfig() override { m_log->push_back("config: " + present()); }

private:
    Log* m_log;
};

} // namespace

TEST(GameRun, FailedStartUpSkipsRenderInitAndFrameLoopButShutsDownOnce)
{
    Log log;
    TestSupport::FakeRenderController renderer(&log);
    TestSupport::FakeWindowApp window(&log);
    TestSupport::TestGame game(true, &log);
    game.initResult = false;
    game.runGame(nullptr, nullptr, &window, &renderer, nullptr);
    EXPECT_EQ(log, (Log{"initGame", "shutdownGame"}));
    EXPECT_EQ(present(), "world background menu keyboard mouse screen config random");
}

TEST(GameRun, StartsRenderingThenTheFrameLoopAndShutsDownAfterIt)
{
    Log log;
    TestSupport::FakeRenderController renderer(&log);
    TestSupport::FakeWindowApp window(&log);
    window.onStart = quit;
    TestSupport::TestGame game(true, &log);
    // The devices and the background exist before the derived game starts.
    game.onInit = [&log] { log.push_back("init sees: " + present()); };
    game.runGame(nullptr, nullptr, &window, &renderer, nullptr);
    EXPECT_EQ(log, (Log{"initGame", "init sees: world background menu keyboard mouse screen config random",
                        "render.init", "window.init", "window.start", "shutdownGame"}));
    EXPECT_EQ(game.events, std::vector<int>{EVT::EVENT_QUIT});
    EXPECT_EQ(game.getWindowApp(), &window);
    EXPECT_EQ(game.getRenderController(), &renderer);
    EXPECT_EQ(game.getScreen()->getWidth(), 640);
    EXPECT_EQ(game.getScreen()->getHeight(), 480);
}

TEST(GameRun, WithoutWindowApplicationTheGameRunsItself)
{
    Log log;
    TestSupport::FakeRenderController renderer(&log);
    TestSupport::TestGame game(true, &log);
    game.runGame(nullptr, nullptr, nullptr, &renderer, nullptr);
    game.startingGame();
    game.endingGame("any text");
    EXPECT_EQ(log, (Log{"initGame", "render.init", "startGame", "shutdownGame", "startGame", "endGame"}));
}

TEST(GameRun, RootDeletesItsPartsInOrderAndClearsTheInstance)
{
    EXPECT_EQ(Game::I_Game::instance(), nullptr);
    Log log;
    TestSupport::FakeRenderController renderer;
    {
        TestSupport::TestGame game(false);
        EXPECT_EQ(Game::I_Game::instance(), &game);
        game.setConfig(new ProbeConfig(&log));
        game.setWorld(new ProbeWorld(&log));
        game.setHUD(new ProbeHUD(&log));
        game.setModelMaker(new ProbeMaker(&log));
        game.runGame(nullptr, nullptr, nullptr, &renderer, nullptr);
    }
    EXPECT_EQ(Game::I_Game::instance(), nullptr);
    EXPECT_EQ(log, (Log{
        "hud: hud world background menu keyboard mouse screen maker config random",
        "world: world background menu keyboard mouse screen maker config random",
        "maker: maker config random",
        "config: config random",
    }));
}
