#ifndef TESTSUPPORT_FAKEWINDOWAPP_H
#define TESTSUPPORT_FAKEWINDOWAPP_H

#include <string>
#include <utility>
#include <vector>

#include "shell/I_WindowApp.h"

namespace TestSupport {

// A window application without a window: records "window.init" and
// "window.start" in the log; startWindowApp runs onStart (the frame loop's
// stand-in) and returns.
class FakeWindowApp : public Game::I_WindowApp {
public:
    explicit FakeWindowApp(std::vector<std::string>* log) : m_log(log) {}

    void initWindowApp(int*, char**) override { m_log->push_back("window.init"); }
    void startWindowApp() override
    {
        m_log->push_back("window.start");
        if (onStart)
            onStart();
    }
    void clearWindow(unsigned long) override {}
    void showWindow() override { ++shown; }
    void getAllowedSizes(std::vector<std::pair<int, int> >& sizes) override { sizes = allowedSizes; }
    void setSize(const std::pair<int, int>&) override {}

    std::vector<std::pair<int, int> > allowedSizes{{640, 480}};
    void (*onStart)() = nullptr;
    int shown = 0;

private:
    std::vector<std::string>* m_log;
};

} // namespace TestSupport

#endif
