// Reading DeleD map files from a file or from memory, and releasing the records.

#include "render/dmf.h"
#include "render/DmfAlloc.h"
#include "render/DmfSections.h"
#include "core/FileLimit.h"

#include <charconv>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dmf {

namespace {

const char DELIMITERS[] = ",;";
const unsigned DELIMITER_COUNT = 2;

// The fewest characters a record can take in a source (one per token), so a
// count that cannot fit in what is left is rejected before anything is made.
const unsigned MIN_MATERIAL = 5;
const unsigned MIN_OBJECT = 10;
const unsigned MIN_VERTEX = 3;
const unsigned MIN_POLYGON = 2;
const unsigned MIN_LIGHT = 15;

struct Reader {
    dmf_source_t source;
    dmf_progress_t progress;
    dmf_texture_t texture;
    char token[DMF_TOKEN_MAX + 1];
};

// The next character, or -1 at the end of the input. A memory text ends at
// its terminator; a file at the first EOF fgetc reports.
int nextChar(dmf_source_t* source)
{
    int c = -1;
    if (source->kind == DMF_SOURCE_FILE) {
        // The file is this reader's alone: no lock per character.
        if (source->file)
            c = getc_unlocked(source->file);
        if (c == EOF)
            return -1;
    } else {
        if (!source->text || source->text[source->position] == '\0')
            return -1;
        c = static_cast<unsigned char>(source->text[source->position]);
    }
    ++source->position;
    return c;
}

bool isDelimiter(int c, const char* delimiters, unsigned count)
{
    for (unsigned i = 0; i < count; ++i)
        if (static_cast<unsigned char>(delimiters[i]) == c)
            return true;
    return false;
}

// A token that is all number, as most are: from_chars reads it without the
// locale. False when it is not (leading blanks or '+', trailing text, out of
// range), for the C reader to read it as it always has.
template <typename Number>
bool plainNumber(const char* text, Number& value)
{
    const char* end = text + std::strlen(text);
    const std::from_chars_result read = std::from_chars(text, end, value);
    return read.ec == std::errc() && read.ptr == end && read.ptr != text;
}

// The leading whole number of the text, as atoi reads it, held to int range.
int textToInt(const char* text)
{
    long long value = 0;
    if (!plainNumber(text, value))
        value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// The leading number of the text, as atof reads it; beyond float range it is
// an infinity rather than an undefined narrowing.
float textToFloat(const char* text)
{
    double value = 0.0;
    if (!plainNumber(text, value))
        value = std::strtod(text, nullptr);
    if (value > 3.4028234663852886e38)
        return HUGE_VALF;
    if (value < -3.4028234663852886e38)
        return -HUGE_VALF;
    return static_cast<float>(value);
}

int readToken(Reader& reader)
{
    if (!GetToken(&reader.source, reader.token, DELIMITERS, DELIMITER_COUNT))
        return DMF_TRUNCATED;
    return DMF_OK;
}

int readInt(Reader& reader, int& value)
{
    const int result = readToken(reader);
    value = result == DMF_OK ? textToInt(reader.token) : 0;
    return result;
}

int readFloat(Reader& reader, float& value)
{
    const int result = readToken(reader);
    value = result == DMF_OK ? textToFloat(reader.token) : 0.0f;
    return result;
}

int readByte(Reader& reader, std::uint8_t& value)
{
    int number = 0;
    const int result = readInt(reader, number);
    value = static_cast<std::uint8_t>(number);
    return result;
}

int readText(Reader& reader, char*& text)
{
    const int result = readToken(reader);
    if (result != DMF_OK)
        return result;
    text = copyText(reader.token);
    return text ? DMF_OK : DMF_NO_MEMORY;
}

// A count of records of at least minChars characters each: 5 when negative,
// 3 when the rest of the source cannot hold that many.
int readCount(Reader& reader, int& count, unsigned minChars)
{
    const int result = readInt(reader, count);
    if (result != DMF_OK)
        return result;
    if (count < 0)
        return DMF_NOT_A_MAP;
    const long long left = reader.source.size - reader.source.position;
    if (static_cast<long long>(count) * minChars > left)
        return DMF_TRUNCATED;
    return DMF_OK;
}

// A section's count: the one the map already holds (plug-in data gives it
// beforehand), else the next token.
int sectionCount(Reader& reader, std::uint32_t preset, int& count, unsigned minChars)
{
    if (preset == 0)
        return readCount(reader, count, minChars);
    if (preset > static_cast<std::uint32_t>(INT_MAX))
        return DMF_NOT_A_MAP;
    count = static_cast<int>(preset);
    const long long left = reader.source.size - reader.source.position;
    return static_cast<long long>(count) * minChars > left ? DMF_TRUNCATED : DMF_OK;
}

void report(Reader& reader, int stage, unsigned index, unsigned count)
{
    if (reader.progress)
        reader.progress(stage, static_cast<int>(index * 100ull / (count ? count : 1)));
}

// A section: its count, then that many records, each read by readOne(index)
// into the table made for them. A count of 0 makes no table.
template <typename T, typename ReadOne>
int readSection(Reader& reader, T*& table, std::uint32_t& count, unsigned minChars, int stage,
                ReadOne readOne)
{
    int wanted = 0;
    int result = sectionCount(reader, count, wanted, minChars);
    if (result != DMF_OK || wanted == 0)
        return result;
    table = allocate<T>(static_cast<std::size_t>(wanted));
    if (!table)
        return DMF_NO_MEMORY;
    count = static_cast<std::uint32_t>(wanted);
    for (std::uint32_t i = 0; i < count; ++i) {
        report(reader, stage, i, count);
        if ((result = readOne(i)) != DMF_OK)
            return result;
    }
    return DMF_OK;
}

int readVersion(const char* token)
{
    if (std::strstr(token, "Version 0.91"))
        return 1;
    if (std::strstr(token, "Version 1.0"))
        return 2;
    if (std::strstr(token, "Version 1.1"))
        return 3;
    return 0;
}

// Four hexadecimal pairs; a missing pair reads as 0.
void readColour(const char* token, std::uint8_t colour[4])
{
    static const int l_slot[4] = {3, 0, 1, 2};
    const std::size_t length = std::strlen(token);
    for (std::size_t pair = 0; pair < 4; ++pair) {
        char digits[3] = {0, 0, 0};
        if (2 * pair < length)
            std::strncpy(digits, token + 2 * pair, 2);
        colour[l_slot[pair]] = static_cast<std::uint8_t>(std::strtoul(digits, nullptr, 16));
    }
}

int readHeader(Reader& reader, dmf_t* map)
{
    if (reader.progress)
        reader.progress(1, 0);
    int result = readToken(reader);
    if (result != DMF_OK)
        return result;
    if (!std::strstr(reader.token, "DeleD Map File"))
        return DMF_NOT_A_MAP;
    if ((result = readToken(reader)) != DMF_OK)
        return result;
    map->version = readVersion(reader.token);
    if (map->version == 0)
        return DMF_BAD_VERSION;
    if ((result = readText(reader, map->name)) != DMF_OK)
        return result;
    if ((result = readToken(reader)) != DMF_OK)
        return result;
    readColour(reader.token, map->colour);
    return readInt(reader, map->headerValue);
}

// One empty token, or kind, text and blend.
int readLayer(Reader& reader, dmf_layer_t& layer)
{
    int result = readToken(reader);
    if (result != DMF_OK)
        return result;
    if (reader.token[0] == '\0') {
        layer.kind = DMF_LAYER_EMPTY;
        return DMF_OK;
    }
    layer.kind = textToInt(reader.token);
    if ((result = readText(reader, layer.text)) != DMF_OK ||
        (result = readInt(reader, layer.blend)) != DMF_OK)
        return result;
    if (reader.texture)
        layer.textureHandle = reader.texture(&layer);
    return DMF_OK;
}

int readLayers(Reader& reader, dmf_material_t& material)
{
    int count = 0;
    int result = readCount(reader, count, 1);
    if (result != DMF_OK)
        return result;
    material.layers = allocate<dmf_layer_t>(count);
    if (!material.layers)
        return DMF_NO_MEMORY;
    for (int i = 0; i < count; ++i)
        material.layers[i].kind = DMF_LAYER_EMPTY;
    material.layerCount = static_cast<unsigned>(count);
    for (unsigned i = 0; i < material.layerCount; ++i)
        if ((result = readLayer(reader, material.layers[i])) != DMF_OK)
            return result;
    return DMF_OK;
}

// The record goes to the slot its own id names; an id outside the table or
// given twice is not a map.
int readMaterial(Reader& reader, dmf_t* map)
{
    int id = 0;
    int result = readInt(reader, id);
    if (result != DMF_OK)
        return result;
    if (id < 0 || static_cast<std::uint32_t>(id) >= map->materialCount || map->materials[id].name)
        return DMF_NOT_A_MAP;
    dmf_material_t& material = map->materials[id];
    material.id = id;
    if ((result = readText(reader, material.name)) != DMF_OK ||
        (result = readText(reader, material.category)) != DMF_OK ||
        (result = readToken(reader)) != DMF_OK)
        return result;
    return readLayers(reader, material);
}

int readMaterials(Reader& reader, dmf_t* map)
{
    return readSection(reader, map->materials, map->materialCount, MIN_MATERIAL, 3,
                       [&](std::uint32_t) { return readMaterial(reader, map); });
}

int readVertices(Reader& reader, dmf_object_t& object)
{
    int count = 0;
    int result = readCount(reader, count, MIN_VERTEX);
    if (result != DMF_OK)
        return result;
    object.vertices = allocate<dmf_vertex_t>(count);
    object.vertexNormals = allocate<dmf_vertex_t>(count);
    if (!object.vertices || !object.vertexNormals)
        return DMF_NO_MEMORY;
    object.vertexCount = static_cast<unsigned>(count);
    for (unsigned i = 0; i < object.vertexCount; ++i) {
        dmf_vertex_t& vertex = object.vertices[i];
        if ((result = readFloat(reader, vertex.x)) != DMF_OK ||
            (result = readFloat(reader, vertex.y)) != DMF_OK ||
            (result = readFloat(reader, vertex.z)) != DMF_OK)
            return result;
    }
    return DMF_OK;
}

// The polygon's material: its index must name a slot of the table, and a
// material with more layers than a polygon has coordinate slots is refused.
int readPolygonMaterial(Reader& reader, const dmf_t* map, dmf_polygon_t& polygon)
{
    const int result = readInt(reader, polygon.material);
    if (result != DMF_OK)
        return result;
    if (polygon.material < 0 || static_cast<std::uint32_t>(polygon.material) >= map->materialCount ||
        map->materials[polygon.material].layerCount > DMF_MAX_LAYERS)
        return DMF_NOT_A_MAP;
    return DMF_OK;
}

int readIndices(Reader& reader, const dmf_object_t& object, dmf_polygon_t& polygon, int count)
{
    polygon.indices = allocate<int>(count);
    if (!polygon.indices)
        return DMF_NO_MEMORY;
    polygon.vertexCount = static_cast<unsigned>(count);
    for (unsigned i = 0; i < polygon.vertexCount; ++i) {
        int& index = polygon.indices[i];
        const int result = readInt(reader, index);
        if (result != DMF_OK)
            return result;
        if (index < 0 || static_cast<unsigned>(index) >= object.vertexCount)
            return DMF_NOT_A_MAP;
    }
    return DMF_OK;
}

int readCoordinates(Reader& reader, const dmf_material_t& material, dmf_polygon_t& polygon)
{
    for (unsigned layer = 0; layer < material.layerCount; ++layer) {
        if (material.layers[layer].kind == DMF_LAYER_EMPTY)
            continue;
        float* pairs = allocate<float>(2 * polygon.vertexCount);
        if (!pairs)
            return DMF_NO_MEMORY;
        polygon.coordinates[layer] = pairs;
        for (unsigned i = 0; i < 2 * polygon.vertexCount; ++i) {
            const int result = readFloat(reader, pairs[i]);
            if (result != DMF_OK)
                return result;
        }
    }
    return DMF_OK;
}

unsigned activeLayers(const dmf_material_t& material)
{
    unsigned active = 0;
    for (unsigned layer = 0; layer < material.layerCount; ++layer)
        if (material.layers[layer].kind != DMF_LAYER_EMPTY)
            ++active;
    return active;
}

int readPolygon(Reader& reader, const dmf_t* map, const dmf_object_t& object, dmf_polygon_t& polygon)
{
    int count = 0;
    int result = readInt(reader, count);
    if (result != DMF_OK || (result = readPolygonMaterial(reader, map, polygon)) != DMF_OK)
        return result;
    const dmf_material_t& material = map->materials[polygon.material];
    if (count < 0)
        return DMF_NOT_A_MAP;
    const long long left = reader.source.size - reader.source.position;
    if (static_cast<long long>(count) * (1 + 2 * activeLayers(material)) > left)
        return DMF_TRUNCATED;
    if ((result = readIndices(reader, object, polygon, count)) != DMF_OK)
        return result;
    return readCoordinates(reader, material, polygon);
}

int readPolygons(Reader& reader, const dmf_t* map, dmf_object_t& object)
{
    int count = 0;
    int result = readCount(reader, count, MIN_POLYGON);
    if (result != DMF_OK)
        return result;
    object.polygons = allocate<dmf_polygon_t>(count);
    if (!object.polygons)
        return DMF_NO_MEMORY;
    object.polygonCount = static_cast<unsigned>(count);
    for (unsigned i = 0; i < object.polygonCount; ++i)
        if ((result = readPolygon(reader, map, object, object.polygons[i])) != DMF_OK)
            return result;
    return DMF_OK;
}

int readObject(Reader& reader, const dmf_t* map, dmf_object_t& object)
{
    int result = DMF_OK;
    if ((result = readText(reader, object.name)) != DMF_OK ||
        (result = readInt(reader, object.id)) != DMF_OK ||
        (result = readInt(reader, object.value2)) != DMF_OK ||
        (result = readInt(reader, object.value3)) != DMF_OK ||
        (result = readInt(reader, object.value4)) != DMF_OK ||
        (result = readInt(reader, object.value5)) != DMF_OK ||
        (result = readInt(reader, object.value6)) != DMF_OK ||
        (result = readText(reader, object.text)) != DMF_OK ||
        (result = readVertices(reader, object)) != DMF_OK)
        return result;
    return readPolygons(reader, map, object);
}

int readObjects(Reader& reader, dmf_t* map)
{
    return readSection(reader, map->objects, map->objectCount, MIN_OBJECT, 2,
                       [&](std::uint32_t i) { return readObject(reader, map, map->objects[i]); });
}

int readFloats(Reader& reader, float* values, int count)
{
    for (int i = 0; i < count; ++i) {
        const int result = readFloat(reader, values[i]);
        if (result != DMF_OK)
            return result;
    }
    return DMF_OK;
}

int readInts(Reader& reader, int* const* values, int count)
{
    for (int i = 0; i < count; ++i) {
        const int result = readInt(reader, *values[i]);
        if (result != DMF_OK)
            return result;
    }
    return DMF_OK;
}

// D2; D1; D0; value C.
int readLightD(Reader& reader, dmf_light_t& light)
{
    float* const d[3] = {&light.d[2], &light.d[1], &light.d[0]};
    for (float* value : d) {
        const int result = readFloat(reader, *value);
        if (result != DMF_OK)
            return result;
    }
    return readInt(reader, light.valueC);
}

int readLightExtras(Reader& reader, dmf_light_t& light)
{
    int result = DMF_OK;
    if (light.type == 1)
        return readLightD(reader, light);
    if (light.type == 2)
        return readFloats(reader, light.e, 3);
    if (light.type == 3) {
        int* const s[3] = {&light.s1, &light.s2, &light.s3};
        if ((result = readLightD(reader, light)) != DMF_OK ||
            (result = readFloats(reader, light.e, 3)) != DMF_OK)
            return result;
        return readInts(reader, s, 3);
    }
    return DMF_OK;
}

int readBytes(Reader& reader, std::uint8_t* values, int count)
{
    for (int i = 0; i < count; ++i) {
        const int result = readByte(reader, values[i]);
        if (result != DMF_OK)
            return result;
    }
    return DMF_OK;
}

int readLight(Reader& reader, dmf_light_t& light)
{
    int* const ba[2] = {&light.valueB, &light.valueA};
    int result = DMF_OK;
    if ((result = readInt(reader, light.type)) != DMF_OK ||
        (result = readLightExtras(reader, light)) != DMF_OK ||
        (result = readFloats(reader, light.position, 3)) != DMF_OK ||
        (result = readInts(reader, ba, 2)) != DMF_OK ||
        (result = readBytes(reader, light.tripleA, 3)) != DMF_OK ||
        (result = readBytes(reader, light.tripleB, 3)) != DMF_OK ||
        (result = readByte(reader, light.byteValue)) != DMF_OK ||
        (result = readInt(reader, light.id)) != DMF_OK)
        return result;
    return readText(reader, light.name);
}

int readLights(Reader& reader, dmf_t* map)
{
    return readSection(reader, map->lights, map->lightCount, MIN_LIGHT, 4,
                       [&](std::uint32_t i) { return readLight(reader, map->lights[i]); });
}

int openSource(dmf_source_t& source, const char* text, int kind)
{
    source.kind = kind;
    if (kind != DMF_SOURCE_FILE) {
        source.text = text;
        source.size = text ? static_cast<long>(std::strlen(text)) : 0;
        return DMF_OK;
    }
    source.file = text && Files::FileLimit::admit(text) ? std::fopen(text, "r") : nullptr;
    if (!source.file)
        return DMF_NO_FILE;
    if (std::fseek(source.file, 0, SEEK_END) == 0)
        source.size = std::ftell(source.file);
    std::rewind(source.file);
    return source.size < 0 ? DMF_NO_FILE : DMF_OK;
}

int readBody(Reader& reader, dmf_t* map, bool skipEmpty)
{
    int result = DMF_OK;
    if ((!skipEmpty || map->materialCount) && (result = readMaterials(reader, map)) != DMF_OK)
        return result;
    if ((!skipEmpty || map->objectCount) && (result = readObjects(reader, map)) != DMF_OK)
        return result;
    if (!skipEmpty || map->lightCount)
        return readLights(reader, map);
    return DMF_OK;
}

int readAll(Reader& reader, dmf_t* map)
{
    const int result = readHeader(reader, map);
    return result != DMF_OK ? result : readBody(reader, map, false);
}

} // namespace

int readSections(dmf_source_t* source, dmf_t* map, bool skipEmpty)
{
    Reader reader;
    std::memset(&reader, 0, sizeof(reader));
    reader.source = *source;
    const int result = readBody(reader, map, skipEmpty);
    *source = reader.source;
    return result;
}

int GetToken(dmf_source_t* source, char* out, const char* delimiters, unsigned delimiterCount)
{
    unsigned length = 0;
    bool taken = false;
    for (int c = nextChar(source); c >= 0; c = nextChar(source)) {
        if (c == '\r' || c == '\t' || c == '\n')
            continue;
        taken = true;
        if (isDelimiter(c, delimiters, delimiterCount))
            break;
        out[length++] = static_cast<char>(c);
        // The character past the limit is dropped; the next one starts a new token.
        if (length == DMF_TOKEN_MAX + 1) {
            --length;
            break;
        }
    }
    out[length] = '\0';
    return taken ? 1 : 0;
}

int ReadDMF(dmf_t* map, const char* source, int sourceKind,
            dmf_progress_t progress, dmf_texture_t texture)
{
    if (!map)
        return DMF_NOT_A_MAP;
    std::memset(map, 0, sizeof(*map));
    Reader reader;
    std::memset(&reader, 0, sizeof(reader));
    reader.progress = progress;
    reader.texture = texture;
    int result = openSource(reader.source, source, sourceKind);
    if (result == DMF_OK)
        result = readAll(reader, map);
    if (result != DMF_OK)
        FreeDMF(map);
    if (reader.source.file)
        std::fclose(reader.source.file);
    return result;
}

void freePolygon(dmf_polygon_t& polygon)
{
    for (float* pairs : polygon.coordinates)
        std::free(pairs);
    std::free(polygon.indices);
}

void freeObject(dmf_object_t& object)
{
    for (unsigned i = 0; object.polygons && i < object.polygonCount; ++i)
        freePolygon(object.polygons[i]);
    std::free(object.name);
    std::free(object.text);
    std::free(object.polygons);
    std::free(object.vertices);
    std::free(object.vertexNormals);
}

void freeMaterial(dmf_material_t& material)
{
    for (unsigned i = 0; material.layers && i < material.layerCount; ++i)
        std::free(material.layers[i].text);
    std::free(material.name);
    std::free(material.category);
    std::free(material.layers);
}

void FreeDMF(dmf_t* map)
{
    if (!map)
        return;
    for (std::uint32_t i = 0; map->objects && i < map->objectCount; ++i)
        freeObject(map->objects[i]);
    for (std::uint32_t i = 0; map->materials && i < map->materialCount; ++i)
        freeMaterial(map->materials[i]);
    for (std::uint32_t i = 0; map->lights && i < map->lightCount; ++i)
        std::free(map->lights[i].name);
    std::free(map->objects);
    std::free(map->materials);
    std::free(map->lights);
    std::free(map->name);
    std::memset(map, 0, sizeof(*map));
}

const char* DescribeDMF(int code)
{
    static const char* const l_texts[] = {
        "no error",
        "out of memory",
        "the file cannot be opened or created",
        "the file ends too early",
        "the file names no known version",
        "the file is not a DeleD map or holds a bad count or index",
        "a light has an unknown type",
        "a polygon has more than 500 vertices",
        "the host editor failed",
    };
    if (code < 0 || code > DMF_HOST_FAILED)
        return "unknown error";
    return l_texts[code];
}

} // namespace dmf
