#ifndef TESTSUPPORT_TESTGAME_H
#define TESTSUPPORT_TESTGAME_H

#include <functional>
#include <string>
#include <vector>

#include "TestConfig.h"
#include "TestWorld.h"
#include "core/I_Event.h"
#include "shell/I_Game.h"

namespace TestSupport {

// A game root for tests. By default it holds option keys (TestConfig) and a
// TestWorld, as the game client would after its start-up, so world items can
// be made at once; TestGame(false) starts bare. The parts handed to it with
// the setters are owned by it, as in the game. The derived-game operations
// record themselves in the log ("initGame", "startGame", "endGame",
// "shutdownGame"); initGame runs onInit and answers initResult.
//
//   TestSupport::TestGame game;                  // instance() is &game
//   game.setModelMaker(new FakeModelMaker);      // owned by the game
//   Game::MoveableItem item(nullptr);            // listed in game.testWorld()
class TestGame : public Game::I_Game {
public:
    explicit TestGame(bool withParts = true, std::vector<std::string>* log = nullptr)
        : m_log(log ? log : &calls)
    {
        if (withParts) {
            setConfig(new TestConfig);
            setWorld(new TestWorld);
        }
    }

    using Game::I_Game::setConfig;
    using Game::I_Game::setModelMaker;
    using Game::I_Game::setRNG;
    using Game::I_Game::setWorld;

    TestWorld* testWorld() const { return dynamic_cast<TestWorld*>(getWorld()); }

    void handleEvent(EVT::I_Event* event) override
    {
        events.push_back(event ? event->getEventID() : -1);
    }
    bool initGame(int*, char**) override
    {
        m_log->push_back("initGame");
        if (onInit)
            onInit();
        return initResult;
    }
    void shutdownGame() override { m_log->push_back("shutdownGame"); }
    void startGame() override { m_log->push_back("startGame"); }
    void endGame() override { m_log->push_back("endGame"); }

    std::vector<std::string> calls;   // the log unless another was given
    std::vector<int> events;          // ids of the events received
    bool initResult = true;
    std::function<void()> onInit;

private:
    std::vector<std::string>* m_log;
};

} // namespace TestSupport

#endif
