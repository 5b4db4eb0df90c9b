// Start-up of the release game (run it under scripts/with-display): from exec
// to the first frame of its frame loop, when the configuration, sounds, font,
// models and render controller are ready and the splash is up (the menus then
// follow the splash's own hold time). The game announces that frame on its
// error stream when FRELMORY_TRACE_START is set. The floor is a bare window,
// opened, cleared and swapped once by a tiny program that announces the same.
// Each side starts warm, with Mesa's shader cache as earlier runs left it, and
// cold, with an empty cache folder of its own for every start, as on a first
// run.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/BenchPairs.h"
#include "support/GameFolder.h"

extern char** environ;

namespace {

const char* const FIRST_FRAME = "frelmory: first frame drawn";
const int WAIT_MS = 30000;

typedef std::chrono::steady_clock Clock;

// Reads the child's error stream until the announcement; false when the
// child ends or stays silent too long first.
bool waitForLine(int fd)
{
    std::string seen;
    char buffer[4096];
    for (;;) {
        pollfd poller = {fd, POLLIN, 0};
        if (poll(&poller, 1, WAIT_MS) <= 0)
            return false;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        seen.append(buffer, static_cast<size_t>(got));
        if (seen.find(FIRST_FRAME) != std::string::npos)
            return true;
    }
}

// Starts the program in the folder with its error stream on a pipe and
// times exec to the announcement; a negative time when it never came.
double timeToFirstFrame(const char* program, const std::string& folder)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1.0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* const argv[] = {const_cast<char*>(program), nullptr};
    const Clock::time_point start = Clock::now();
    pid_t child = -1;
    // The game starts in the folder: the spawn inherits the working folder.
    const bool moved = chdir(folder.c_str()) == 0;
    const bool spawned = moved && posix_spawn(&child, program, &actions, nullptr, argv, environ) == 0;
    const bool seen = spawned && (close(pipeEnds[1]), waitForLine(pipeEnds[0]));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!spawned)
        close(pipeEnds[1]);
    if (spawned) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    close(pipeEnds[0]);
    posix_spawn_file_actions_destroy(&actions);
    return chdir(FRELMORY_SOURCE_DIR) == 0 && seen ? seconds : -1.0;
}

// Points Mesa's shader cache at an empty folder while it lives, then removes
// the folder and puts the setting back.
class ColdShaderCache {
public:
    ColdShaderCache() : m_path("/tmp/frelmory_shaders_XXXXXX")
    {
        const char* previous = std::getenv(CACHE_SETTING);
        m_hadPrevious = previous != nullptr;
        m_previous = m_hadPrevious ? previous : "";
        m_ok = mkdtemp(&m_path[0]) != nullptr && setenv(CACHE_SETTING, m_path.c_str(), 1) == 0;
    }
    ~ColdShaderCache()
    {
        if (m_hadPrevious)
            setenv(CACHE_SETTING, m_previous.c_str(), 1);
        else
            unsetenv(CACHE_SETTING);
        if (m_ok && std::system(("rm -rf '" + m_path + "'").c_str()) != 0)
            std::fprintf(stderr, "start-up: could not remove %s\n", m_path.c_str());
    }
    ColdShaderCache(const ColdShaderCache&) = delete;
    ColdShaderCache& operator=(const ColdShaderCache&) = delete;

    bool ok() const { return m_ok; }

private:
    static constexpr const char* CACHE_SETTING = "MESA_SHADER_CACHE_DIR";
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
    bool m_ok = false;
};

double timeStart(const char* program, const std::string& folder, bool cold)
{
    if (!cold)
        return timeToFirstFrame(program, folder);
    const ColdShaderCache cache;
    return cache.ok() ? timeToFirstFrame(program, folder) : -1.0;
}

template <const char* const* Program, bool Cold>
void startUp(benchmark::State& state)
{
    Bench::GameFolder folder;
    for (auto _ : state) {
        const double seconds = folder.ok() ? timeStart(*Program, folder.path(), Cold) : -1.0;
        if (seconds < 0.0) {
            state.SkipWithError("no first frame was announced");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

const char* const GAME = FRELMORY_GAME_BINARY;
const char* const BARE_WINDOW = FRELMORY_BARE_WINDOW;

// Both programs start and announce their first frame.
bool sameWork()
{
    Bench::GameFolder folder;
    if (!folder.ok())
        return false;
    for (const char* program : {GAME, BARE_WINDOW})
        if (timeToFirstFrame(program, folder.path()) < 0.0) {
            std::fprintf(stderr, "start-up: %s announced no first frame (is a display there?)\n", program);
            return false;
        }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (setenv("FRELMORY_TRACE_START", "1", 1) != 0)
        return 1;
    // Each start is timed from outside, a few times: a start takes a while.
    const Bench::Registered warm =
        Bench::addPair("start-up", startUp<&GAME, false>, startUp<&BARE_WINDOW, false>, 1.5, true);
    const Bench::Registered cold =
        Bench::addPair("start-up-cold", startUp<&GAME, true>, startUp<&BARE_WINDOW, true>, 1.5, true);
    for (benchmark::internal::Benchmark* b : {warm.ours, warm.floor, cold.ours, cold.floor})
        b->UseManualTime()->Iterations(4);
    return Bench::runPairs(argc, argv, sameWork);
}
