// make-font DATA_DIR: writes the game's block font, DATA_DIR/Models/Font_Block.dmf,
// and its letter offsets, DATA_DIR/Config/Font_Block.yadj.
//
// Every horizontal run of lit pixels of a glyph becomes a box one unit high and
// two deep, facing +z; its six quads turn clockwise seen from outside (the
// model loader reverses them for drawing). Front and back use the material
// "face", the other four "side", so a spinning letter keeps its shape.

#include <cstdio>
#include <string>
#include <vector>

#include "render/DmfAlloc.h"
#include "render/FontGlyphs.h"
#include "render/dmf.h"

namespace {

using FontMaker::Glyph;

const char FONT_NAME[] = "Font_Block";
const char CATEGORY[] = "Font";
// AABBGGRR: warm white (240, 232, 200) and a darker tan (150, 140, 110).
const char FACE_COLOUR[] = "7FC8E8F0";
const char SIDE_COLOUR[] = "7F6E8C96";
const int FACE = 0;
const int SIDE = 1;
const float FRONT_Z = 1.0f;
const float BACK_Z = -1.0f;
// The middle of a line of text: glyph bodies stand from 0 to 7.
const float LINE_MIDDLE = 3.5f;

// Corners of a box by bits: x + 2y + 4z (0 low, 1 high side).
struct Quad {
    int material;
    int corners[4];
};

const Quad BOX_QUADS[6] = {
    {FACE, {4, 6, 7, 5}},  // +z
    {FACE, {1, 3, 2, 0}},  // -z
    {SIDE, {5, 7, 3, 1}},  // +x
    {SIDE, {0, 2, 6, 4}},  // -x
    {SIDE, {6, 2, 3, 7}},  // +y
    {SIDE, {0, 4, 5, 1}},  // -y
};

struct Mesh {
    std::vector<dmf::dmf_vertex_t> vertices;
    std::vector<Quad> quads;  // corners already indices into vertices
};

void addBox(Mesh& mesh, float x0, float x1, float y0, float y1)
{
    const int base = static_cast<int>(mesh.vertices.size());
    for (int corner = 0; corner < 8; ++corner)
        mesh.vertices.push_back({corner & 1 ? x1 : x0, corner & 2 ? y1 : y0,
                                 corner & 4 ? FRONT_Z : BACK_Z});
    for (const Quad& quad : BOX_QUADS) {
        Quad placed = quad;
        for (int& corner : placed.corners)
            corner += base;
        mesh.quads.push_back(placed);
    }
}

// Row r covers y from (BODY_ROWS - 1 - r) to one above it, so row 6 sits on
// the baseline and rows 7 and 8 hang below it.
Mesh meshOf(const Glyph& glyph)
{
    Mesh mesh;
    for (int row = 0; row < FontMaker::GLYPH_ROWS; ++row) {
        const char* pixels = glyph.rows[row];
        const float y0 = static_cast<float>(FontMaker::BODY_ROWS - 1 - row);
        for (int x = 0; pixels && x < FontMaker::GLYPH_WIDTH; ++x) {
            if (pixels[x] != '#')
                continue;
            int end = x;
            while (end + 1 < FontMaker::GLYPH_WIDTH && pixels[end + 1] == '#')
                ++end;
            addBox(mesh, static_cast<float>(x), static_cast<float>(end + 1), y0, y0 + 1.0f);
            x = end;
        }
    }
    return mesh;
}

// One character names a glyph, except the format's delimiters and the blank
// and box glyphs, named by their code in four hex digits.
std::string nameOf(int code)
{
    if (code > 0x20 && code != ',' && code != ';')
        return std::string(1, static_cast<char>(code));
    char name[8];
    std::snprintf(name, sizeof(name), "%04X", code);
    return name;
}

bool fillMaterial(dmf::dmf_material_t& material, int id, const char* name, const char* colour)
{
    material.id = id;
    material.name = dmf::copyText(name);
    material.category = dmf::copyText(CATEGORY);
    material.layers = dmf::allocate<dmf::dmf_layer_t>(1);
    if (!material.name || !material.category || !material.layers)
        return false;
    material.layerCount = 1;
    material.layers[0].kind = dmf::DMF_LAYER_COLOR;
    material.layers[0].blend = 1;
    material.layers[0].text = dmf::copyText(colour);
    return material.layers[0].text != nullptr;
}

bool fillPolygon(dmf::dmf_polygon_t& polygon, const Quad& quad)
{
    polygon.vertexCount = 4;
    polygon.material = quad.material;
    polygon.indices = dmf::allocate<int>(4);
    // A colour layer still carries a (u, v) pair per corner.
    polygon.coordinates[0] = dmf::allocate<float>(8);
    if (!polygon.indices || !polygon.coordinates[0])
        return false;
    for (int j = 0; j < 4; ++j)
        polygon.indices[j] = quad.corners[j];
    return true;
}

bool fillObject(dmf::dmf_object_t& object, int id, const Glyph& glyph)
{
    const Mesh mesh = meshOf(glyph);
    object.id = id;
    object.name = dmf::copyText(nameOf(glyph.code).c_str());
    object.text = dmf::copyText("");
    object.vertices = dmf::allocate<dmf::dmf_vertex_t>(mesh.vertices.size());
    object.polygons = dmf::allocate<dmf::dmf_polygon_t>(mesh.quads.size());
    if (!object.name || !object.text || !object.vertices || !object.polygons)
        return false;
    object.vertexCount = static_cast<unsigned>(mesh.vertices.size());
    for (unsigned i = 0; i < object.vertexCount; ++i)
        object.vertices[i] = mesh.vertices[i];
    object.polygonCount = static_cast<unsigned>(mesh.quads.size());
    for (unsigned i = 0; i < object.polygonCount; ++i)
        if (!fillPolygon(object.polygons[i], mesh.quads[i]))
            return false;
    return true;
}

bool buildFont(dmf::dmf_t& map)
{
    map.name = dmf::copyText(FONT_NAME);
    map.version = 3;
    map.materials = dmf::allocate<dmf::dmf_material_t>(2);
    map.objects = dmf::allocate<dmf::dmf_object_t>(FontMaker::glyphCount());
    if (!map.name || !map.materials || !map.objects)
        return false;
    map.materialCount = 2;
    if (!fillMaterial(map.materials[FACE], FACE, "face", FACE_COLOUR) ||
        !fillMaterial(map.materials[SIDE], SIDE, "side", SIDE_COLOUR))
        return false;
    map.objectCount = static_cast<std::uint32_t>(FontMaker::glyphCount());
    for (int i = 0; i < FontMaker::glyphCount(); ++i)
        if (!fillObject(map.objects[i], i, FontMaker::glyphs()[i]))
            return false;
    return true;
}

// The loader centres each letter on its own box, so a letter's offset lifts
// that centre back to where it stands on the line.
float offsetOf(const Glyph& glyph)
{
    int top = -1, bottom = -1;
    for (int row = 0; row < FontMaker::GLYPH_ROWS; ++row) {
        const std::string pixels = glyph.rows[row] ? glyph.rows[row] : "";
        if (pixels.find('#') == std::string::npos)
            continue;
        top = top < 0 ? row : top;
        bottom = row;
    }
    if (top < 0)
        return 0.0f;
    const float high = static_cast<float>(FontMaker::BODY_ROWS - top);
    const float low = static_cast<float>(FontMaker::BODY_ROWS - 1 - bottom);
    return (high + low) * 0.5f - LINE_MIDDLE;
}

// One "name:offset" a line; letters centred on the line are left out. The
// colon's entry reads "::offset".
bool writeOffsets(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    for (int i = 0; i < FontMaker::glyphCount(); ++i) {
        const Glyph& glyph = FontMaker::glyphs()[i];
        const float offset = offsetOf(glyph);
        if (offset != 0.0f)
            std::fprintf(file, "%s:%g\n", nameOf(glyph.code).c_str(), offset);
    }
    const bool failed = std::ferror(file) != 0;
    return std::fclose(file) == 0 && !failed;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-font DATA_DIR (writes Models/%s.dmf and Config/%s.yadj)\n",
                     FONT_NAME, FONT_NAME);
        return 1;
    }
    const std::string data = argv[1];
    const std::string model = data + "/Models/" + FONT_NAME + ".dmf";
    const std::string offsets = data + "/Config/" + FONT_NAME + ".yadj";
    dmf::dmf_t map = {};
    const bool built = buildFont(map);
    const int written = built ? dmf::WriteDMF(&map, model.c_str()) : dmf::DMF_NO_MEMORY;
    dmf::FreeDMF(&map);
    if (written != dmf::DMF_OK) {
        std::fprintf(stderr, "make-font: %s not written: %s\n", model.c_str(), dmf::DescribeDMF(written));
        return 1;
    }
    if (!writeOffsets(offsets)) {
        std::fprintf(stderr, "make-font: %s not written\n", offsets.c_str());
        return 1;
    }
    return 0;
}
