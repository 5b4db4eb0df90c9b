#ifndef RENDER_I_CREATERENDERBUFFER_H
#define RENDER_I_CREATERENDERBUFFER_H

#include "shell/I_RenderBuffer.h"

namespace Render {

// Factory of off-screen render targets.
class I_CreateRenderBuffer {
public:
    virtual ~I_CreateRenderBuffer() {}
    // A new target, owned by the caller; null when it could not be made.
    virtual I_RenderBuffer* createRenderBuffer(int w, int h, I_RenderBuffer::RBType type) = 0;
};

} // namespace Render

#endif
