#include "sound/MODFile.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <dumb.h>
#include "core/FileLimit.h"

#include "core/TextFile.h"

namespace Media {

namespace {

const long CHUNK_SAMPLES = 16384;

// DUMB keeps process-wide state: register its file input once, and its clean-up
// for the end of the process.
void startDumb()
{
    static bool l_started = false;
    if (l_started)
        return;
    l_started = true;
    dumb_register_stdfiles();
    std::atexit(dumb_exit);
    dumb_it_max_to_mix = 256;
}

DUH* loadAnyModule(const char* path)
{
    DUH* duh = dumb_load_it(path);
    if (!duh)
        duh = dumb_load_xm(path);
    if (!duh)
        duh = dumb_load_s3m(path);
    if (!duh)
        duh = dumb_load_mod(path);
    return duh;
}

// Reads the pipe to its end into out. False when the deadline passes first
// or the pipe fails.
bool readUntil(int fd, std::vector<unsigned char>& out, std::chrono::steady_clock::time_point deadline)
{
    unsigned char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            return false;
        pollfd wanted = {fd, POLLIN, 0};
        const int ready = ::poll(&wanted, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        out.insert(out.end(), buffer, buffer + got);
    }
}

} // namespace

class MODFile::Impl {
public:
    std::string path;
    std::vector<unsigned char> pcm;
    long rate = 44100;
    int depth = 16;
    int channels = 2;
    int renderWait = MAX_RENDER_WAIT;
    std::string error;

    bool fail(const char* why)
    {
        error = why;
        return false;
    }

    void render(DUH_SIGRENDERER* renderer)
    {
        const std::size_t frameBytes = static_cast<std::size_t>(channels * (depth / 8));
        const long long maxFrames = static_cast<long long>(rate) * MAX_SECONDS;
        std::vector<unsigned char> buffer(frameBytes * CHUNK_SAMPLES);
        long long frames = 0;
        while (frames < maxFrames) {
            const long wanted = maxFrames - frames < CHUNK_SAMPLES ? static_cast<long>(maxFrames - frames) : CHUNK_SAMPLES;
            const long got = duh_render(renderer, depth, depth == 8 ? 1 : 0, 1.0f,
                                        static_cast<float>(65536.0 / rate), wanted, buffer.data());
            if (got > 0)
                pcm.insert(pcm.end(), buffer.begin(), buffer.begin() + got * frameBytes);
            if (got != wanted)
                break;
            frames += got;
        }
    }

    // Renders in a child process that hands the samples back through a pipe,
    // and stops it when it takes longer than the render wait.
    bool renderApart(DUH_SIGRENDERER* renderer)
    {
        int ends[2];
        if (::pipe(ends) != 0)
            return fail("no pipe for the render");
        const pid_t child = ::fork();
        if (child < 0) {
            ::close(ends[0]);
            ::close(ends[1]);
            return fail("no process for the render");
        }
        if (child == 0) {
            ::close(ends[0]);
            render(renderer);
            ::_exit(Files::TextFile::writeAll(ends[1], pcm.data(), pcm.size()) ? 0 : 1);
        }
        ::close(ends[1]);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(renderWait);
        const bool read = readUntil(ends[0], pcm, deadline);
        ::close(ends[0]);
        if (!read)
            ::kill(child, SIGKILL);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (read && WIFEXITED(status) && WEXITSTATUS(status) == 0)
            return true;
        pcm.clear();
        return fail(read ? "the render failed" : "the song does not finish rendering: a note runs out of range");
    }
};

MODFile::MODFile(const char* path) : m_impl(new Impl)
{
    startDumb();
    m_impl->path = path ? path : "";
}

MODFile::~MODFile() { delete m_impl; }

bool MODFile::load()
{
    Impl& d = *m_impl;
    d.pcm.clear();
    if (!Files::FileLimit::admit(d.path))
        return d.fail("the file cannot be opened");
    DUH* duh = loadAnyModule(d.path.c_str());
    if (!duh)
        return d.fail("it is not an IT, XM, S3M or MOD module");
    DUH_SIGRENDERER* renderer = duh_start_sigrenderer(duh, 0, d.channels, 0);
    if (!renderer) {
        unload_duh(duh);
        return d.fail("the module cannot be rendered");
    }
    // End the render where the song would loop or stop, so it is rendered once.
    DUMB_IT_SIGRENDERER* it = duh_get_it_sigrenderer(renderer);
    if (it) {
        dumb_it_set_loop_callback(it, &dumb_it_callback_terminate, nullptr);
        dumb_it_set_xm_speed_zero_callback(it, &dumb_it_callback_terminate, nullptr);
    }
    const bool rendered = d.renderApart(renderer);
    duh_end_sigrenderer(renderer);
    unload_duh(duh);
    return rendered;
}

const std::vector<unsigned char>& MODFile::getData() const { return m_impl->pcm; }
int MODFile::getDepth() const { return m_impl->depth; }
int MODFile::getNumChannels() const { return m_impl->channels; }
long MODFile::getRate() const { return m_impl->rate; }
const std::string& MODFile::getError() const { return m_impl->error; }

bool MODFile::setDepth(int bits)
{
    if (bits != 8 && bits != 16)
        return false;
    m_impl->depth = bits;
    return true;
}

bool MODFile::setNumChannels(int channels)
{
    if (channels != 1 && channels != 2)
        return false;
    m_impl->channels = channels;
    return true;
}

bool MODFile::setRenderWait(int seconds)
{
    if (seconds < 1 || seconds > MAX_RENDER_WAIT)
        return false;
    m_impl->renderWait = seconds;
    return true;
}

bool MODFile::setRate(long rate)
{
    if (rate <= 0 || rate > MAX_RATE)
        return false;
    m_impl->rate = rate;
    return true;
}

} // namespace Media
