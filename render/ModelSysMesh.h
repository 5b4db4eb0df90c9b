#ifndef MODELSYS_MESH_H
#define MODELSYS_MESH_H

namespace Render { class I_VertexArray; }

namespace ModelSys {

// What the render queue draws of a mesh: a run of triangle corners in a
// vertex array (not owned).
class Mesh {
public:
    const Render::I_VertexArray* vertexArray = nullptr;
    int firstVertex = 0;
    int vertexCount = 0;
};

} // namespace ModelSys

#endif
