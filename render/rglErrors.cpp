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

namespace {

template <typename GetValue, typename GetLog>
std::string infoLog(GLuint object, GetValue getValue, GetLog getLog)
{
    GLint length = 0;
    getValue(object, GL_INFO_LOG_LENGTH, &length);
    std::string log(length > 0 ? length : 1, '\0');
    getLog(object, static_cast<GLsizei>(log.size()), nullptr, &log[0]);
    return singleLine(log.c_str());
}

} // namespace

std::string shaderInfoLog(unsigned shader)
{
    return infoLog(shader, glGetShaderiv, glGetShaderInfoLog);
}

std::string programInfoLog(unsigned program)
{
    return infoLog(program, glGetProgramiv, glGetProgramInfoLog);
}

void fatalExit(const char* fault)
{
    std::fprintf(stderr, "Render error: %s\n", fault);
    std::fflush(stderr);
    std::exit(1);
}

} // namespace RGL
