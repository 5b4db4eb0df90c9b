#ifndef TESTS_CLIENT_RECORDINGCLIENT_H
#define TESTS_CLIENT_RECORDINGCLIENT_H

#include <string>
#include <vector>

#include "client/GameClient.h"

// A game client whose flow operations only write their names into calls, so
// the state machine and its handlers can be driven without a world, a window
// or any back end. The level and score setters are open for the level logic.
class RecordingClient : public KWEP::GameClient {
public:
    RecordingClient() : KWEP::GameClient(&s_argc, s_argv) {}

    void startingGame() override { calls.push_back("startingGame"); }
    void startGame() override { calls.push_back("startGame"); }
    void endGame() override { calls.push_back("endGame"); }
    void endingGame(const std::string& rule) override { calls.push_back("endingGame " + rule); }
    void beginLevel(int level) override { calls.push_back("beginLevel " + std::to_string(level)); }
    void nextLevel() override { calls.push_back("nextLevel"); }
    void pauseGame() override { calls.push_back("pauseGame"); }
    void resumeGame() override { calls.push_back("resumeGame"); }
    void createMenus(bool paused) override { calls.push_back(paused ? "createMenus paused" : "createMenus"); }
    void updateWorld(long ms) override
    {
        ++worldUpdates;
        worldMs += ms;
    }

    using KWEP::GameClient::setHighScore;
    using KWEP::GameClient::setLevel;
    using KWEP::GameClient::setScore;
    using KWEP::GameClient::setSpurter;
    using KWEP::GameClient::setStarted;

    std::vector<std::string> calls;
    int worldUpdates = 0;
    long worldMs = 0;

private:
    static int s_argc;
    static char* s_argv[2];
};

inline int RecordingClient::s_argc = 1;
inline char* RecordingClient::s_argv[2] = {const_cast<char*>("client_test"), nullptr};

#endif
