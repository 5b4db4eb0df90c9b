#ifndef RGL_RGLRENDERBUFFER_H
#define RGL_RGLRENDERBUFFER_H

#include "shell/I_RenderBuffer.h"

namespace RGL {

// An off-screen colour target: a framebuffer object with one render buffer.
// Invalid (width and height 0) when the context lacks framebuffer objects, a
// side exceeds the largest render buffer, the type is neither RGB nor RGBA or
// the framebuffer is incomplete; an invalid buffer holds no GL object.
class rglRenderBuffer : public Render::I_RenderBuffer {
public:
    rglRenderBuffer(int width, int height, RBType type);
    ~rglRenderBuffer() override;

    rglRenderBuffer(const rglRenderBuffer&) = delete;
    rglRenderBuffer& operator=(const rglRenderBuffer&) = delete;

    bool isValid() const override;
    // Sends drawing into the buffer / back to the window (framebuffer 0).
    void beginUsing() override;
    void endUsing() override;

    // The largest side a render buffer may have; 0 without framebuffer objects.
    static int getMaxSize();

private:
    bool build(int width, int height);
    void release();

    int m_width;
    int m_height;
    unsigned m_framebuffer;
    unsigned m_renderbuffer;
};

} // namespace RGL

#endif
