#include "render/rglErrors.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstdlib>

namespace RGL {

void drainErrors()
{
    // Without a context glGetError may answer an error for ever; the bound
    // stops the loop there.
    for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

std::string singleLine(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

void fatalExit(const char* fault)
{
    std::fprintf(stderr, "Render error: %s\n", fault);
    std::fflush(stderr);
    std::exit(1);
}

} // namespace RGL
