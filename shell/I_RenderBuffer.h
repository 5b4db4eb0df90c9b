#ifndef RENDER_I_RENDERBUFFER_H
#define RENDER_I_RENDERBUFFER_H

namespace Render {

// An off-screen render target; its pixel format is fixed when it is made.
class I_RenderBuffer {
public:
    enum RBType { RGB = 1, RGBA = 2 };

    explicit I_RenderBuffer(RBType type) : m_type(type) {}
    virtual ~I_RenderBuffer() {}

    virtual RBType getType() const { return m_type; }
    // Whether the target could be made.
    virtual bool isValid() const = 0;
    // Sends drawing into the buffer / back to the window.
    virtual void beginUsing() = 0;
    virtual void endUsing() = 0;

private:
    RBType m_type;
};

} // namespace Render

#endif
