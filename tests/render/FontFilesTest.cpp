// The block font the game ships: the copies in data/ equal what make-font
// writes now, every printable character has its own letter model, each glyph
// fits its cell with the offset the offset file gives, and every quad turns
// clockwise seen from outside its box.

#include "render/LoaderDMF.h"
#include "render/Model.h"
#include "render/dmf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DmfFixtures.h"
#include "FakeModelMaker.h"
#include "TempPath.h"
#include "TestGame.h"
#include "shell/Font.h"
#include "shell/I_DisplayableModel.h"

namespace fs = std::filesystem;

namespace {

const std::string SHIPPED_DMF = std::string(FRELMORY_SOURCE_DIR) + "/data/Models/Font_Block.dmf";
const std::string SHIPPED_YADJ = std::string(FRELMORY_SOURCE_DIR) + "/data/Config/Font_Block.yadj";

// name -> offset, as the offset file lists them ("::x" is the colon's).
std::map<std::string, float> shippedOffsets()
{
    std::map<std::string, float> offsets;
    std::istringstream lines(DmfFixtures::readBytes(SHIPPED_YADJ));
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.rfind(':');
        if (colon != std::string::npos && colon > 0)
            offsets[line.substr(0, colon)] = std::stof(line.substr(colon + 1));
    }
    return offsets;
}

std::string expectedName(int code)
{
    if (code == 0x20 || code == ',' || code == ';') {
        char name[8];
        std::snprintf(name, sizeof(name), "%04X", code);
        return name;
    }
    return std::string(1, static_cast<char>(code));
}

struct Box {
    float low[3] = {1e9f, 1e9f, 1e9f};
    float high[3] = {-1e9f, -1e9f, -1e9f};

    void add(const dmf::dmf_vertex_t& v)
    {
        const float p[3] = {v.x, v.y, v.z};
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = p[axis] < low[axis] ? p[axis] : low[axis];
            high[axis] = p[axis] > high[axis] ? p[axis] : high[axis];
        }
    }
    float centre(int axis) const { return (low[axis] + high[axis]) * 0.5f; }
};

// Which side of its box's centre the quad's normal points to: negative when
// the quad turns clockwise seen from outside.
float outwardness(const dmf::dmf_object_t& object, const dmf::dmf_polygon_t& quad)
{
    Box box;
    const int base = quad.indices[0] / 8 * 8;  // each run's box has 8 corners
    for (int corner = 0; corner < 8; ++corner)
        box.add(object.vertices[base + corner]);
    float p[4][3], middle[3] = {0, 0, 0};
    for (int j = 0; j < 4; ++j) {
        const dmf::dmf_vertex_t& v = object.vertices[quad.indices[j]];
        p[j][0] = v.x;
        p[j][1] = v.y;
        p[j][2] = v.z;
        for (int axis = 0; axis < 3; ++axis)
            middle[axis] += p[j][axis];
    }
    float a[3], b[3], normal[3], out[3];
    for (int axis = 0; axis < 3; ++axis) {
        a[axis] = p[1][axis] - p[0][axis];
        b[axis] = p[2][axis] - p[0][axis];
        out[axis] = middle[axis] / 4 - box.centre(axis);
    }
    dmf::CrossProduct(normal, a, b);
    return dmf::DotProduct(normal, out);
}

} // namespace

TEST(FontFiles, ShippedCopiesEqualTheGeneratorsOutput)
{
    const std::string dir = TestSupport::tempPath("fontdata");
    fs::create_directories(dir + "/Models");
    fs::create_directories(dir + "/Config");
    ASSERT_EQ(std::system((std::string(MAKE_FONT) + " " + dir).c_str()), 0);
    EXPECT_EQ(DmfFixtures::readBytes(dir + "/Models/Font_Block.dmf"), DmfFixtures::readBytes(SHIPPED_DMF))
        << "run the font-files target";
    EXPECT_EQ(DmfFixtures::readBytes(dir + "/Config/Font_Block.yadj"), DmfFixtures::readBytes(SHIPPED_YADJ))
        << "run the font-files target";
    fs::remove_all(dir);
}

