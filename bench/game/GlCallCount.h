#ifndef BENCH_GLCALLCOUNT_H
#define BENCH_GLCALLCOUNT_H

namespace Bench {

// Counts and times the GL calls the game makes in its frames, by standing in
// for the GL entry points it calls (the program's own definitions come before
// the GL library's, and the extension loader is handed stand-ins for the later
// functions) and passing each call on. Draws are the calls that send vertices
// or pixels; state calls are those that set GL state (matrices, switches,
// bindings, array pointers, colours, uniforms); the vertices between glBegin
// and glEnd and the matrix queries of the pointer's ray are neither. Each is
// timed from entering the library to its return, and so is the window
// library's swap, which flushes the frame through the GL library. Calls made
// only at start-up or on rare paths (loading textures and buffers, glGetError)
// are neither counted nor timed; of the loading, the texels of the textures
// and the bytes of the buffers are added up. What the scene needed of the
// draws and the state calls is counted from the same calls (see SceneNeeds);
// that bookkeeping is timed and taken out with the timing's cost.
class GlCallCount {
public:
    struct Counts {
        unsigned long draws = 0;
        unsigned long state = 0;
        unsigned long drawsNeeded = 0;
        unsigned long stateNeeded = 0;
        unsigned long vertices = 0;
        unsigned long bufferBytes = 0;
        unsigned long texels = 0;
        // The time from entering the GL library's entry point to its return,
        // without the timing's own share of it.
        double insideMs = 0.0;
        // Of that, the clear and the swap, which deal with the window's
        // buffers and may talk to the X server.
        double windowMs = 0.0;
        // The timing's own cost in all, the scene's bookkeeping included,
        // which the thread's time around the calls holds and the program
        // without timing would not.
        double timingMs = 0.0;
    };

    // The calls counted since the program started.
    static Counts sinceStart();

    // What timing one call costs the thread, measured on empty calls when
    // first asked: the share that falls inside the time it reads, and the
    // whole. Most GL calls are timed on the processor's time stamp counter;
    // the clear and the swap, which may wait on the X server, on the thread's
    // CPU clock, as frames are.
    struct Overhead {
        double insideNs = 0.0;
        double wholeNs = 0.0;
    };
    static Overhead callOverhead();
    static Overhead threadClockOverhead();
};

} // namespace Bench

#endif
