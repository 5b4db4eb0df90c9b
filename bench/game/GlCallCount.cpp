#include "GlCallCount.h"

#include <dlfcn.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

typedef void (*Entry)();

Bench::GlCallCount::Counts g_counts;

// The GL library's own entry point of that name; the program cannot go on
// without it.
Entry realEntry(const char* name)
{
    const Entry entry = reinterpret_cast<Entry>(dlsym(RTLD_NEXT, name));
    if (entry == nullptr) {
        std::fprintf(stderr, "GL call count: the GL library has no %s\n", name);
        std::abort();
    }
    return entry;
}

} // namespace

// A stand-in for a GL 1.x entry point the game calls by name: counted, then
// passed on.
#define COUNTED(kind, name, params, args)                                                          \
    extern "C" void name params                                                                    \
    {                                                                                              \
        ++g_counts.kind;                                                                           \
        static const auto l_real = reinterpret_cast<void(*) params>(realEntry(#name));            \
        l_real args;                                                                               \
    }

COUNTED(draws, glDrawArrays, (GLenum mode, GLint first, GLsizei count), (mode, first, count))
COUNTED(draws, glDrawElements, (GLenum mode, GLsizei count, GLenum type, const GLvoid* indices),
        (mode, count, type, indices))
COUNTED(draws, glBegin, (GLenum mode), (mode))
COUNTED(draws, glDrawPixels, (GLsizei w, GLsizei h, GLenum format, GLenum type, const GLvoid* pixels),
        (w, h, format, type, pixels))
COUNTED(draws, glClear, (GLbitfield mask), (mask))

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

// A stand-in for a later GL function, which the extension loader asks the GL
// library for by name: counted, then passed on to what the library answered.
#define LOADED(name, params, args)                                                                 \
    Entry g_real_##name = nullptr;                                                                 \
    void counting_##name params                                                                    \
    {                                                                                              \
        ++g_counts.state;                                                                          \
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

namespace Bench {

GlCallCount::Counts GlCallCount::sinceStart()
{
    return g_counts;
}

} // namespace Bench
