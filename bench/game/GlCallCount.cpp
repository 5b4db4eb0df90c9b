#include "GlCallCount.h"

#include "SceneNeeds.h"

#include <dlfcn.h>
#include <time.h>
#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
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
    unsigned long vertices = 0;
    unsigned long bufferBytes = 0;
    unsigned long texels = 0;
    Clocked fast;   // most GL calls
    Clocked thread; // the calls that may wait on the X server
    Clocked keeping; // the scene's bookkeeping, on the fast clock
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

// The scene's bookkeeping is timed on the fast clock too, as part of the
// timing's cost, which is taken out of the frame.
struct KeepClock : FastClock {
    static Clocked& in(Tally& tally) { return tally.keeping; }
};

template <typename Keep>
void keepBook(const Keep& keep)
{
    const Stopwatch<KeepClock> timing(g_tally);
    keep();
}

typedef Bench::SceneNeeds Needs;

// A hash of a call's arguments, for the scene's bookkeeping.
template <typename... Values>
unsigned long long argumentHash(unsigned long long seed, Values... values)
{
    unsigned long long result = seed;
    for (const double value : {static_cast<double>(values)...})
        result = Needs::hash(&value, sizeof value, result);
    return result;
}

// Where an array pointer points: into the buffer bound when it was set, if
// any, so a pointer set again after another buffer is bound differs.
unsigned long long arrayHash(const void* p, GLint size, GLenum type, GLsizei stride)
{
    const unsigned long long buffer = Needs::current(Needs::BUFFER, GL_ARRAY_BUFFER);
    return argumentHash(static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p)), buffer, size, type, stride);
}

} // namespace

