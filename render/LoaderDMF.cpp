#include "render/LoaderDMF.h"

#include <cfloat>
#include <cstdio>

#include "core/FormatUtils.h"
#include "render/DMFMaterials.h"
#include "render/Material.h"
#include "render/MaterialStore.h"
#include "render/Model.h"
#include "render/dmf.h"

namespace Model {

namespace {

// Moves the object so that the centre of its bounding box is the origin.
void centreObject(dmf::dmf_object_t& object)
{
    float low[3] = {FLT_MAX, FLT_MAX, FLT_MAX};
    float high[3] = {-FLT_MAX, -FLT_MAX, -FLT_MAX};
    for (unsigned i = 0; i < object.vertexCount; ++i) {
        const float* p = &object.vertices[i].x;
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = p[axis] < low[axis] ? p[axis] : low[axis];
            high[axis] = p[axis] > high[axis] ? p[axis] : high[axis];
        }
    }
    for (unsigned i = 0; i < object.vertexCount; ++i) {
        float* p = &object.vertices[i].x;
        for (int axis = 0; axis < 3; ++axis)
            p[axis] -= (low[axis] + high[axis]) * 0.5f;
    }
}

void registerMaterial(const dmf::dmf_material_t& dmfMaterial)
{
    MaterialStore& store = MaterialStore::instance();
    if (std::string(dmfMaterial.category ? dmfMaterial.category : "") == "MATDEF") {
        store.load(makeDMFMaterialName(&dmfMaterial));
        return;
    }
    Material* material = newMaterial(&dmfMaterial);
    if (material && store.add(material) != material)
        delete material;
}

Material* storedMaterial(const dmf::dmf_material_t& dmfMaterial)
{
    const Material probe(makeDMFMaterialName(&dmfMaterial), std::vector<Material::Layer_s>());
    return MaterialStore::instance().find(&probe);
}

// The triangle's pairs of every non-empty layer, in layer order.
std::vector<float> activeCoordinates(const dmf::dmf_material_t& material,
                                     const dmf::dmf_polygon_t& triangle)
{
    std::vector<float> collected;
    collected.reserve(6 * dmf::DMF_MAX_LAYERS);
    for (unsigned layer = 0; layer < material.layerCount && layer < dmf::DMF_MAX_LAYERS; ++layer) {
        const float* pairs = triangle.coordinates[layer];
        for (int i = 0; i < 6 && pairs && material.layers[layer].kind != dmf::DMF_LAYER_EMPTY; ++i)
            collected.push_back(pairs[i]);
    }
    return collected;
}

Model* makeModel(const dmf::dmf_t& map, const dmf::dmf_object_t& object)
{
    std::vector<MathStuff::Vector3<float> > points;
    points.reserve(object.vertexCount);
    for (unsigned i = 0; i < object.vertexCount; ++i)
        points.emplace_back(object.vertices[i].x, object.vertices[i].y, object.vertices[i].z);
    Model* model = new Model(object.name ? object.name : "", points);
    model->reserveFaces(object.polygonCount);
    for (unsigned p = 0; p < object.polygonCount; ++p) {
        const dmf::dmf_polygon_t& triangle = object.polygons[p];
        if (triangle.vertexCount != 3)
            continue;
        const dmf::dmf_material_t& dmfMaterial = map.materials[triangle.material];
        const std::vector<float> pairs = activeCoordinates(dmfMaterial, triangle);
        Material* material = pairs.empty() ? nullptr : storedMaterial(dmfMaterial);
        model->addFace(Model::Face_s(triangle.indices[0], triangle.indices[1], triangle.indices[2],
                                     material, pairs.data(), static_cast<int>(pairs.size())));
    }
    return model;
}

} // namespace

bool LoaderDMF::load(const char* path, std::vector<Model*>* out)
{
    dmf::dmf_t map;
    const int result = dmf::ReadDMF(&map, path, dmf::DMF_SOURCE_FILE, nullptr, nullptr);
    if (result != dmf::DMF_OK) {
        std::fprintf(stderr, "Model file %s not loaded: %s\n", Format::printable(path ? path : "").c_str(),
                     dmf::DescribeDMF(result));
        return false;
    }
    if (!out) {
        dmf::FreeDMF(&map);
        return false;
    }
    for (std::uint32_t i = 0; i < map.objectCount; ++i)
        centreObject(map.objects[i]);
    dmf::ReverseDMF(&map);
    dmf::TriangulateDMF(&map);
    for (std::uint32_t i = 0; i < map.materialCount; ++i)
        registerMaterial(map.materials[i]);
    for (std::uint32_t i = 0; i < map.objectCount; ++i)
        out->push_back(makeModel(map, map.objects[i]));
    dmf::FreeDMF(&map);
    return true;
}

} // namespace Model
