#include "render/rglModel.h"

#include "core/Matrix4x4.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/rglMaterial.h"
#include "render/rglController.h"
#include "render/rglMaterialLoader.h"
#include "render/rglVertexArray.h"
#include "shell/I_Game.h"
#include "shell/I_RenderController.h"
#include "shell/I_VertexArray.h"

#include <GL/glew.h>

#include <cstddef>
#include <vector>

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

// Puts the faces' corners from the byte offset on: per corner its position,
// then two floats per texture layer, then the colour when one is given. The
// corners are laid out here and handed over in one piece: a GL buffer takes
// each hand-over as a call of its own.
int putFaces(Render::I_VertexArray& array, const Model::Model& model, const FaceGroup& faces,
             int textureLayers, const unsigned char* colour, int offset)
{
    const std::vector<MathStuff::Vector3<float> >& points = model.getPoints();
    const MathStuff::Vector3<float> none;
    std::vector<unsigned char> bytes;
    const auto append = [&bytes](const void* from, std::size_t size) {
        const unsigned char* at = static_cast<const unsigned char*>(from);
        bytes.insert(bytes.end(), at, at + size);
    };
    for (const Model::Model::Face_s* face : faces) {
        for (int j = 0; j < 3; ++j) {
            const int index = face->pointIndices[j];
            const bool known = index >= 0 && static_cast<std::size_t>(index) < points.size();
            const MathStuff::Vector3<float>& p = known ? points[index] : none;
            const float xyz[3] = {p.x, p.y, p.z};
            append(xyz, sizeof xyz);
            for (int t = 0; t < textureLayers; ++t)
                append(face->coordinates + 6 * t + 2 * j, 8);
            if (colour != nullptr)
                append(colour, 4);
        }
    }
    array.putData(bytes.data(), static_cast<int>(bytes.size()), offset);
    return offset + static_cast<int>(bytes.size());
}

// Whether every part's material is made of colour layers alone, so that the
// colour each sets can go with the vertices.
bool allPlainColour(const std::vector<rglModel::Part*>& parts)
{
    for (const rglModel::Part* part : parts)
        if (part->material == nullptr || part->material->plainColour() == nullptr)
            return false;
    return true;
}

void makeArrays(const std::vector<rglModel::Part*>& parts, const Model::Model& model,
                const std::vector<FaceGroup>& groups)
{
    Render::I_RenderController* controller = renderController();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        rglModel::Part* part = parts[i];
        const int textureLayers = groups[i].front()->material->getNumTexLayers();
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
        part->vertexArray->beginUsing();
        putFaces(*part->vertexArray, model, groups[i], textureLayers, nullptr, 0);
        part->vertexArray->endUsing();
    }
}

// One array of every part's faces with their colours; null when none could
// be made.
Render::I_VertexArray* makeCombined(const std::vector<rglModel::Part*>& parts, const Model::Model& model,
                                    const std::vector<FaceGroup>& groups, int& vertices)
{
    int faces = 0;
    for (const rglModel::Part* part : parts)
        faces += part->faceCount;
    Render::I_VertexArray* array = renderController()->createVertexArray(faces * 3 * 16, true);
    if (array == nullptr)
        return nullptr;
    array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
    array->defineColorInfo(4, Render::I_VertexArray::UNSIGNED_BYTE);
    array->beginUsing();
    int offset = 0;
    for (std::size_t i = 0; i < groups.size(); ++i)
        offset = putFaces(*array, model, groups[i], 0, parts[i]->material->plainColour(), offset);
    array->endUsing();
    vertices = faces * 3;
    return array;
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
    Render::I_RenderController* controller = renderController();
    if (model == nullptr || controller == nullptr)
        return;
    if (rglController* gl = dynamic_cast<rglController*>(controller))
        m_state = &gl->drawState();
    buildParts(*model);
}

rglModel::~rglModel()
{
    delete m_combined;
    for (auto part = m_parts.rbegin(); part != m_parts.rend(); ++part)
        delete *part;
}

void rglModel::buildParts(const Model::Model& model)
{
    const std::vector<FaceGroup> groups = groupFaces(model);
    for (const FaceGroup& faces : groups) {
        const Model::Material& source = *faces.front()->material;
        Part* part = new Part;
        m_parts.push_back(part);
        part->materialName = source.getName();
        part->material = useMaterial(source);
        part->faceCount = static_cast<int>(faces.size());
    }
    if (m_parts.size() > 1 && allPlainColour(m_parts))
        m_combined = makeCombined(m_parts, model, groups, m_combinedVertices);
    else
        makeArrays(m_parts, model, groups);
}

void rglModel::display(const MathStuff::Orientation<float>* orientation)
{
    if (orientation == nullptr || m_parts.empty())
        return;
    MathStuff::Matrix4x4<float> placement;
    orientation->getTransformation(placement);
    glPushMatrix();
    glMultMatrixf(placement.m);
    if (m_combined != nullptr) {
        m_combined->beginUsing();
        glDrawArrays(GL_TRIANGLES, 0, m_combinedVertices);
        m_combined->endUsing();
    }
    for (const Part* part : m_parts) {
        if (part->vertexArray == nullptr)
            continue;
        if (part->material != nullptr)
            part->material->beginUsing(part->texCoords, m_state);
        part->vertexArray->beginUsing();
        glDrawArrays(GL_TRIANGLES, 0, 3 * part->faceCount);
        part->vertexArray->endUsing();
        if (part->material != nullptr)
            part->material->endUsing(m_state);
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

const Render::I_VertexArray* rglModel::getCombinedArray() const
{
    return m_combined;
}

} // namespace RGL
