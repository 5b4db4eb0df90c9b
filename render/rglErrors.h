#ifndef RGL_RGLERRORS_H
#define RGL_RGLERRORS_H

namespace RGL {

// Reads GL's error flags until none is left, so a later check sees only its own.
void drainErrors();

// Ends the process with exit code 1 after one line on the error stream naming
// the fault: what GL-side misuse leaves behind cannot be drawn around.
[[noreturn]] void fatalExit(const char* fault);

} // namespace RGL

#endif
