#include "sound/MODFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <dumb.h>

#include "core/FileLimit.h"
#include "core/TextFile.h"
#include "sound/ModuleScan.h"

namespace Media {

namespace {

const long CHUNK_SAMPLES = 16384;
// A render apart reports in smaller pieces, so that a slow machine still
// shows progress well within the render wait.
const long APART_CHUNK_SAMPLES = 4096;

// DUMB keeps process-wide state: register its file input once, and its clean-up
// for the end of the process. The first module may be opened on a thread other
// than the game's, so the start is made once under the guard of a local static.
void startDumb()
{
    static const bool l_started = [] {
        dumb_register_stdfiles();
        std::atexit(dumb_exit);
        dumb_it_max_to_mix = 256;
        return true;
    }();
    (void)l_started;
}

// The first of the four loaders that takes the file; mod tells whether it
// was the MOD loader, the one format whose patterns are checked before
// a render.
DUH* loadAnyModule(const char* path, bool& mod)
{
    mod = false;
    DUH* duh = dumb_load_it(path);
    if (!duh)
        duh = dumb_load_xm(path);
    if (!duh)
        duh = dumb_load_s3m(path);
    if (!duh) {
        duh = dumb_load_mod(path);
        mod = duh != nullptr;
    }
    return duh;
}

// Reads the pipe to its end into out. False when no byte comes within the
// wait (the render has stopped making progress) or the pipe fails.
bool readWhileProgressing(int fd, std::vector<unsigned char>& out, int waitSeconds)
{
    unsigned char buffer[65536];
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(waitSeconds);
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
        deadline = std::chrono::steady_clock::now() + std::chrono::seconds(waitSeconds);
    }
}

// What became of a render child, in words, for the error.
std::string endOf(int status)
{
    if (WIFSIGNALED(status))
        return "the render stopped on signal " + std::to_string(WTERMSIG(status));
    return "the render could not hand back its samples";
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

    bool fail(const std::string& why)
    {
        error = why;
        return false;
    }

    std::size_t frameBytes() const { return static_cast<std::size_t>(channels * (depth / 8)); }

    // Room for the whole song, from the length DUMB measured when it loaded
    // it, so that the samples are not copied as they grow.
    void reserveFor(DUH* duh)
    {
        const long long maxLength = 65536LL * MAX_SECONDS;
        const long long length = std::min<long long>(duh_get_length(duh), maxLength); // 65536ths of a second
        const long long frames = length * rate / 65536 + 1;
        if (frames > 0)
            pcm.reserve(static_cast<std::size_t>(frames) * frameBytes());
    }

    // Renders chunk by chunk, up to MAX_SECONDS of samples or the end of the
    // song, and hands each piece to take; stops early when take answers false.
    template <class Take>
    bool render(DUH_SIGRENDERER* renderer, long chunk, Take take)
    {
        const long long maxFrames = static_cast<long long>(rate) * MAX_SECONDS;
        std::vector<unsigned char> buffer(frameBytes() * static_cast<std::size_t>(chunk));
        for (long long frames = 0; frames < maxFrames;) {
            const long wanted = maxFrames - frames < chunk ? static_cast<long>(maxFrames - frames) : chunk;
            const long got = duh_render(renderer, depth, depth == 8 ? 1 : 0, 1.0f,
                                        static_cast<float>(65536.0 / rate), wanted, buffer.data());
            if (got > 0 && !take(buffer.data(), static_cast<std::size_t>(got) * frameBytes()))
                return false;
            if (got != wanted)
                break;
            frames += got;
        }
        return true;
    }

    void renderHere(DUH_SIGRENDERER* renderer)
    {
        render(renderer, CHUNK_SAMPLES, [this](const unsigned char* bytes, std::size_t size) {
            pcm.insert(pcm.end(), bytes, bytes + size);
            return true;
        });
    }

    // Renders in a child process that hands each piece back through a pipe
    // as it is made; the child is stopped when no piece comes within the
    // render wait.
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
            const int out = ends[1];
            const auto send = [out](const unsigned char* bytes, std::size_t size) {
                return Files::TextFile::writeAll(out, bytes, size);
            };
            ::_exit(render(renderer, APART_CHUNK_SAMPLES, send) ? 0 : 1);
        }
        ::close(ends[1]);
        const bool read = readWhileProgressing(ends[0], pcm, renderWait);
        ::close(ends[0]);
        if (!read)
            ::kill(child, SIGKILL);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (read && WIFEXITED(status) && WEXITSTATUS(status) == 0)
            return true;
        const std::size_t made = pcm.size() / frameBytes();
        pcm.clear();
        if (read)
            return fail(endOf(status));
        return fail("the song does not finish rendering: no samples came for " + std::to_string(renderWait) +
                    " s after " + std::to_string(made) + " frames, and the render was stopped");
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
    bool mod = false;
    DUH* duh = loadAnyModule(d.path.c_str(), mod);
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
    d.reserveFor(duh);
    // Only a song that may run away pays for a process of its own.
    bool rendered = true;
    if (mod && pitchStaysInRange(d.path))
        d.renderHere(renderer);
    else
        rendered = d.renderApart(renderer);
    duh_end_sigrenderer(renderer);
    unload_duh(duh);
    if (!rendered)
        std::vector<unsigned char>().swap(d.pcm);
    return rendered;
}

bool MODFile::rendersHere(const std::string& path)
{
    // The scan reads only the header and patterns, and turns most files away
    // before DUMB loads anything; load() renders here on the same two answers.
    if (Files::FileLimit::check(path) != Files::FileLimit::FITS || !pitchStaysInRange(path))
        return false;
    startDumb();
    bool mod = false;
    DUH* duh = loadAnyModule(path.c_str(), mod);
    if (duh)
        unload_duh(duh);
    return mod;
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
