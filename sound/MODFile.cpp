#include "sound/MODFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>

#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <dumb.h>

#include "core/FileLimit.h"
#include "core/TextFile.h"
#include "sound/ModuleScan.h"

extern char** environ;

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

// The first of the four loaders that takes the file.
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

// Whether the IT, XM or S3M loader, tried before the MOD loader, would take
// the file: each looks for its signature first.
bool hasOtherSignature(const std::string& path)
{
    char head[48] = {};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool read = ::read(fd, head, sizeof head) == static_cast<ssize_t>(sizeof head);
    ::close(fd);
    return !read || std::memcmp(head, "IMPM", 4) == 0 || std::memcmp(head, "Extended Module: ", 17) == 0
        || std::memcmp(head + 44, "SCRM", 4) == 0;
}

// The helper is installed beside the game; a build tree keeps it where the
// build puts its programs.
std::string helperPath()
{
    char self[4096];
    const ssize_t size = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string folder = size > 0 ? std::string(self, static_cast<std::size_t>(size)) : std::string();
    folder = folder.substr(0, folder.find_last_of('/') == std::string::npos ? 0 : folder.find_last_of('/'));
    for (const std::string& place : {folder, std::string(FRELMORY_HELPER_DIR)}) {
        const std::string path = place + "/" + MODFile::RENDER_HELPER;
        if (!place.empty() && ::access(path.c_str(), X_OK) == 0)
            return path;
    }
    return std::string();
}

// Reads the pipe to its end into out. False when no byte comes within the
// wait (the render has stopped making progress) or the pipe fails.
//
// The helper first sends one byte, READY_MARK, once its program has started
// and the module has loaded; that may take a while on a busy machine, and
// is not the song's doing, so the wait for it is the longest render wait.
bool readWhileProgressing(int fd, std::vector<unsigned char>& out, int waitSeconds)
{
    unsigned char buffer[65536];
    bool started = false;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(MODFile::MAX_RENDER_WAIT);
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
        const ssize_t got = ::read(fd, buffer, started ? sizeof buffer : 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || (!started && got > 0 && buffer[0] != MODFile::READY_MARK))
            return false;
        if (got == 0)
            return true;
        if (started)
            out.insert(out.end(), buffer, buffer + got);
        started = true;
        deadline = std::chrono::steady_clock::now() + std::chrono::seconds(waitSeconds);
    }
}

// What became of a render process, in words, for the error.
std::string endOf(int status)
{
    if (WIFSIGNALED(status))
        return "the render stopped on signal " + std::to_string(WTERMSIG(status));
    if (WIFEXITED(status) && WEXITSTATUS(status) == MODFile::RENDER_NOT_A_MODULE)
        return "it is not an IT, XM, S3M or MOD module";
    if (WIFEXITED(status) && WEXITSTATUS(status) == MODFile::RENDER_FAILED)
        return "the module cannot be rendered";
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

    // Renders the loaded song to its end or loop and unloads it.
    template <class Take>
    bool renderSong(DUH* duh, long chunk, Take take)
    {
        DUH_SIGRENDERER* renderer = duh_start_sigrenderer(duh, 0, channels, 0);
        if (!renderer) {
            unload_duh(duh);
            return fail("the module cannot be rendered");
        }
        // End the render where the song would loop or stop, so it is rendered once.
        DUMB_IT_SIGRENDERER* it = duh_get_it_sigrenderer(renderer);
        if (it) {
            dumb_it_set_loop_callback(it, &dumb_it_callback_terminate, nullptr);
            dumb_it_set_xm_speed_zero_callback(it, &dumb_it_callback_terminate, nullptr);
        }
        reserveFor(duh);
        const bool rendered = render(renderer, chunk, take);
        duh_end_sigrenderer(renderer);
        unload_duh(duh);
        return rendered || fail("the render could not hand back its samples");
    }

    bool renderHere()
    {
        DUH* duh = dumb_load_mod(path.c_str());
        if (!duh)
            return fail("it is not an IT, XM, S3M or MOD module");
        return renderSong(duh, CHUNK_SAMPLES, [this](const unsigned char* bytes, std::size_t size) {
            pcm.insert(pcm.end(), bytes, bytes + size);
            return true;
        });
    }

    // Starts the helper over the file with its output on a pipe; -1, with
    // the error set, when it cannot be started.
    pid_t startHelper(int& output)
    {
        const std::string helper = helperPath();
        if (helper.empty()) {
            fail(std::string("the render helper ") + RENDER_HELPER + " is not installed beside the game");
            return -1;
        }
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) {
            fail("no pipe for the render");
            return -1;
        }
        const std::string args[] = {helper, path, std::to_string(rate), std::to_string(depth), std::to_string(channels)};
        char* argv[] = {const_cast<char*>(args[0].c_str()), const_cast<char*>(args[1].c_str()),
                        const_cast<char*>(args[2].c_str()), const_cast<char*>(args[3].c_str()),
                        const_cast<char*>(args[4].c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        pid_t child = -1;
        const int error = ::posix_spawn(&child, helper.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(ends[1]);
        if (error != 0) {
            ::close(ends[0]);
            fail("the render helper " + helper + " cannot be started: " + std::strerror(error));
            return -1;
        }
        output = ends[0];
        return child;
    }

    // Renders in a helper process started from its own program, which hands
    // each piece back through a pipe as it is made; the helper is stopped
    // when no piece comes within the render wait. A new program, not a copy
    // of this one: the sound and GL libraries' threads may hold locks a copy
    // would find held for ever.
    bool renderApart()
    {
        int output = -1;
        const pid_t child = startHelper(output);
        if (child < 0)
            return false;
        const bool read = readWhileProgressing(output, pcm, renderWait);
        ::close(output);
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
    // Only a song that may run away pays for a process of its own.
    const bool rendered = rendersHere(d.path) ? d.renderHere() : d.renderApart();
    if (!rendered)
        std::vector<unsigned char>().swap(d.pcm);
    return rendered;
}

bool MODFile::rendersHere(const std::string& path)
{
    // The scan reads only the header and patterns; DUMB loads the file once,
    // in load().
    return Files::FileLimit::check(path) == Files::FileLimit::FITS && pitchStaysInRange(path)
        && !hasOtherSignature(path);
}

int MODFile::renderTo(int fd, const char* path, long rate, int depth, int channels)
{
    MODFile module(path);
    if (!module.setRate(rate) || !module.setDepth(depth) || !module.setNumChannels(channels))
        return RENDER_FAILED;
    DUH* duh = loadAnyModule(module.m_impl->path.c_str());
    if (!duh)
        return RENDER_NOT_A_MODULE;
    if (!Files::TextFile::writeAll(fd, &READY_MARK, 1)) {
        unload_duh(duh);
        return RENDER_FAILED;
    }
    const auto send = [fd](const unsigned char* bytes, std::size_t size) {
        return Files::TextFile::writeAll(fd, bytes, size);
    };
    return module.m_impl->renderSong(duh, APART_CHUNK_SAMPLES, send) ? 0 : RENDER_FAILED;
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
