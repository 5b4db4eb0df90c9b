#ifndef TESTSUPPORT_TESTWORLD_H
#define TESTSUPPORT_TESTWORLD_H

#include <list>
#include <string>
#include <vector>

#include "shell/I_World.h"

namespace TestSupport {

// A world that counts its render passes and shows its item list. With a log,
// its destruction is recorded as "world".
class TestWorld : public Game::I_World {
public:
    explicit TestWorld(std::vector<std::string>* log = nullptr) : m_log(log) {}
    ~TestWorld() override
    {
        if (m_log)
            m_log->push_back("world");
    }

    void renderWorld() override { ++renderCount; }

    const std::list<Game::WorldItem*>& listed() const { return items(); }

    int renderCount = 0;

private:
    std::vector<std::string>* m_log;
};

} // namespace TestSupport

#endif