TEST(FontFiles, EveryPrintableCharacterHasItsOwnLetter)
{
    std::vector<Model::Model*> models;
    Model::LoaderDMF loader;
    ASSERT_TRUE(loader.load(SHIPPED_DMF.c_str(), &models));
    std::vector<std::string> names;
    for (Model::Model* model : models) {
        names.push_back(model->getModelName());
        delete model;
    }
    TestSupport::TestGame game(false);
    TestSupport::FakeModelMaker* maker = new TestSupport::FakeModelMaker;
    maker->files["Font_Block"] = names;
    game.setModelMaker(maker);
    Text3D::Font font("Block");

    const Model::I_DisplayableModel* box = font.getLetterModel('\0');
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getName(), "0000");
    std::set<const Model::I_DisplayableModel*> seen = {box};
    for (int code = 0x20; code <= 0x7E; ++code) {
        const Model::I_DisplayableModel* letter = font.getLetterModel(static_cast<char>(code));
        ASSERT_NE(letter, nullptr) << code;
        EXPECT_EQ(letter->getName(), expectedName(code));
        EXPECT_TRUE(seen.insert(letter).second) << "code " << code << " shares a model";
    }
}

TEST(FontFiles, GlyphsFitTheirCellAndTheOffsetsLiftThemToTheLine)
{
    DmfFixtures::Map font;
    ASSERT_EQ(font.readFile(SHIPPED_DMF), 0);
    const std::map<std::string, float> offsets = shippedOffsets();
    EXPECT_EQ(offsets.count(":"), 1u);
    ASSERT_EQ(font.map.objectCount, 96u);
    EXPECT_STREQ(font.map.objects[0].name, "0000");
    for (std::uint32_t i = 1; i < font.map.objectCount; ++i) {
        const dmf::dmf_object_t& glyph = font.map.objects[i];
        EXPECT_EQ(glyph.name, expectedName(0x1F + static_cast<int>(i)));
        if (i == 1) {
            EXPECT_EQ(glyph.vertexCount, 0u);  // the blank
            continue;
        }
        Box box;
        for (unsigned v = 0; v < glyph.vertexCount; ++v)
            box.add(glyph.vertices[v]);
        // 5 x 7 pixels with two descender rows below the baseline, 2 deep,
        // inside the 7 x 10 cell whose line middle is 3.5.
        EXPECT_GE(box.low[0], 0.0f) << glyph.name;
        EXPECT_LE(box.high[0], 5.0f) << glyph.name;
        EXPECT_GE(box.low[1], -2.0f) << glyph.name;
        EXPECT_LE(box.high[1], 7.0f) << glyph.name;
        EXPECT_EQ(box.low[2], -1.0f) << glyph.name;
        EXPECT_EQ(box.high[2], 1.0f) << glyph.name;
        const auto listed = offsets.find(glyph.name);
        const float offset = listed == offsets.end() ? 0.0f : listed->second;
        EXPECT_FLOAT_EQ(offset, box.centre(1) - 3.5f) << glyph.name;
    }
}

TEST(FontFiles, QuadsTurnClockwiseSeenFromOutsideTheirBox)
{
    DmfFixtures::Map font;
    ASSERT_EQ(font.readFile(SHIPPED_DMF), 0);
    ASSERT_EQ(font.map.materialCount, 2u);
    EXPECT_STREQ(font.map.materials[0].layers[0].text, "7FC8E8F0");
    for (std::uint32_t i = 0; i < font.map.objectCount; ++i) {
        const dmf::dmf_object_t& glyph = font.map.objects[i];
        EXPECT_EQ(glyph.polygonCount, glyph.vertexCount / 8 * 6) << glyph.name;
        for (unsigned p = 0; p < glyph.polygonCount; ++p) {
            const dmf::dmf_polygon_t& quad = glyph.polygons[p];
            ASSERT_EQ(quad.vertexCount, 4u);
            EXPECT_LT(outwardness(glyph, quad), 0.0f) << glyph.name << " quad " << p;
            // Front and back faces take the face material, the rest the side.
            const bool facing = glyph.vertices[quad.indices[0]].z == glyph.vertices[quad.indices[2]].z;
            EXPECT_EQ(quad.material, facing ? 0 : 1) << glyph.name << " quad " << p;
            ASSERT_NE(quad.coordinates[0], nullptr);
        }
    }
}
