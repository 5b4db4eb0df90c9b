#include "RecordingGL.h"

#include <GL/gl.h>

namespace RecordingGL {

namespace {

typedef std::array<float, 16> Matrix;

Matrix identity()
{
    Matrix m{};
    m[0] = m[5] = m[10] = m[15] = 1.0f;
    return m;
}

struct State {
    std::vector<Draw> draws;
    std::vector<Matrix> stack{identity()};
    std::array<unsigned char, 4> colour{{255, 255, 255, 255}};
    bool smooth = false;
};

State& state()
{
    static State l_state;
    return l_state;
}

// a x b, both column-major.
Matrix multiply(const Matrix& a, const float* b)
{
    Matrix out{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                out[column * 4 + row] += a[k * 4 + row] * b[column * 4 + k];
    return out;
}

} // namespace

std::vector<Draw>& draws() { return state().draws; }

void reset() { state() = State(); }

bool smooth() { return state().smooth; }

void setSmooth(bool on) { state().smooth = on; }

int depth() { return static_cast<int>(state().stack.size()) - 1; }

} // namespace RecordingGL

extern "C" {

void glPushMatrix() { RecordingGL::state().stack.push_back(RecordingGL::state().stack.back()); }

void glPopMatrix()
{
    if (RecordingGL::state().stack.size() > 1)
        RecordingGL::state().stack.pop_back();
}

void glMultMatrixf(const GLfloat* m)
{
    RecordingGL::state().stack.back() = RecordingGL::multiply(RecordingGL::state().stack.back(), m);
}

void glColor4ub(GLubyte red, GLubyte green, GLubyte blue, GLubyte alpha)
{
    RecordingGL::state().colour = {{red, green, blue, alpha}};
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    RecordingGL::State& s = RecordingGL::state();
    s.draws.push_back(RecordingGL::Draw{mode, first, count, s.colour, s.stack.back(), RecordingGL::depth(),
                                        s.smooth});
}

void glEnable(GLenum cap)
{
    if (cap == GL_LINE_SMOOTH)
        RecordingGL::setSmooth(true);
}

void glDisable(GLenum cap)
{
    if (cap == GL_LINE_SMOOTH)
        RecordingGL::setSmooth(false);
}

} // extern "C"
