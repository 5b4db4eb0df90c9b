#include "FrameHooks.h"

#include <GLFW/glfw3.h>
#include <chipmunk/chipmunk.h>
#include <dlfcn.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::function<void()> g_hook;
unsigned long g_polls = 0;
long long g_pollNs = 0;
long long g_physicsNs = 0;
unsigned long g_physicsSteps = 0;

const double DISPLAY_HZ = 60.0;

long long threadNs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// The function of that name in the libraries after the program; the program
// cannot go on without it.
void* nextFunction(const char* name)
{
    void* found = dlsym(RTLD_NEXT, name);
    if (found == nullptr) {
        std::fprintf(stderr, "frame hooks: no library after the program has %s\n", name);
        std::abort();
    }
    return found;
}

} // namespace

extern "C" void glfwPollEvents()
{
    static const auto l_real = reinterpret_cast<void (*)()>(nextFunction("glfwPollEvents"));
    const long long start = threadNs();
    l_real();
    g_pollNs += threadNs() - start;
    ++g_polls;
    if (g_hook)
        g_hook();
}

extern "C" double glfwGetTime()
{
    return g_polls / DISPLAY_HZ;
}

extern "C" void cpSpaceStep(cpSpace* space, cpFloat seconds)
{
    static const auto l_real = reinterpret_cast<void (*)(cpSpace*, cpFloat)>(nextFunction("cpSpaceStep"));
    const long long start = threadNs();
    l_real(space, seconds);
    g_physicsNs += threadNs() - start;
    ++g_physicsSteps;
}

namespace Bench {

void FrameHooks::onPoll(const std::function<void()>& hook)
{
    g_hook = hook;
}

double FrameHooks::pollMs()
{
    return g_pollNs / 1e6;
}

double FrameHooks::physicsMs()
{
    return g_physicsNs / 1e6;
}

unsigned long FrameHooks::physicsSteps()
{
    return g_physicsSteps;
}

} // namespace Bench
