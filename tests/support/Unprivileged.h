#ifndef TESTSUPPORT_UNPRIVILEGED_H
#define TESTSUPPORT_UNPRIVILEGED_H

#include <cerrno>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempPath.h"

namespace TestSupport {

// The tests may run as root, whom no file mode stops. A file of mode 000 is
// unreadable only to an ordinary user: body runs in a child process that
// becomes one (nobody) first, in a folder every user may write in, so a save
// in it would succeed and a test of "left as it is" can fail.
class Unprivileged {
public:
    Unprivileged() = delete;

    static const uid_t NOBODY = 65534;

    // A new folder of this test process that anyone may write in.
    static std::string folder(const std::string& name)
    {
        const std::string path = tempPath(name);
        ::mkdir(path.c_str(), 0777);
        ::chmod(path.c_str(), 0777);
        return path;
    }

    // body's answer (0 for a pass) from the child, or -1 when the child
    // could not drop its rights or ended otherwise.
    static int run(const std::function<int()>& body)
    {
        const pid_t child = ::fork();
        if (child < 0)
            return -1;
        if (child == 0) {
            const bool dropped = ::geteuid() != 0 || (::setgid(NOBODY) == 0 && ::setuid(NOBODY) == 0);
            ::_exit(dropped ? body() : 255);
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        return WIFEXITED(status) && WEXITSTATUS(status) != 255 ? WEXITSTATUS(status) : -1;
    }
};

} // namespace TestSupport

#endif