// A stand-in for a GL 1.x entry point the game calls by name: counted, the
// scene's bookkeeping kept, then passed on and timed on the watch's clock.
#define KEPT(kind, watch, name, params, args, keep)                                                \
    extern "C" void name params                                                                    \
    {                                                                                              \
        ++g_tally.kind;                                                                            \
        keepBook([&] { keep; });                                                                   \
        static const auto l_real = reinterpret_cast<void(*) params>(realEntry(#name));            \
        const watch timing(g_tally);                                                               \
        l_real args;                                                                               \
    }
#define STATE(name, params, args, keep) KEPT(state, Fast, name, params, args, keep)
#define SET(name, params, args, kind, which, value) STATE(name, params, args, Needs::set(Needs::kind, which, value))
// One that sets no state the scene needs: counted and timed only.
#define COUNTED(kind, name, params, args)                                                          \
    extern "C" void name params                                                                    \
    {                                                                                              \
        ++g_tally.kind;                                                                            \
        static const auto l_real = reinterpret_cast<void(*) params>(realEntry(#name));            \
        const Fast timing(g_tally);                                                                \
        l_real args;                                                                               \
    }

KEPT(draws, Fast, glDrawArrays, (GLenum mode, GLint first, GLsizei count), (mode, first, count),
     (g_tally.vertices += count, Needs::draw()))
KEPT(draws, Fast, glDrawElements, (GLenum mode, GLsizei count, GLenum type, const GLvoid* indices),
     (mode, count, type, indices), (g_tally.vertices += count, Needs::draw()))
KEPT(draws, Fast, glBegin, (GLenum mode), (mode), Needs::draw())
KEPT(draws, Fast, glDrawPixels, (GLsizei w, GLsizei h, GLenum format, GLenum type, const GLvoid* pixels),
     (w, h, format, type, pixels), Needs::draw())
KEPT(draws, Thread, glClear, (GLbitfield mask), (mask), Needs::clear())

STATE(glMatrixMode, (GLenum mode), (mode), Needs::matrixMode(mode))
STATE(glLoadIdentity, (void), (), Needs::load(1))
STATE(glLoadMatrixf, (const GLfloat* m), (m), Needs::load(Needs::hash(m, 16 * sizeof *m, 2)))
STATE(glMultMatrixf, (const GLfloat* m), (m), Needs::multiply(Needs::hash(m, 16 * sizeof *m, 3)))
STATE(glMultMatrixd, (const GLdouble* m), (m), Needs::multiply(Needs::hash(m, 16 * sizeof *m, 3)))
STATE(glPushMatrix, (void), (), Needs::push())
STATE(glPopMatrix, (void), (), Needs::pop())
STATE(glTranslatef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z), Needs::multiply(argumentHash(4, x, y, z)))
STATE(glScalef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z), Needs::multiply(argumentHash(5, x, y, z)))
STATE(glOrtho, (GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f), (l, r, b, t, n, f),
      Needs::multiply(argumentHash(6, l, r, b, t, n, f)))
SET(glViewport, (GLint x, GLint y, GLsizei w, GLsizei h), (x, y, w, h), VIEWPORT, 0, argumentHash(0, x, y, w, h))
SET(glScissor, (GLint x, GLint y, GLsizei w, GLsizei h), (x, y, w, h), SCISSOR, 0, argumentHash(0, x, y, w, h))
SET(glDepthRange, (GLclampd n, GLclampd f), (n, f), DEPTH_RANGE, 0, argumentHash(0, n, f))
SET(glEnable, (GLenum cap), (cap), SWITCH, cap, 1)
SET(glDisable, (GLenum cap), (cap), SWITCH, cap, 2)
SET(glEnableClientState, (GLenum array), (array), CLIENT_SWITCH, array, 1)
SET(glDisableClientState, (GLenum array), (array), CLIENT_SWITCH, array, 2)
SET(glVertexPointer, (GLint size, GLenum type, GLsizei stride, const GLvoid* p), (size, type, stride, p),
    VERTEX_POINTER, 0, arrayHash(p, size, type, stride))
SET(glTexCoordPointer, (GLint size, GLenum type, GLsizei stride, const GLvoid* p), (size, type, stride, p),
    TEXCOORD_POINTER, Needs::current(Needs::CLIENT_ACTIVE_TEXTURE, 0), arrayHash(p, size, type, stride))
SET(glColorPointer, (GLint size, GLenum type, GLsizei stride, const GLvoid* p), (size, type, stride, p),
    COLOUR_POINTER, 0, arrayHash(p, size, type, stride))
SET(glColor4ub, (GLubyte r, GLubyte g, GLubyte b, GLubyte a), (r, g, b, a), COLOUR, 0,
    1 + (r << 24 | g << 16 | b << 8 | a))
SET(glBindTexture, (GLenum target, GLuint texture), (target, texture), TEXTURE,
    target + (Needs::current(Needs::ACTIVE_TEXTURE, 0) << 16), texture + 1ULL)
SET(glTexEnvf, (GLenum target, GLenum name, GLfloat value), (target, name, value), TEXTURE_ENV, name,
    argumentHash(0, value))
SET(glTexParameteri, (GLenum target, GLenum name, GLint value), (target, name, value), TEXTURE_PARAMETER,
    name + (Needs::current(Needs::TEXTURE, target) << 16), value + 1ULL)
SET(glFogf, (GLenum name, GLfloat value), (name, value), FOG, name, argumentHash(0, value))
SET(glFogi, (GLenum name, GLint value), (name, value), FOG, name, argumentHash(0, value))
SET(glFogfv, (GLenum name, const GLfloat* values), (name, values), FOG, name,
    Needs::hash(values, 4 * sizeof *values, 0))
SET(glLineWidth, (GLfloat width), (width), LINE_WIDTH, 0, argumentHash(0, width))
SET(glBlendFunc, (GLenum source, GLenum target), (source, target), BLEND, 0, argumentHash(0, source, target))
SET(glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), (r, g, b, a), CLEAR_COLOUR, 0,
    argumentHash(0, r, g, b, a))
SET(glPixelStorei, (GLenum name, GLint value), (name, value), PIXEL_STORE, name, value + 1ULL)
COUNTED(state, glPushAttrib, (GLbitfield mask), (mask))
COUNTED(state, glPopAttrib, (void), ())
SET(glRasterPos4f, (GLfloat x, GLfloat y, GLfloat z, GLfloat w), (x, y, z, w), RASTER_POSITION, 0,
    argumentHash(0, x, y, z, w))

KEPT(others, Fast, glVertex2f, (GLfloat x, GLfloat y), (x, y), ++g_tally.vertices)
COUNTED(others, glEnd, (void), ())
COUNTED(others, glGetDoublev, (GLenum name, GLdouble* values), (name, values))
COUNTED(others, glGetIntegerv, (GLenum name, GLint* values), (name, values))

// Texture uploads, at start-up: the texels of each first level are added up.
extern "C" void glTexImage2D(GLenum target, GLint level, GLint internal, GLsizei w, GLsizei h, GLint border,
                             GLenum format, GLenum type, const GLvoid* pixels)
{
    typedef void (*Upload)(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const GLvoid*);
    static const Upload l_real = reinterpret_cast<Upload>(realEntry("glTexImage2D"));
    if (level == 0)
        g_tally.texels += static_cast<unsigned long>(w) * static_cast<unsigned long>(h);
    l_real(target, level, internal, w, h, border, format, type, pixels);
}

// A stand-in for a later GL function, which the extension loader asks the GL
// library for by name: counted, the scene's bookkeeping kept, then passed on
// to what the library answered and timed.
#define LOADED(name, params, args, kind, which, value)                                             \
    Entry g_real_##name = nullptr;                                                                 \
    void counting_##name params                                                                    \
    {                                                                                              \
        ++g_tally.state;                                                                           \
        keepBook([&] { Needs::set(Needs::kind, which, value); });                                  \
        const Fast timing(g_tally);                                                                \
        reinterpret_cast<void(*) params>(g_real_##name) args;                                      \
    }
// One that loads data at start-up, neither counted nor timed.
#define LOADING(name, params, args, keep)                                                          \
    Entry g_real_##name = nullptr;                                                                 \
    void counting_##name params                                                                    \
    {                                                                                              \
        keep;                                                                                      \
        reinterpret_cast<void(*) params>(g_real_##name) args;                                      \
    }

namespace {

LOADED(glBindBuffer, (GLenum target, GLuint buffer), (target, buffer), BUFFER, target, buffer + 1ULL)
LOADED(glActiveTexture, (GLenum unit), (unit), ACTIVE_TEXTURE, 0, unit)
LOADED(glClientActiveTexture, (GLenum unit), (unit), CLIENT_ACTIVE_TEXTURE, 0, unit)
LOADED(glUseProgram, (GLuint program), (program), PROGRAM, 0, program + 1ULL)
LOADED(glUniform1i, (GLint location, GLint value), (location, value), UNIFORM,
       location + (Needs::current(Needs::PROGRAM, 0) << 16), argumentHash(0, value))
LOADED(glUniform1f, (GLint location, GLfloat value), (location, value), UNIFORM,
       location + (Needs::current(Needs::PROGRAM, 0) << 16), argumentHash(0, value))
LOADED(glBindFramebufferEXT, (GLenum target, GLuint buffer), (target, buffer), FRAMEBUFFER, target,
       buffer + 1ULL)
LOADING(glBufferData, (GLenum target, GLsizeiptr size, const GLvoid* data, GLenum usage),
        (target, size, data, usage), g_tally.bufferBytes += static_cast<unsigned long>(size))
LOADING(glTexImage3D, (GLenum target, GLint level, GLint internal, GLsizei w, GLsizei h, GLsizei d, GLint border,
                       GLenum format, GLenum type, const GLvoid* pixels),
        (target, level, internal, w, h, d, border, format, type, pixels),
        g_tally.texels += level == 0 ? static_cast<unsigned long>(w) * h * d : 0UL)

struct Loaded {
    const char* name;
    Entry counting;
    Entry* real;
};

#define LOADED_ENTRY(name) {#name, reinterpret_cast<Entry>(counting_##name), &g_real_##name}

const Loaded g_loaded[] = {LOADED_ENTRY(glBindBuffer),          LOADED_ENTRY(glActiveTexture),
                           LOADED_ENTRY(glClientActiveTexture), LOADED_ENTRY(glUseProgram),
                           LOADED_ENTRY(glUniform1i),           LOADED_ENTRY(glUniform1f),
                           LOADED_ENTRY(glBindFramebufferEXT),  LOADED_ENTRY(glBufferData),
                           LOADED_ENTRY(glTexImage3D)};

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
    const Clocked& keeping = g_tally.keeping;
    Counts counts;
    counts.draws = g_tally.draws;
    counts.state = g_tally.state;
    counts.drawsNeeded = SceneNeeds::draws();
    counts.stateNeeded = SceneNeeds::state();
    counts.vertices = g_tally.vertices;
    counts.bufferBytes = g_tally.bufferBytes;
    counts.texels = g_tally.texels;
    counts.windowMs = (thread.units - thread.calls * threadCost.insideNs) / 1e6;
    counts.insideMs = (fast.units * FastClock::ns() - fast.calls * fastCost.insideNs) / 1e6 + counts.windowMs;
    // The bookkeeping is timed whole: its time and what timing it cost.
    counts.timingMs = (fast.calls * fastCost.wholeNs + thread.calls * threadCost.wholeNs
                       + keeping.units * FastClock::ns() + keeping.calls * fastCost.wholeNs) / 1e6;
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
