#ifndef RGL_RGLERRORS_H
#define RGL_RGLERRORS_H

#include <string>

namespace RGL {

// Reads GL's error flags until none is left, so a later check sees only its own.
void drainErrors();

// GL's info log on one line (line breaks become blanks, none at the end),
// so that a failure stays one message line.
std::string singleLine(std::string text);

// The info log of a shader or of a program object, on one line.
std::string shaderInfoLog(unsigned shader);
std::string programInfoLog(unsigned program);

// Ends the process with exit code 1 after one line on the error stream naming
// the fault: what GL-side misuse leaves behind cannot be drawn around.
[[noreturn]] void fatalExit(const char* fault);

} // namespace RGL

#endif
