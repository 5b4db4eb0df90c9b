#include "SceneNeeds.h"

#include <cstring>
#include <vector>

namespace {

const unsigned MODELVIEW = 0x1700;
const unsigned PROJECTION = 0x1701;
const int PLACEMENT_CALLS = 3;

struct Piece {
    unsigned long long name;
    unsigned long long value;
    unsigned long long atLastDraw;
};

struct Stack {
    std::vector<unsigned long long> matrices{1};
    unsigned long long atLastDraw = 0;

    unsigned long long& top() { return matrices.back(); }
};

struct Scene {
    // Few pieces of state are ever set: a list searched in order is quick.
    std::vector<Piece> pieces;
    Stack modelView;
    Stack projection;
    Stack other;
    Stack* matrices = &modelView;
    bool drawn = false;
    unsigned long draws = 0;
    unsigned long state = 0;
};

Scene g_scene;

unsigned long long nameOf(Bench::SceneNeeds::Kind kind, unsigned long long which)
{
    return (which << 8) ^ static_cast<unsigned long long>(kind);
}

Piece* find(unsigned long long name)
{
    for (Piece& piece : g_scene.pieces)
        if (piece.name == name)
            return &piece;
    return nullptr;
}

unsigned long long mix(unsigned long long seed, unsigned long long value)
{
    seed ^= value + 0x9E3779B97F4A7C15ULL + (seed << 6) + (seed >> 2);
    return seed * 0xBF58476D1CE4E5B9ULL;
}

// The state calls a needed draw takes to move from the last needed draw's
// placement to this one's.
int placementCalls(Stack& stack)
{
    const bool moved = stack.top() != stack.atLastDraw;
    stack.atLastDraw = stack.top();
    return moved ? PLACEMENT_CALLS : 0;
}

// Counts the draw when needed (always is true for a clear) and makes its
// state the last needed draw's.
void drawWith(bool always)
{
    int changed = 0;
    for (const Piece& piece : g_scene.pieces)
        changed += piece.value != piece.atLastDraw;
    const bool placed = g_scene.modelView.top() != g_scene.modelView.atLastDraw
        || g_scene.projection.top() != g_scene.projection.atLastDraw;
    if (g_scene.drawn && !always && changed == 0 && !placed)
        return;
    g_scene.drawn = true;
    ++g_scene.draws;
    g_scene.state += changed + placementCalls(g_scene.modelView) + placementCalls(g_scene.projection);
    for (Piece& piece : g_scene.pieces)
        piece.atLastDraw = piece.value;
}

} // namespace

namespace Bench {

void SceneNeeds::set(Kind kind, unsigned long long which, unsigned long long value)
{
    const unsigned long long name = nameOf(kind, which);
    Piece* piece = find(name);
    if (piece == nullptr)
        g_scene.pieces.push_back(Piece{name, value, 0});
    else
        piece->value = value;
}

unsigned long long SceneNeeds::current(Kind kind, unsigned long long which)
{
    const Piece* piece = find(nameOf(kind, which));
    return piece != nullptr ? piece->value : 0;
}

void SceneNeeds::matrixMode(unsigned mode)
{
    g_scene.matrices = mode == MODELVIEW ? &g_scene.modelView
        : mode == PROJECTION ? &g_scene.projection : &g_scene.other;
}

void SceneNeeds::push()
{
    g_scene.matrices->matrices.push_back(g_scene.matrices->top());
}

void SceneNeeds::pop()
{
    if (g_scene.matrices->matrices.size() > 1)
        g_scene.matrices->matrices.pop_back();
}

void SceneNeeds::load(unsigned long long matrix)
{
    g_scene.matrices->top() = matrix;
}

void SceneNeeds::multiply(unsigned long long matrix)
{
    g_scene.matrices->top() = mix(g_scene.matrices->top(), matrix);
}

void SceneNeeds::draw()
{
    drawWith(false);
}

void SceneNeeds::clear()
{
    drawWith(true);
}

unsigned long SceneNeeds::draws()
{
    return g_scene.draws;
}

unsigned long SceneNeeds::state()
{
    return g_scene.state;
}

unsigned long long SceneNeeds::hash(const void* bytes, unsigned long size, unsigned long long seed)
{
    unsigned long long result = seed;
    const unsigned char* at = static_cast<const unsigned char*>(bytes);
    for (unsigned long i = 0; i + 4 <= size; i += 4) {
        unsigned int word = 0;
        std::memcpy(&word, at + i, 4);
        result = mix(result, word);
    }
    return result;
}

} // namespace Bench
