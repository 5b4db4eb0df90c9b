#ifndef PLAYTHROUGH_GAMECHILD_H
#define PLAYTHROUGH_GAMECHILD_H

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "RunFolder.h"
#include "SimPlayers.h"

namespace PlayThrough {

namespace Sim {

// One seeded game in a child process of its own (the game keeps values for
// the rest of a process), which hands its result back through a pipe.
class GameChild {
public:
    // Starts the game: the whole game, or only until `levels` levels are won
    // when that is above 0.
    GameChild(int kind, unsigned seed, int levels = 0) : m_kind(kind)
    {
        int ends[2];
        if (::pipe(ends) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ends[0]);
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, 1);
            ::dup2(quiet, 2);
            Result result;
            {
                RunFolder folder("players_" + std::to_string(kind) + "_" + std::to_string(seed));
                if (folder.ok())
                    result = playGame(kind, seed, levels);
            }
            const ssize_t written = ::write(ends[1], &result, sizeof result);
            ::_exit(written == sizeof result ? 0 : 1);
        }
        ::close(ends[1]);
        m_pipe = ends[0];
    }

    int kind() const { return m_kind; }

    // Waits for the game's end; an empty result when the child failed.
    Result finish()
    {
        Result result;
        if (m_pid < 0)
            return result;
        if (::read(m_pipe, &result, sizeof result) != sizeof result)
            result = Result();
        ::close(m_pipe);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return result;
    }

private:
    int m_kind;
    pid_t m_pid = -1;
    int m_pipe = -1;
};

} // namespace Sim

} // namespace PlayThrough

#endif
