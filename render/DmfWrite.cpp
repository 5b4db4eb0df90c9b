// Writing a map as a version 1.1 DeleD map file.

#include "render/dmf.h"

#include <cmath>
#include <cstdio>

namespace dmf {

namespace {

const char* textOf(const char* text) { return text ? text : ""; }

void writeMaterial(FILE* file, const dmf_material_t& material)
{
    std::fprintf(file, "%i;%s;%s;%i;%i;", material.id, textOf(material.name),
                 textOf(material.category), material.extraValue,
                 static_cast<int>(material.layerCount));
    for (unsigned i = 0; i < material.layerCount; ++i) {
        const dmf_layer_t& layer = material.layers[i];
        if (layer.kind == DMF_LAYER_EMPTY)
            std::fputs(";", file);
        else
            std::fprintf(file, "%i,%s,%i;", layer.kind, textOf(layer.text), layer.blend);
    }
    std::fputs("\n", file);
}

// The pairs of every non-empty layer of the polygon's material, as the reader
// expects them; a layer without pairs is written as zeros.
void writeCoordinates(FILE* file, const dmf_t* map, const dmf_polygon_t& polygon)
{
    if (polygon.material < 0 || static_cast<std::uint32_t>(polygon.material) >= map->materialCount)
        return;
    const dmf_material_t& material = map->materials[polygon.material];
    for (unsigned layer = 0; layer < material.layerCount && layer < DMF_MAX_LAYERS; ++layer) {
        if (material.layers[layer].kind == DMF_LAYER_EMPTY)
            continue;
        const float* pairs = polygon.coordinates[layer];
        for (unsigned j = 0; j < polygon.vertexCount; ++j)
            std::fprintf(file, "%0.4f;%0.4f;", pairs ? pairs[2 * j] : 0.0f,
                         pairs ? pairs[2 * j + 1] : 0.0f);
    }
}

void writeObject(FILE* file, const dmf_t* map, const dmf_object_t& object)
{
    std::fprintf(file, "%s;%i;%i;%i;%i;%i;%i;%s;\n", textOf(object.name), object.id,
                 object.value2, object.value3, object.value4, object.value5, object.value6,
                 textOf(object.text));
    std::fprintf(file, "%i;\n", static_cast<int>(object.vertexCount));
    for (unsigned i = 0; i < object.vertexCount; ++i)
        std::fprintf(file, "%0.4f;%0.4f;%0.4f;\n", object.vertices[i].x, object.vertices[i].y,
                     object.vertices[i].z);
    std::fprintf(file, "%i;\n", static_cast<int>(object.polygonCount));
    for (unsigned p = 0; p < object.polygonCount; ++p) {
        const dmf_polygon_t& polygon = object.polygons[p];
        std::fprintf(file, "%i;%i;", static_cast<int>(polygon.vertexCount), polygon.material);
        for (unsigned j = 0; j < polygon.vertexCount; ++j)
            std::fprintf(file, "%i;", polygon.indices[j]);
        writeCoordinates(file, map, polygon);
        std::fputs("\n", file);
    }
}

int nearest(float value) { return static_cast<int>(std::lround(value)); }

void writeLight(FILE* file, const dmf_light_t& light)
{
    std::fprintf(file, "%i;", light.type);
    if (light.type == 1)
        std::fprintf(file, "%0.f;%0.f;%E;%i;", light.d[2], light.d[1], light.d[0], light.valueC);
    else if (light.type == 2)
        std::fprintf(file, "%0.f;%0.f;%0.f;", light.e[0], light.e[1], light.e[2]);
    else
        std::fprintf(file, "%0.f;%0.f;%E;%i;%0.f;%0.f;%0.f;%i;%i;%i;", light.d[2], light.d[1],
                     light.d[0], light.valueC, light.e[0], light.e[1], light.e[2], light.s1,
                     light.s2, light.s3);
    std::fprintf(file, "%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%s;\n", nearest(light.position[0]),
                 nearest(light.position[1]), nearest(light.position[2]), light.valueB,
                 light.valueA, light.tripleA[0], light.tripleA[1], light.tripleA[2],
                 light.tripleB[0], light.tripleB[1], light.tripleB[2], light.byteValue, light.id,
                 textOf(light.name));
}

bool lightsWritable(const dmf_t* map)
{
    for (std::uint32_t i = 0; i < map->lightCount; ++i)
        if (map->lights[i].type < 1 || map->lights[i].type > 3)
            return false;
    return true;
}

void writeBody(FILE* file, const dmf_t* map)
{
    std::fprintf(file, "%s;\n%s;\n", "DeleD Map File", "Version 1.1");
    std::fprintf(file, "%s;%02X%02X%02X%02X;%i;\n", map->name ? map->name : "no-name-yet",
                 map->colour[3], map->colour[0], map->colour[1], map->colour[2], map->headerValue);
    std::fprintf(file, "%i;\n", static_cast<int>(map->materialCount));
    for (std::uint32_t i = 0; i < map->materialCount; ++i)
        writeMaterial(file, map->materials[i]);
    std::fprintf(file, "%i;\n", static_cast<int>(map->objectCount));
    for (std::uint32_t i = 0; i < map->objectCount; ++i)
        writeObject(file, map, map->objects[i]);
    std::fprintf(file, "%i;\n", static_cast<int>(map->lightCount));
    for (std::uint32_t i = 0; i < map->lightCount; ++i)
        writeLight(file, map->lights[i]);
}

} // namespace

// The lights are checked before the file is made, so a map that cannot be
// written leaves no half-written file behind.
int WriteDMF(const dmf_t* map, const char* path)
{
    if (!map)
        return DMF_NOT_A_MAP;
    if (!lightsWritable(map))
        return DMF_BAD_LIGHT;
    FILE* file = path ? std::fopen(path, "w") : nullptr;
    if (!file)
        return DMF_NO_FILE;
    writeBody(file, map);
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed)
        return DMF_NO_FILE;
    return DMF_OK;
}

} // namespace dmf
