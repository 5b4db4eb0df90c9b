#ifndef TESTSUPPORT_TESTCONFIG_H
#define TESTSUPPORT_TESTCONFIG_H

#include <string>
#include <vector>

#include "shell/I_Config.h"

namespace TestSupport {

// Option keys with the shell's defaults; initialise succeeds without reading
// anything. With a log, its destruction is recorded as "config".
class TestConfig : public Game::I_Config {
public:
    explicit TestConfig(std::vector<std::string>* log = nullptr) : m_log(log) {}
    ~TestConfig() override
    {
        if (m_log)
            m_log->push_back("config");
    }

    bool initialise(int*, char**) override { return true; }

private:
    std::vector<std::string>* m_log;
};

} // namespace TestSupport

#endif
