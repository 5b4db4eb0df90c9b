#ifndef WORLDTEST_RECORDINGGL_H
#define WORLDTEST_RECORDINGGL_H

#include <array>
#include <vector>

// The GL calls the line-model drawing makes, recorded in place of a driver:
// the test executable defines glPushMatrix, glMultMatrixf, glColor4ub,
// glDrawArrays and glPopMatrix itself (RecordingGL.cpp), and its own
// definitions win over the GL library's at link time.
namespace RecordingGL {

struct Draw {
    unsigned int mode;
    int first;
    int count;
    std::array<unsigned char, 4> colour; // the colour current at the draw
    std::array<float, 16> matrix;        // the product of the pushed matrices
    int depth;                           // pushes not yet popped
};

std::vector<Draw>& draws();
// Forgets the draws and resets the matrix stack and the colour.
void reset();
// Pushes not yet popped.
int depth();

} // namespace RecordingGL

#endif
