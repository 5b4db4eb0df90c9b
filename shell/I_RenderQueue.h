#ifndef RENDER_I_RENDERQUEUE_H
#define RENDER_I_RENDERQUEUE_H

#include "core/Orientation.h"
#include "core/Vector3.h"

namespace ModelSys { class Mesh; }
namespace MatSys { class Material; }

namespace Render {

// A draw queue of meshes with materials. The meshes and materials are the
// render back end's own types; this interface only passes them through.
class I_RenderQueue {
public:
    virtual ~I_RenderQueue() {}
    // Same as the offset form with offset (0, 0, 0).
    virtual void add(const MathStuff::Orientation<float>& orientation, const ModelSys::Mesh* mesh,
                     MatSys::Material* material) = 0;
    virtual void add(const MathStuff::Orientation<float>& orientation,
                     const MathStuff::Vector3<float>& offset, const ModelSys::Mesh* mesh,
                     MatSys::Material* material) = 0;
};

} // namespace Render

#endif
