// Writing a map as a version 1.1 DeleD map file.

#include "render/dmf.h"
#include "render/DmfSections.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace dmf {

namespace {

const char* textOf(const char* text) { return text ? text : ""; }

void writeMaterial(Sink& sink, const dmf_material_t& material)
{
    writeText(sink, "%i;%s;%s;%i;%i;", material.id, textOf(material.name),
                 textOf(material.category), material.extraValue,
                 static_cast<int>(material.layerCount));
    for (unsigned i = 0; i < material.layerCount; ++i) {
        const dmf_layer_t& layer = material.layers[i];
        if (layer.kind == DMF_LAYER_EMPTY)
            writeText(sink, ";");
        else
            writeText(sink, "%i,%s,%i;", layer.kind, textOf(layer.text), layer.blend);
    }
    if (!sink.pluginForm)
        writeText(sink, "\n");
}

// The pairs of every non-empty layer of the polygon's material, as the reader
// expects them; a layer without pairs is written as zeros.
void writeCoordinates(Sink& sink, const dmf_t* map, const dmf_polygon_t& polygon)
{
    if (polygon.material < 0 || static_cast<std::uint32_t>(polygon.material) >= map->materialCount)
        return;
    const dmf_material_t& material = map->materials[polygon.material];
    for (unsigned layer = 0; layer < material.layerCount && layer < DMF_MAX_LAYERS; ++layer) {
        if (material.layers[layer].kind == DMF_LAYER_EMPTY)
            continue;
        const float* pairs = polygon.coordinates[layer];
        for (unsigned j = 0; j < polygon.vertexCount; ++j)
            writeText(sink, "%0.4f;%0.4f;", pairs ? pairs[2 * j] : 0.0f,
                         pairs ? pairs[2 * j + 1] : 0.0f);
    }
}

int nearest(float value) { return static_cast<int>(std::lround(value)); }

void writeVertex(Sink& sink, const dmf_vertex_t& vertex)
{
    if (sink.pluginForm)
        writeText(sink, "%i;%i;%i;", nearest(vertex.x), nearest(vertex.y), nearest(vertex.z));
    else
        writeText(sink, "%0.4f;%0.4f;%0.4f;\n", vertex.x, vertex.y, vertex.z);
}

void writePolygon(Sink& sink, const dmf_t* map, const dmf_polygon_t& polygon)
{
    writeText(sink, "%i;%i;", static_cast<int>(polygon.vertexCount), polygon.material);
    for (unsigned j = 0; j < polygon.vertexCount; ++j)
        writeText(sink, "%i;", polygon.indices[j]);
    writeCoordinates(sink, map, polygon);
    if (!sink.pluginForm)
        writeText(sink, "\n");
}

void writeLight(Sink& sink, const dmf_light_t& light)
{
    writeText(sink, "%i;", light.type);
    if (light.type == 1)
        writeText(sink, "%0.f;%0.f;%E;%i;", light.d[2], light.d[1], light.d[0], light.valueC);
    else if (light.type == 2)
        writeText(sink, "%0.f;%0.f;%0.f;", light.e[0], light.e[1], light.e[2]);
    else
        writeText(sink, "%0.f;%0.f;%E;%i;%0.f;%0.f;%0.f;%i;%i;%i;", light.d[2], light.d[1],
                     light.d[0], light.valueC, light.e[0], light.e[1], light.e[2], light.s1,
                     light.s2, light.s3);
    writeText(sink, "%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%i;%s;\n", nearest(light.position[0]),
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

void writeBody(Sink& sink, const dmf_t* map)
{
    writeText(sink, "%s;\n%s;\n", "DeleD Map File", "Version 1.1");
    writeText(sink, "%s;%02X%02X%02X%02X;%i;\n", map->name ? map->name : "no-name-yet",
              map->colour[3], map->colour[0], map->colour[1], map->colour[2], map->headerValue);
    writeText(sink, "%i;\n", static_cast<int>(map->materialCount));
    writeMaterialRecords(sink, map);
    writeText(sink, "%i;\n", static_cast<int>(map->objectCount));
    for (std::uint32_t i = 0; i < map->objectCount; ++i)
        writeObjectRecord(sink, map, map->objects[i], nullptr);
    writeText(sink, "%i;\n", static_cast<int>(map->lightCount));
    writeLightRecords(sink, map);
}

} // namespace

void writeText(Sink& sink, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    if (sink.file) {
        std::vfprintf(sink.file, format, args);
    } else if (sink.text) {
        va_list again;
        va_copy(again, args);
        const int length = std::vsnprintf(nullptr, 0, format, again);
        va_end(again);
        if (length > 0) {
            std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
            std::vsnprintf(buffer.data(), buffer.size(), format, args);
            sink.text->append(buffer.data(), static_cast<std::size_t>(length));
        }
    }
    va_end(args);
}

void writeMaterialRecords(Sink& sink, const dmf_t* map)
{
    for (std::uint32_t i = 0; i < map->materialCount; ++i)
        writeMaterial(sink, map->materials[i]);
}

void writeObjectRecord(Sink& sink, const dmf_t* map, const dmf_object_t& object,
                       dmf_progress_t progress)
{
    writeText(sink, "%s;%i;%i;%i;%i;%i;%i;%s;", textOf(object.name), object.id, object.value2,
              object.value3, object.value4, object.value5, object.value6, textOf(object.text));
    writeText(sink, sink.pluginForm ? "%i;" : "\n%i;\n", static_cast<int>(object.vertexCount));
    for (unsigned i = 0; i < object.vertexCount; ++i)
        writeVertex(sink, object.vertices[i]);
    writeText(sink, sink.pluginForm ? "%i;" : "%i;\n", static_cast<int>(object.polygonCount));
    for (unsigned p = 0; p < object.polygonCount; ++p) {
        if (progress)
            progress(2, static_cast<int>(p * 100ull / object.polygonCount));
        writePolygon(sink, map, object.polygons[p]);
    }
}

void writeLightRecords(Sink& sink, const dmf_t* map)
{
    for (std::uint32_t i = 0; i < map->lightCount; ++i)
        writeLight(sink, map->lights[i]);
}

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
    Sink sink = {file, nullptr, false};
    writeBody(sink, map);
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed)
        return DMF_NO_FILE;
    return DMF_OK;
}

} // namespace dmf
