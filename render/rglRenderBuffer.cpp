#include "render/rglRenderBuffer.h"

#include "render/rglErrors.h"

#include <GL/glew.h>

namespace RGL {

rglRenderBuffer::rglRenderBuffer(int width, int height, RBType type)
    : Render::I_RenderBuffer(type), m_width(0), m_height(0), m_framebuffer(0), m_renderbuffer(0)
{
    if (build(width, height)) {
        m_width = width;
        m_height = height;
    } else {
        release();
    }
    drainErrors();
}

rglRenderBuffer::~rglRenderBuffer()
{
    release();
}

bool rglRenderBuffer::build(int width, int height)
{
    const int maxSize = getMaxSize();
    if (width <= 0 || height <= 0 || width > maxSize || height > maxSize)
        return false;
    const RBType type = getType();
    if (type != RGB && type != RGBA)
        return false;
    glGenFramebuffersEXT(1, &m_framebuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, m_framebuffer);
    glGenRenderbuffersEXT(1, &m_renderbuffer);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, m_renderbuffer);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, type == RGB ? GL_RGB : GL_RGBA, width, height);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_RENDERBUFFER_EXT,
                                 m_renderbuffer);
    const bool complete =
        glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    return complete;
}

void rglRenderBuffer::release()
{
    if (m_renderbuffer != 0)
        glDeleteRenderbuffersEXT(1, &m_renderbuffer);
    if (m_framebuffer != 0)
        glDeleteFramebuffersEXT(1, &m_framebuffer);
    m_renderbuffer = 0;
    m_framebuffer = 0;
}

bool rglRenderBuffer::isValid() const
{
    return m_width != 0 && m_height != 0;
}

void rglRenderBuffer::beginUsing()
{
    if (isValid())
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, m_framebuffer);
}

void rglRenderBuffer::endUsing()
{
    if (isValid())
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
}

int rglRenderBuffer::getMaxSize()
{
    if (!GLEW_EXT_framebuffer_object)
        return 0;
    GLint size = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &size);
    return size;
}

} // namespace RGL
