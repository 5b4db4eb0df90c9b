#ifndef BENCH_SCENENEEDS_H
#define BENCH_SCENENEEDS_H

namespace Bench {

// What a frame's scene needs of GL, learnt from the GL calls the frame makes.
// The placement (the model-view and projection matrices) and every piece of
// state set (a switch, a binding, a pointer, a colour, a uniform) are
// followed as values. A draw is needed where the placement or a piece of
// state differs from the last draw's: draws in a row at one placement with
// the same state could have been one. A needed draw needs a state call for
// each piece of state that differs from what the last needed draw had, and
// three for a new placement (push, multiply, pop; as many again for a new
// projection). A clear is always needed.
class SceneNeeds {
public:
    // Kinds of state; with `which` (a switch's name, a target, a location)
    // they name one piece.
    enum Kind {
        SWITCH, CLIENT_SWITCH, VIEWPORT, SCISSOR, DEPTH_RANGE, VERTEX_POINTER, TEXCOORD_POINTER,
        COLOUR_POINTER, COLOUR, TEXTURE, TEXTURE_ENV, TEXTURE_PARAMETER, FOG, LINE_WIDTH, BLEND, CLEAR_COLOUR,
        PIXEL_STORE, RASTER_POSITION, BUFFER, ACTIVE_TEXTURE, CLIENT_ACTIVE_TEXTURE, PROGRAM, UNIFORM,
        FRAMEBUFFER
    };

    static void set(Kind kind, unsigned long long which, unsigned long long value);
    // The value set last for that piece, 0 when never set.
    static unsigned long long current(Kind kind, unsigned long long which);

    // The matrix calls: the one worked on, a push and pop of it, and what
    // its top becomes: loaded whole (identity included), or multiplied by a
    // matrix (a translation, a scale, a projection), each given as a hash of
    // the call's arguments.
    static void matrixMode(unsigned mode);
    static void push();
    static void pop();
    static void load(unsigned long long matrix);
    static void multiply(unsigned long long matrix);

    static void draw();
    static void clear();

    // Needed since the program started.
    static unsigned long draws();
    static unsigned long state();

    // A hash of a few words, for the values and matrices above.
    static unsigned long long hash(const void* bytes, unsigned long size, unsigned long long seed);
};

} // namespace Bench

#endif
