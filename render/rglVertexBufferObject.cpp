#include "render/rglVertexBufferObject.h"

#include "render/rglErrors.h"

#include <GL/glew.h>

namespace RGL {

namespace {

const int s_storageAttempts = 10;

// One try at giving the bound buffer its storage: the map proves it is there.
bool makeStorage(GLenum target, GLuint name, int bytes, GLenum access)
{
    glBindBuffer(target, name);
    glBufferData(target, bytes, nullptr, GL_STATIC_DRAW);
    if (glMapBuffer(target, access) == nullptr)
        return false;
    return glUnmapBuffer(target) == GL_TRUE;
}

} // namespace

rglVertexBufferObject::rglVertexBufferObject(int bytes, unsigned access)
    : rglVertexBufferObject(bytes, GL_ARRAY_BUFFER, access)
{
}

rglVertexBufferObject::rglVertexBufferObject(int bytes, unsigned target, unsigned access)
    : rglVertexArray(bytes, target, false)
{
    constructVBO(access);
}

rglVertexBufferObject::~rglVertexBufferObject()
{
    const GLuint name = getBufferName();
    if (name != 0)
        glDeleteBuffers(1, &name);
}

void rglVertexBufferObject::constructVBO(unsigned access)
{
    if (getBufferSize() == 0 || !VBOsSupported()) {
        setBufferSize(0);
        return;
    }
    GLuint name = 0;
    glGenBuffers(1, &name);
    setBufferName(name);
    for (int attempt = 0; attempt < s_storageAttempts; ++attempt) {
        if (makeStorage(getTarget(), name, getBufferSize(), access)) {
            glBindBuffer(getTarget(), 0);
            drainErrors();
            return;
        }
    }
    glBindBuffer(getTarget(), 0);
    drainErrors();
    setBufferSize(0);
}

void rglVertexBufferObject::getData(void* out, int bytes, int byteOffset) const
{
    if (bytes > 0 && inRange(bytes, byteOffset) && getBufferName() != 0)
        glGetBufferSubData(getTarget(), byteOffset, bytes, out);
}

void rglVertexBufferObject::putData(const void* in, int bytes, int byteOffset)
{
    if (bytes > 0 && inRange(bytes, byteOffset) && getBufferName() != 0)
        glBufferSubData(getTarget(), byteOffset, bytes, in);
}

bool rglVertexBufferObject::VBOsSupported()
{
    // The calls made here are the core names of the extension's functions,
    // which GLEW resolves only where the driver has them.
    static const bool l_supported =
        GLEW_ARB_vertex_buffer_object != 0 && glGenBuffers != nullptr && glBindBuffer != nullptr &&
        glBufferData != nullptr && glBufferSubData != nullptr && glGetBufferSubData != nullptr &&
        glMapBuffer != nullptr && glUnmapBuffer != nullptr && glDeleteBuffers != nullptr;
    return l_supported;
}

} // namespace RGL
