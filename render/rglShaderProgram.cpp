#include "render/rglShaderProgram.h"

#include "render/rglErrors.h"
#include "render/rglShader.h"

#include <GL/glew.h>

#include <string>

namespace RGL {

rglShaderProgram::rglShaderProgram(const std::vector<rglShader*>& shaders) : m_program(0)
{
    m_program = glCreateProgram();
    std::string files;
    for (const rglShader* shader : shaders) {
        glAttachShader(m_program, shader->getID());
        files += (files.empty() ? "" : ", ") + shader->describeFiles();
    }
    glLinkProgram(m_program);
    GLint linked = GL_FALSE;
    glGetProgramiv(m_program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE)
        fatalExit(("the shaders " + files + " do not link: " + programInfoLog(m_program)).c_str());
}

rglShaderProgram::~rglShaderProgram()
{
    release();
}

void rglShaderProgram::release()
{
    if (m_program != 0)
        glDeleteProgram(m_program);
    m_program = 0;
}

bool rglShaderProgram::beginUsing()
{
    glUseProgram(m_program);
    drainErrors();
    return true;
}

bool rglShaderProgram::endUsing()
{
    glUseProgram(0);
    return true;
}

bool rglShaderProgram::setUniform(const char* name, int value)
{
    int location = -1;
    if (!getUniformLoc(name, &location))
        return false;
    glUniform1i(location, value);
    return true;
}

bool rglShaderProgram::setUniform(const char* name, float value)
{
    int location = -1;
    if (!getUniformLoc(name, &location))
        return false;
    glUniform1f(location, value);
    return true;
}

bool rglShaderProgram::getUniformLoc(const char* name, int* location) const
{
    const GLint found = m_program != 0 && name != nullptr ? glGetUniformLocation(m_program, name) : -1;
    if (location != nullptr)
        *location = found;
    return found != -1;
}

unsigned rglShaderProgram::getID() const
{
    return m_program;
}

} // namespace RGL
