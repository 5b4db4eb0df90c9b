// Merging two maps into a third, with one copy of each distinct material.

#include "render/dmf.h"
#include "render/DmfAlloc.h"

#include <cstring>
#include <vector>

namespace dmf {

namespace {

bool sameText(const char* a, const char* b)
{
    return std::strcmp(a ? a : "", b ? b : "") == 0;
}

bool sameLayer(const dmf_layer_t& a, const dmf_layer_t& b)
{
    if (a.kind != b.kind || a.blend != b.blend)
        return false;
    return a.kind == DMF_LAYER_EMPTY || sameText(a.text, b.text);
}

int copyLight(dmf_light_t& target, const dmf_light_t& source, int id)
{
    target = source;
    target.id = id;
    target.name = copyText(source.name);
    return target.name ? DMF_OK : DMF_NO_MEMORY;
}

template <typename T>
bool copyArray(T*& target, const T* source, std::size_t count)
{
    target = allocate<T>(count);
    if (target && source && count)
        std::memcpy(target, source, count * sizeof(T));
    return target != nullptr;
}

int copyPolygon(dmf_polygon_t& target, const dmf_polygon_t& source, int materialShift)
{
    target = dmf_polygon_t();
    target.vertexCount = source.vertexCount;
    target.material = source.material + materialShift;
    std::memcpy(target.faceNormal, source.faceNormal, sizeof(target.faceNormal));
    if (!copyArray(target.indices, source.indices, source.vertexCount))
        return DMF_NO_MEMORY;
    for (unsigned layer = 0; layer < DMF_MAX_LAYERS; ++layer)
        if (source.coordinates[layer] &&
            !copyArray(target.coordinates[layer], source.coordinates[layer], 2 * source.vertexCount))
            return DMF_NO_MEMORY;
    return DMF_OK;
}

int copyObject(dmf_object_t& target, const dmf_object_t& source, int id, int materialShift)
{
    target = source;
    target.id = id;
    target.name = copyText(source.name);
    target.text = copyText(source.text);
    target.polygons = nullptr;
    target.polygonCount = 0;
    // Vertex normals are not carried over: a fresh zeroed table.
    target.vertexNormals = allocate<dmf_vertex_t>(source.vertexCount);
    if (!copyArray(target.vertices, source.vertices, source.vertexCount) || !target.name ||
        !target.text || !target.vertexNormals)
        return DMF_NO_MEMORY;
    target.polygons = allocate<dmf_polygon_t>(source.polygonCount);
    if (!target.polygons)
        return DMF_NO_MEMORY;
    target.polygonCount = source.polygonCount;
    for (unsigned i = 0; i < source.polygonCount; ++i) {
        const int result = copyPolygon(target.polygons[i], source.polygons[i], materialShift);
        if (result != DMF_OK)
            return result;
    }
    return DMF_OK;
}

// Copies a's table, then b's, into a new table; copy(target, source, index in
// the new table, whether the source is b's).
template <typename T, typename Copy>
int combineTables(T*& table, std::uint32_t& count, const T* a, std::uint32_t countA, const T* b,
                  std::uint32_t countB, Copy copy)
{
    table = allocate<T>(static_cast<std::size_t>(countA) + countB);
    if (!table)
        return DMF_NO_MEMORY;
    const T* sources[2] = {a, b};
    const std::uint32_t counts[2] = {countA, countB};
    for (int side = 0; side < 2; ++side)
        for (std::uint32_t i = 0; i < counts[side]; ++i) {
            const int index = static_cast<int>(count++);
            const int result = copy(table[index], sources[side][i], index, side == 1);
            if (result != DMF_OK)
                return result;
        }
    return DMF_OK;
}

// The kept materials' slot for each old material, first equal one wins.
std::vector<int> keptSlots(const dmf_t* map, std::vector<const dmf_material_t*>& kept)
{
    std::vector<int> slots(map->materialCount, 0);
    for (std::uint32_t i = 0; i < map->materialCount; ++i) {
        std::size_t k = 0;
        while (k < kept.size() && !CompareMaterial(kept[k], &map->materials[i]))
            ++k;
        if (k == kept.size())
            kept.push_back(&map->materials[i]);
        slots[i] = static_cast<int>(k);
    }
    return slots;
}

} // namespace

int CopyMaterial(dmf_material_t* target, const dmf_material_t* source)
{
    *target = *source;
    target->name = copyText(source->name);
    target->category = copyText(source->category);
    target->layers = allocate<dmf_layer_t>(source->layerCount);
    target->layerCount = target->layers ? source->layerCount : 0;
    if (!target->name || !target->category || !target->layers)
        return DMF_NO_MEMORY;
    for (unsigned i = 0; i < source->layerCount; ++i) {
        target->layers[i] = source->layers[i];
        if (source->layers[i].text && !(target->layers[i].text = copyText(source->layers[i].text)))
            return DMF_NO_MEMORY;
    }
    return DMF_OK;
}

int CompareMaterial(const dmf_material_t* a, const dmf_material_t* b)
{
    if (!sameText(a->category, b->category) || !sameText(a->name, b->name) ||
        a->extraValue != b->extraValue || a->layerCount != b->layerCount)
        return 0;
    for (unsigned i = 0; i < a->layerCount; ++i)
        if (!sameLayer(a->layers[i], b->layers[i]))
            return 0;
    return -1;
}

void ReindexObjects(dmf_t* map, int from, int to)
{
    for (std::uint32_t o = 0; o < map->objectCount; ++o)
        for (unsigned p = 0; p < map->objects[o].polygonCount; ++p)
            if (map->objects[o].polygons[p].material == from)
                map->objects[o].polygons[p].material = to;
}

int CombineHeader(dmf_t* out, const dmf_t* a, const dmf_t* b)
{
    out->name = copyText("no-name-yet");
    out->version = 3;
    for (int i = 0; i < 4; ++i)
        out->colour[i] = static_cast<std::uint8_t>((unsigned(a->colour[i]) + b->colour[i]) >> 1);
    out->headerValue =
        static_cast<int>((static_cast<unsigned>(a->headerValue) + static_cast<unsigned>(b->headerValue)) >> 1);
    return out->name ? DMF_OK : DMF_NO_MEMORY;
}

int CombineLights(dmf_t* out, const dmf_t* a, const dmf_t* b)
{
    return combineTables(out->lights, out->lightCount, a->lights, a->lightCount, b->lights,
                         b->lightCount, [](dmf_light_t& copy, const dmf_light_t& light, int id, bool) {
                             return copyLight(copy, light, id);
                         });
}

int CombineMaterials(dmf_t* out, const dmf_t* a, const dmf_t* b)
{
    const int shift = static_cast<int>(a->materialCount);
    return combineTables(out->materials, out->materialCount, a->materials, a->materialCount,
                         b->materials, b->materialCount,
                         [shift](dmf_material_t& copy, const dmf_material_t& material, int, bool fromB) {
                             const int result = CopyMaterial(&copy, &material);
                             copy.id += fromB ? shift : 0;
                             return result;
                         });
}

int CombineObjects(dmf_t* out, const dmf_t* a, const dmf_t* b)
{
    const int shift = static_cast<int>(a->materialCount);
    return combineTables(out->objects, out->objectCount, a->objects, a->objectCount, b->objects,
                         b->objectCount,
                         [shift](dmf_object_t& copy, const dmf_object_t& object, int id, bool fromB) {
                             return copyObject(copy, object, id, fromB ? shift : 0);
                         });
}

// Every polygon is moved to its material's kept copy in one pass, so an index
// already moved is never moved again.
int ReindexDMF(dmf_t* map)
{
    std::vector<const dmf_material_t*> kept;
    const std::vector<int> slots = keptSlots(map, kept);
    dmf_material_t* table = allocate<dmf_material_t>(kept.size());
    if (!table)
        return DMF_NO_MEMORY;
    int result = DMF_OK;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        if (result == DMF_OK)
            result = CopyMaterial(&table[k], kept[k]);
        table[k].id = static_cast<int>(k);
    }
    for (std::uint32_t o = 0; o < map->objectCount; ++o)
        for (unsigned p = 0; p < map->objects[o].polygonCount; ++p) {
            int& material = map->objects[o].polygons[p].material;
            for (std::uint32_t i = 0; i < map->materialCount; ++i)
                if (map->materials[i].id == material) {
                    material = slots[i];
                    break;
                }
        }
    for (std::uint32_t i = 0; i < map->materialCount; ++i)
        freeMaterial(map->materials[i]);
    std::free(map->materials);
    map->materials = table;
    map->materialCount = static_cast<std::uint32_t>(kept.size());
    return result;
}

int CombineDMF(dmf_t* out, const dmf_t* a, const dmf_t* b)
{
    std::memset(out, 0, sizeof(*out));
    int result = DMF_OK;
    if ((result = CombineHeader(out, a, b)) != DMF_OK ||
        (result = CombineLights(out, a, b)) != DMF_OK ||
        (result = CombineMaterials(out, a, b)) != DMF_OK ||
        (result = CombineObjects(out, a, b)) != DMF_OK)
        return result;
    return ReindexDMF(out);
}

} // namespace dmf
