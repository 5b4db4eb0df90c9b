#ifndef RENDER_OGL_RENDERQUEUE_H
#define RENDER_OGL_RENDERQUEUE_H

#include "shell/I_RenderQueue.h"

namespace Render {
namespace OGL {

// The render controller's queue. Nothing is kept: each add draws its mesh at
// once, placed by the orientation and then the offset, inside its material's
// begin and end. A mesh without a vertex array draws nothing.
class RenderQueue : public I_RenderQueue {
public:
    void add(const MathStuff::Orientation<float>& orientation, const ModelSys::Mesh* mesh,
             MatSys::Material* material) override;
    void add(const MathStuff::Orientation<float>& orientation,
             const MathStuff::Vector3<float>& offset, const ModelSys::Mesh* mesh,
             MatSys::Material* material) override;
};

} // namespace OGL
} // namespace Render

#endif
