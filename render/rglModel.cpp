#include "render/rglModel.h"

#include "core/Matrix4x4.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/rglMaterial.h"
#include "render/rglMaterialLoader.h"
#include "render/rglVertexArray.h"
#include "shell/I_Game.h"
#include "shell/I_RenderController.h"
#include "shell/I_VertexArray.h"

#include <GL/glew.h>

namespace RGL {

namespace {

typedef std::vector<const Model::Model::Face_s*> FaceGroup;

// Faces grouped by material in the order the materials first appear.
std::vector<FaceGroup> groupFaces(const Model::Model& model)
{
    std::vector<const Model::Material*> materials;
    std::vector<FaceGroup> groups;
    for (const Model::Model::Face_s& face : model.getFaces()) {
        if (face.material == nullptr)
            continue;
        std::size_t g = 0;
        while (g < materials.size() && materials[g] != face.material)
            ++g;
        if (g == materials.size()) {
            materials.push_back(face.material);
            groups.emplace_back();
        }
        groups[g].push_back(&face);
    }
    return groups;
}

// One use of the GL material of that name, made from the source when new.
rglMaterial* useMaterial(const Model::Material& source)
{
    rglMaterialLoader& loader = rglMaterialLoader::instance();
    const std::string key = source.getName();
    if (rglMaterial* known = loader.use(key))
        return known;
    rglMaterial* made = new rglMaterial(&source);
    if (loader.add(key, made) != made)
        delete made;
    return loader.use(key);
}

Render::I_RenderController* renderController()
{
    Game::I_Game* game = Game::I_Game::instance();
    return game != nullptr ? game->getRenderController() : nullptr;
}

void fillArray(Render::I_VertexArray& array, const Model::Model& model, const FaceGroup& faces,
               int textureLayers)
{
    const std::vector<MathStuff::Vector3<float> >& points = model.getPoints();
    const MathStuff::Vector3<float> none;
    int offset = 0;
    array.beginUsing();
    for (const Model::Model::Face_s* face : faces) {
        for (int j = 0; j < 3; ++j) {
            const int index = face->pointIndices[j];
            const bool known = index >= 0 && static_cast<std::size_t>(index) < points.size();
            const MathStuff::Vector3<float>& p = known ? points[index] : none;
            const float xyz[3] = {p.x, p.y, p.z};
            array.putVertices(xyz, 1, offset);
            offset += 12;
            for (int t = 0; t < textureLayers; ++t) {
                array.putData(face->coordinates + 6 * t + 2 * j, 8, offset);
                offset += 8;
            }
        }
    }
    array.endUsing();
}

} // namespace

rglModel::Part::~Part()
{
    if (material != nullptr)
        rglMaterialLoader::instance().free(materialName);
    delete[] texCoords;
    delete vertexArray;
}

rglModel::rglModel(Model::Model* model) : Model::I_DisplayableModel(model)
{
    if (model != nullptr && renderController() != nullptr)
        buildParts(*model);
}

rglModel::~rglModel()
{
    for (auto part = m_parts.rbegin(); part != m_parts.rend(); ++part)
        delete *part;
}

void rglModel::buildParts(const Model::Model& model)
{
    Render::I_RenderController* controller = renderController();
    for (const FaceGroup& faces : groupFaces(model)) {
        const Model::Material& source = *faces.front()->material;
        const int textureLayers = source.getNumTexLayers();
        Part* part = new Part;
        m_parts.push_back(part);
        part->materialName = source.getName();
        part->material = useMaterial(source);
        part->faceCount = static_cast<int>(faces.size());
        part->vertexArray =
            controller->createVertexArray(part->faceCount * (36 + 24 * textureLayers), true);
        if (part->vertexArray == nullptr)
            continue;
        part->vertexArray->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
        if (textureLayers > 0) {
            part->vertexArray->defineTextureInfo(2 * textureLayers, Render::I_VertexArray::FLOAT);
            rglVertexArray* own = dynamic_cast<rglVertexArray*>(part->vertexArray);
            if (own != nullptr && part->material != nullptr)
                own->setTextureUnits(part->material->getTextureUnits());
        }
        fillArray(*part->vertexArray, model, faces, textureLayers);
    }
}

void rglModel::display(const MathStuff::Orientation<float>* orientation)
{
    if (orientation == nullptr || m_parts.empty())
        return;
    MathStuff::Matrix4x4<float> placement;
    orientation->getTransformation(placement);
    glPushMatrix();
    glMultMatrixf(placement.m);
    for (const Part* part : m_parts) {
        if (part->vertexArray == nullptr)
            continue;
        if (part->material != nullptr)
            part->material->beginUsing(part->texCoords);
        part->vertexArray->beginUsing();
        glDrawArrays(GL_TRIANGLES, 0, 3 * part->faceCount);
        part->vertexArray->endUsing();
        if (part->material != nullptr)
            part->material->endUsing();
    }
    glPopMatrix();
}

void rglModel::display(const std::vector<MathStuff::Orientation<float> >& orientations)
{
    if (!orientations.empty())
        display(&orientations.front());
}

int rglModel::getPartCount() const
{
    return static_cast<int>(m_parts.size());
}

const rglModel::Part& rglModel::getPart(int index) const
{
    return *m_parts.at(index);
}

} // namespace RGL
