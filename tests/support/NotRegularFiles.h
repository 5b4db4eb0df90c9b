#ifndef TESTSUPPORT_NOTREGULARFILES_H
#define TESTSUPPORT_NOTREGULARFILES_H

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TempPath.h"

namespace TestSupport {

// A device, a named pipe and a folder: what the file gate turns away, with a
// message naming it, before a reader opens it. The device is /dev/null, so
// that a reader without the gate finds it empty instead of reading for ever,
// and errorsOf lets go of a reader that opens the pipe: a missing gate fails
// the test at once, never by its time-out.
class NotRegularFiles {
public:
    NotRegularFiles() : m_pipe(tempPath("gate_pipe")), m_folder(tempPath("gate_folder"))
    {
        EXPECT_EQ(::mkfifo(m_pipe.c_str(), 0600), 0);
        EXPECT_EQ(::mkdir(m_folder.c_str(), 0700), 0);
    }
    ~NotRegularFiles()
    {
        std::remove(m_pipe.c_str());
        ::rmdir(m_folder.c_str());
    }
    NotRegularFiles(const NotRegularFiles&) = delete;
    NotRegularFiles& operator=(const NotRegularFiles&) = delete;

    std::vector<std::string> paths() const { return {"/dev/null", m_pipe, m_folder}; }

    // The gate's words for the path.
    static std::string refusal(const std::string& path) { return "\"" + path + "\" is not a regular file"; }

    // Runs the read on a thread of its own and answers what it wrote on the
    // error stream. Should the reader open the pipe, which blocks until a
    // writer comes, the other end is opened and closed again, so that it
    // reads the pipe's end instead of waiting for ever.
    std::string errorsOf(const std::function<void()>& read) const
    {
        std::atomic<bool> done(false);
        testing::internal::CaptureStderr();
        std::thread reader([&] {
            read();
            done = true;
        });
        while (!done) {
            const int writer = ::open(m_pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        reader.join();
        return testing::internal::GetCapturedStderr();
    }

private:
    std::string m_pipe;
    std::string m_folder;
};

} // namespace TestSupport

#endif
