#include "render/RenderQueue.h"

#include "core/Matrix4x4.h"
#include "render/MatSysMaterial.h"
#include "render/ModelSysMesh.h"
#include "shell/I_VertexArray.h"

#include <GL/glew.h>

namespace Render {
namespace OGL {

namespace {

void drawMesh(const ModelSys::Mesh* mesh)
{
    if (mesh == nullptr || mesh->vertexArray == nullptr)
        return;
    mesh->vertexArray->beginUsing();
    glDrawArrays(GL_TRIANGLES, mesh->firstVertex, mesh->vertexCount);
    mesh->vertexArray->endUsing();
}

} // namespace

void RenderQueue::add(const MathStuff::Orientation<float>& orientation, const ModelSys::Mesh* mesh,
                      MatSys::Material* material)
{
    add(orientation, MathStuff::Vector3<float>(0, 0, 0), mesh, material);
}

void RenderQueue::add(const MathStuff::Orientation<float>& orientation,
                      const MathStuff::Vector3<float>& offset, const ModelSys::Mesh* mesh,
                      MatSys::Material* material)
{
    if (material != nullptr)
        material->begin();
    glPushMatrix();
    MathStuff::Matrix4x4<float> placement;
    orientation.getTransformation(placement);
    glMultMatrixf(placement.m);
    glTranslatef(offset.x, offset.y, offset.z);
    drawMesh(mesh);
    glPopMatrix();
    if (material != nullptr)
        material->end();
}

} // namespace OGL
} // namespace Render
