#ifndef BENCH_GLCALLCOUNT_H
#define BENCH_GLCALLCOUNT_H

namespace Bench {

// Counts the GL calls the game makes, by standing in for the GL entry points
// it calls (the program's own definitions come before the GL library's, and
// the extension loader is handed counting stand-ins for the later functions)
// and passing each call on. Draws are the calls that send vertices or pixels;
// state calls are those that set GL state (matrices, switches, bindings,
// array pointers, colours, uniforms); queries such as glGetError are neither.
class GlCallCount {
public:
    struct Counts {
        unsigned long draws = 0;
        unsigned long state = 0;
    };

    // The calls counted since the program started.
    static Counts sinceStart();
};

} // namespace Bench

#endif
