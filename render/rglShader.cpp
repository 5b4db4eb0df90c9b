#include "render/rglShader.h"

#include "render/rglErrors.h"

#include <GL/glew.h>

#include <fstream>
#include <iterator>

namespace RGL {

struct rglShader::Impl {
    std::string name;
    GLenum kind = GL_VERTEX_SHADER;
    std::vector<std::string> files;
    GLuint id = 0;

    std::vector<std::string> readSources() const;
};

std::vector<std::string> rglShader::Impl::readSources() const
{
    std::vector<std::string> texts;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::in | std::ios::binary);
        if (!in)
            fatalExit(("the shader file \"" + file + "\" of \"" + name + "\" cannot be read").c_str());
        texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return texts;
}

rglShader::rglShader(const char* name, unsigned kind, const std::vector<std::string>& files)
    : m_impl(new Impl)
{
    m_impl->name = name != nullptr ? name : "";
    m_impl->kind = kind;
    m_impl->files = files;
}

rglShader::~rglShader()
{
    unloadObject();
}

bool rglShader::loadObject()
{
    if (m_impl->id != 0)
        return true;
    const std::vector<std::string> texts = m_impl->readSources();
    std::vector<const GLchar*> sources;
    for (const std::string& text : texts)
        sources.push_back(text.c_str());
    m_impl->id = glCreateShader(m_impl->kind);
    glShaderSource(m_impl->id, static_cast<GLsizei>(sources.size()), sources.data(), nullptr);
    glCompileShader(m_impl->id);
    GLint compiled = GL_FALSE;
    glGetShaderiv(m_impl->id, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE)
        fatalExit(("the shader \"" + m_impl->name + "\" (" + describeFiles() +
                   ") does not compile: " + shaderInfoLog(m_impl->id))
                      .c_str());
    return true;
}

bool rglShader::unloadObject()
{
    if (m_impl->id != 0)
        glDeleteShader(m_impl->id);
    m_impl->id = 0;
    return true;
}

unsigned rglShader::getID() const
{
    return m_impl->id;
}

std::string rglShader::getName() const
{
    return m_impl->name;
}

std::string rglShader::describeFiles() const
{
    std::string text;
    for (const std::string& file : m_impl->files)
        text += (text.empty() ? "" : ", ") + file;
    return text;
}

} // namespace RGL
