#include "GlCallCount.h"

#include <dlfcn.h>
#include <time.h>
#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

struct GLFWwindow;

namespace {

typedef void (*Entry)();

// Calls timed with one clock: how many, and their time in all, in its units.
struct Clocked {
    unsigned long calls = 0;
    long long units = 0;
};

struct Tally {
    unsigned long draws = 0;
    unsigned long state = 0;
    unsigned long others = 0; // vertices and queries
    Clocked fast;   // most GL calls
    Clocked thread; // the calls that may wait on the X server
};

Tally g_tally;

long long nowNs(clockid_t clock)
{
    timespec now;
    clock_gettime(clock, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Most GL calls are short and many: they take the processor's time stamp
// counter, read in a few cycles without touching memory, so timing them costs
// little (elsewhere the steady clock, read without a system call). Its rate
// is measured against the steady clock.
struct FastClock {
    static long long now()
    {
#if defined(__x86_64__) || defined(__i386__)
        return static_cast<long long>(__rdtsc());
#else
        return nowNs(CLOCK_MONOTONIC);
#endif
    }
    static Clocked& in(Tally& tally) { return tally.fast; }
    static double ns();
};

// The swap and the clear may wait on the X server (the clear checks the
// window's size, the swap hands over the picture): they take the thread's CPU
// clock, which leaves out the wait, as the frame's time does. It is read
// through a system call, so only for these few.
struct ThreadClock {
    static long long now() { return nowNs(CLOCK_THREAD_CPUTIME_ID); }
    static Clocked& in(Tally& tally) { return tally.thread; }
    static double ns() { return 1.0; }
};

// Adds the time from its making to its end to the tally of its clock.
template <typename Clock>
class Stopwatch {
public:
    explicit Stopwatch(Tally& tally) : m_into(Clock::in(tally)), m_start(Clock::now()) {}
    ~Stopwatch()
    {
        m_into.units += Clock::now() - m_start;
        ++m_into.calls;
    }
    Stopwatch(const Stopwatch&) = delete;
    Stopwatch& operator=(const Stopwatch&) = delete;

private:
    Clocked& m_into;
    long long m_start;
};

typedef Stopwatch<FastClock> Fast;
typedef Stopwatch<ThreadClock> Thread;

// Nanoseconds per unit, measured once over a few milliseconds of the steady
// clock.
double FastClock::ns()
{
    static const double l_ns = [] {
        const long long startNs = nowNs(CLOCK_MONOTONIC);
        const long long start = FastClock::now();
        long long ns = 0;
        while (ns < 20000000)
            ns = nowNs(CLOCK_MONOTONIC) - startNs;
        return static_cast<double>(ns) / static_cast<double>(FastClock::now() - start);
    }();
    return l_ns;
}

// The entry point of that name in the libraries after the program; the
// program cannot go on without it.
Entry realEntry(const char* name)
{
    const Entry entry = reinterpret_cast<Entry>(dlsym(RTLD_NEXT, name));
    if (entry == nullptr) {
        std::fprintf(stderr, "GL call count: no library after the program has %s\n", name);
        std::abort();
    }
    return entry;
}

} // namespace

// A stand-in for a GL 1.x entry point the game calls by name: counted, then
// passed on and timed on the watch's clock.
#define TIMED(kind, watch, name, params, args)                                                     \
    extern "C" void name params                                                                    \
    {                                                                                              \
        ++g_tally.kind;                                                                            \
        static const auto l_real = reinterpret_cast<void(*) params>(realEntry(#name));            \
        const watch timing(g_tally);                                                               \
        l_real args;                                                                               \
    }
#define COUNTED(kind, name, params, args) TIMED(kind, Fast, name, params, args)

COUNTED(draws, glDrawArrays, (GLenum mode, GLint first, GLsizei count), (mode, first, count))
COUNTED(draws, glDrawElements, (GLenum mode, GLsizei count, GLenum type, const GLvoid* indices),
        (mode, count, type, indices))
COUNTED(draws, glBegin, (GLenum mode), (mode))
COUNTED(draws, glDrawPixels, (GLsizei w, GLsizei h, GLenum format, GLenum type, const GLvoid* pixels),
        (w, h, format, type, pixels))
TIMED(draws, Thread, glClear, (GLbitfield mask), (mask))

COUNTED(state, glMatrixMode, (GLenum mode), (mode))
COUNTED(state, glLoadIdentity, (void), ())
COUNTED(state, glLoadMatrixf, (const GLfloat* m), (m))
COUNTED(state, glMultMatrixf, (const GLfloat* m), (m))
COUNTED(state, glMultMatrixd, (const GLdouble* m), (m))
COUNTED(state, glPushMatrix, (void), ())
COUNTED(state, glPopMatrix, (void), ())
COUNTED(state, glTranslatef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))
COUNTED(state, glScalef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z))
COUNTED(state, glOrtho, (GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f),
        (l, r, b, t, n, f))
COUNTED(state, glViewport, (GLint x, GLint y, GLsizei w, GLsizei h), (x, y, w, h))
COUNTED(state, glScissor, (GLint x, GLint y, GLsizei w, GLsizei h), (x, y, w, h))
COUNTED(state, glDepthRange, (GLclampd n, GLclampd f), (n, f))
COUNTED(state, glEnable, (GLenum cap), (cap))
COUNTED(state, glDisable, (GLenum cap), (cap))
COUNTED(state, glEnableClientState, (GLenum array), (array))
COUNTED(state, glDisableClientState, (GLenum array), (array))
COUNTED(state, glVertexPointer, (GLint size, GLenum type, GLsizei stride, const GLvoid* p),
        (size, type, stride, p))
COUNTED(state, glTexCoordPointer, (GLint size, GLenum type, GLsizei stride, const GLvoid* p),
        (size, type, stride, p))
COUNTED(state, glColorPointer, (GLint size, GLenum type, GLsizei stride, const GLvoid* p),
        (size, type, stride, p))
COUNTED(state, glColor4ub, (GLubyte r, GLubyte g, GLubyte b, GLubyte a), (r, g, b, a))
COUNTED(state, glBindTexture, (GLenum target, GLuint texture), (target, texture))
COUNTED(state, glTexEnvf, (GLenum target, GLenum name, GLfloat value), (target, name, value))
COUNTED(state, glTexParameteri, (GLenum target, GLenum name, GLint value), (target, name, value))
COUNTED(state, glFogf, (GLenum name, GLfloat value), (name, value))
COUNTED(state, glFogi, (GLenum name, GLint value), (name, value))
COUNTED(state, glFogfv, (GLenum name, const GLfloat* values), (name, values))
COUNTED(state, glLineWidth, (GLfloat width), (width))
COUNTED(state, glBlendFunc, (GLenum source, GLenum target), (source, target))
COUNTED(state, glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), (r, g, b, a))
COUNTED(state, glPixelStorei, (GLenum name, GLint value), (name, value))
COUNTED(state, glPushAttrib, (GLbitfield mask), (mask))
COUNTED(state, glPopAttrib, (void), ())
COUNTED(state, glRasterPos4f, (GLfloat x, GLfloat y, GLfloat z, GLfloat w), (x, y, z, w))

COUNTED(others, glVertex2f, (GLfloat x, GLfloat y), (x, y))
COUNTED(others, glEnd, (void), ())
COUNTED(others, glGetDoublev, (GLenum name, GLdouble* values), (name, values))
COUNTED(others, glGetIntegerv, (GLenum name, GLint* values), (name, values))

// A stand-in for a later GL function, which the extension loader asks the GL
// library for by name: counted, then passed on to what the library answered
// and timed.
#define LOADED(name, params, args)                                                                 \
    Entry g_real_##name = nullptr;                                                                 \
    void counting_##name params                                                                    \
    {                                                                                              \
        ++g_tally.state;                                                                           \
        const Fast timing(g_tally);                                                                \
        reinterpret_cast<void(*) params>(g_real_##name) args;                                      \
    }

namespace {

LOADED(glBindBuffer, (GLenum target, GLuint buffer), (target, buffer))
LOADED(glActiveTexture, (GLenum unit), (unit))
LOADED(glClientActiveTexture, (GLenum unit), (unit))
LOADED(glUseProgram, (GLuint program), (program))
LOADED(glUniform1i, (GLint location, GLint value), (location, value))
LOADED(glUniform1f, (GLint location, GLfloat value), (location, value))
LOADED(glBindFramebufferEXT, (GLenum target, GLuint buffer), (target, buffer))

struct Loaded {
    const char* name;
    Entry counting;
    Entry* real;
};

#define LOADED_ENTRY(name) {#name, reinterpret_cast<Entry>(counting_##name), &g_real_##name}

const Loaded g_loaded[] = {LOADED_ENTRY(glBindBuffer),          LOADED_ENTRY(glActiveTexture),
                           LOADED_ENTRY(glClientActiveTexture), LOADED_ENTRY(glUseProgram),
                           LOADED_ENTRY(glUniform1i),           LOADED_ENTRY(glUniform1f),
                           LOADED_ENTRY(glBindFramebufferEXT)};

} // namespace

extern "C" Entry glXGetProcAddressARB(const GLubyte* name)
{
    typedef Entry (*Lookup)(const GLubyte*);
    static const Lookup l_real = reinterpret_cast<Lookup>(realEntry("glXGetProcAddressARB"));
    const Entry found = l_real(name);
    for (const Loaded& each : g_loaded) {
        if (found != nullptr && std::strcmp(reinterpret_cast<const char*>(name), each.name) == 0) {
            *each.real = found;
            return each.counting;
        }
    }
    return found;
}

// The window library's swap, which flushes the frame through the GL library:
// timed, not counted.
extern "C" void glfwSwapBuffers(GLFWwindow* window)
{
    static const auto l_real = reinterpret_cast<void (*)(GLFWwindow*)>(realEntry("glfwSwapBuffers"));
    const Thread timing(g_tally);
    l_real(window);
}

namespace {

// An empty call the compiler cannot see through.
void nothing() {}
void (*volatile g_nothing)() = nothing;

// The timing's cost per call, timed on this many empty calls, as the thread's
// CPU time sees it: the median of several batches, since the machine may be
// busy.
template <typename Clock>
Bench::GlCallCount::Overhead measureOverhead(int calls)
{
    const int batches = 9;
    std::vector<double> inside;
    std::vector<double> whole;
    for (int batch = 0; batch < batches; ++batch) {
        Tally tally;
        const long long start = ThreadClock::now();
        for (int call = 0; call < calls; ++call) {
            const Stopwatch<Clock> timing(tally);
            g_nothing();
        }
        whole.push_back(static_cast<double>(ThreadClock::now() - start) / calls);
        inside.push_back(Clock::in(tally).units * Clock::ns() / calls);
    }
    std::sort(inside.begin(), inside.end());
    std::sort(whole.begin(), whole.end());
    Bench::GlCallCount::Overhead overhead;
    overhead.insideNs = inside[batches / 2];
    overhead.wholeNs = whole[batches / 2];
    return overhead;
}

} // namespace

namespace Bench {

GlCallCount::Counts GlCallCount::sinceStart()
{
    const Overhead fastCost = callOverhead();
    const Overhead threadCost = threadClockOverhead();
    const Clocked& fast = g_tally.fast;
    const Clocked& thread = g_tally.thread;
    Counts counts;
    counts.draws = g_tally.draws;
    counts.state = g_tally.state;
    counts.windowMs = (thread.units - thread.calls * threadCost.insideNs) / 1e6;
    counts.insideMs = (fast.units * FastClock::ns() - fast.calls * fastCost.insideNs) / 1e6 + counts.windowMs;
    counts.timingMs = (fast.calls * fastCost.wholeNs + thread.calls * threadCost.wholeNs) / 1e6;
    return counts;
}

GlCallCount::Overhead GlCallCount::callOverhead()
{
    static const Overhead l_overhead = measureOverhead<FastClock>(20000);
    return l_overhead;
}

GlCallCount::Overhead GlCallCount::threadClockOverhead()
{
    static const Overhead l_overhead = measureOverhead<ThreadClock>(200);
    return l_overhead;
}

} // namespace Bench
