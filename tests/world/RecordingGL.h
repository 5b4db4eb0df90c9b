#ifndef WORLDTEST_RECORDINGGL_H
#define WORLDTEST_RECORDINGGL_H

#include <array>
#include <vector>

// The GL calls the line-model drawing makes, recorded in place of a driver:
// the test executable defines glPushMatrix, glMultMatrixf, glColor4ub,
// glDrawArrays, glPopMatrix, and glEnable and glDisable for line smoothing
// itself (RecordingGL.cpp), and its own
// definitions win over the GL library's at link time.
namespace RecordingGL {

struct Draw {
    unsigned int mode;
    int first;
    int count;
    std::array<unsigned char, 4> colour; // the colour current at the draw
    std::array<float, 16> matrix;        // the product of the pushed matrices
    int depth;                           // pushes not yet popped
    bool smooth;                         // whether line smoothing was on
};

std::vector<Draw>& draws();
// Forgets the draws and resets the matrix stack, the colour and the
// smoothing (off).
void reset();
// Whether line smoothing is on now; setSmooth turns it on or off as the
// drawing's caller would.
bool smooth();
void setSmooth(bool on);
// Pushes not yet popped.
int depth();

} // namespace RecordingGL

#endif
