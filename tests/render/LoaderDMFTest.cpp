// Loading DMF files into centred triangle models with materials from the store,
// and the material naming rules.

#include "render/LoaderDMF.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "DmfFixtures.h"
#include "TempPath.h"
#include "core/CFG.h"
#include "render/DMFMaterials.h"
#include "render/Material.h"
#include "render/MaterialStore.h"
#include "render/Model.h"

namespace fs = std::filesystem;

namespace {

typedef std::vector<std::unique_ptr<Model::Model> > Models;

bool loadModels(const std::string& path, Models& models)
{
    std::vector<Model::Model*> out;
    Model::LoaderDMF loader;
    const bool loaded = loader.load(path.c_str(), &out);
    for (Model::Model* model : out)
        models.emplace_back(model);
    return loaded;
}

void expectPoint(const MathStuff::Vector3<float>& p, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

std::vector<int> indicesOf(const Model::Model::Face_s& face)
{
    return std::vector<int>(face.pointIndices, face.pointIndices + 3);
}

std::vector<float> coordinatesOf(const Model::Model::Face_s& face)
{
    return face.coordinates ? std::vector<float>(face.coordinates,
                                                 face.coordinates + face.coordinateCount())
                            : std::vector<float>();
}

dmf::dmf_layer_t dmfLayer(int kind, const char* text, int blend)
{
    return dmf::dmf_layer_t{kind, blend, const_cast<char*>(text), 0};
}

// Runs the test inside a temporary folder holding data/Config/, as the game
// runs inside its own folder.
class InGameFolder {
public:
    InGameFolder() : m_before(fs::current_path()), m_root(TestSupport::tempPath("game"))
    {
        fs::create_directories(m_root + "/data/Config");
        fs::current_path(m_root);
    }
    ~InGameFolder()
    {
        fs::current_path(m_before);
        fs::remove_all(m_root);
    }

private:
    fs::path m_before;
    std::string m_root;
};

} // namespace

TEST(LoaderDMF, TriangleIsCentredAndReversed)
{
    Models models;
    ASSERT_TRUE(loadModels(DmfFixtures::dataPath("dmf_triangle.dmf"), models));
    ASSERT_EQ(models.size(), 1u);
    const Model::Model& model = *models[0];
    EXPECT_EQ(model.getModelName(), "one");
    ASSERT_EQ(model.getPoints().size(), 3u);
    expectPoint(model.getPoints()[0], -1.0f, -2.0f, 0.0f);
    expectPoint(model.getPoints()[1], 1.0f, -2.0f, 0.0f);
    expectPoint(model.getPoints()[2], -1.0f, 2.0f, 0.0f);
    ASSERT_EQ(model.getFaces().size(), 1u);
    const Model::Model::Face_s& face = model.getFaces()[0];
    EXPECT_EQ(indicesOf(face), (std::vector<int>{2, 1, 0}));
    ASSERT_NE(face.material, nullptr);
    EXPECT_EQ(face.material->getName(), "Stone.tri");
    EXPECT_EQ(face.material->getLayers()[0].colour, 0x00FF8040u);
    EXPECT_NE(face.coordinates, nullptr);  // a colour layer: no texture pairs, yet not null
}

TEST(LoaderDMF, ObjectsCentredEachOnItsOwnBoxInFileOrder)
{
    Models models;
    ASSERT_TRUE(loadModels(DmfFixtures::dataPath("dmf_sample.dmf"), models));
    ASSERT_EQ(models.size(), 2u);
    EXPECT_EQ(models[0]->getModelName(), "box");
    EXPECT_EQ(models[1]->getModelName(), "tri");
    expectPoint(models[0]->getPoints()[0], -1.0f, -2.0f, 0.0f);
    expectPoint(models[1]->getPoints()[0], -0.5f, -0.5f, 0.0f);

    // The quad's two triangles come first; its material has a colour layer
    // before its texture, so the texture takes the colour layer's pairs.
    const std::vector<Model::Model::Face_s>& faces = models[0]->getFaces();
    ASSERT_EQ(faces.size(), 3u);
    ASSERT_NE(faces[0].material, nullptr);
    EXPECT_EQ(faces[0].material->getName(), "Stone.wall1");
    ASSERT_EQ(faces[0].material->getNumTexLayers(), 1);
    EXPECT_EQ(faces[0].material->getLayers()[1].name, "data/Textures/brick.tga");
    EXPECT_EQ(faces[0].material->getLayers()[1].blend, 4);
    // Reversed (3, 2, 1, 0) with v flipped, then triangle (3, 2, 1).
    EXPECT_EQ(coordinatesOf(faces[0]), (std::vector<float>{0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.75f}));
    // All layers empty: no material, no pairs.
    EXPECT_EQ(faces[2].material, nullptr);
    EXPECT_EQ(faces[2].coordinates, nullptr);
}

TEST(LoaderDMF, BadFileAppendsNothingAndSaysWhy)
{
    const std::string sample = DmfFixtures::sampleText();
    const std::string truncated = TestSupport::tempPath("truncated.dmf");
    const std::string binary = TestSupport::tempPath("binary.dmf");
    DmfFixtures::writeBytes(truncated, sample.substr(0, sample.size() / 2));
    DmfFixtures::writeBytes(binary, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {DmfFixtures::dataPath("dmf_no_such_file.dmf"), "cannot be opened"},
        {truncated, "ends too early"},
        {binary, "not a DeleD map"},
    };
    for (const auto& c : cases) {
        std::vector<Model::Model*> out;
        Model::LoaderDMF loader;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loader.load(c.path.c_str(), &out));
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(out.empty());
        EXPECT_NE(message.find(c.path), std::string::npos) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
    }
    std::remove(truncated.c_str());
    std::remove(binary.c_str());
}

TEST(LoaderDMF, DefinitionFilesNamedThroughTheConfiguration)
{
    InGameFolder folder;
    fs::copy_file(DmfFixtures::dataPath("matdef_rock.matdef"), "data/Config/rock.matdef");
    DmfFixtures::writeBytes("data/Config/unused.matdef", "TEXTURE: u.tga\n");
    CFG::s_GlobalConfig.add("STONE_MAT", "rock");
    Models models;
    const bool loaded = loadModels(DmfFixtures::dataPath("dmf_matdef.dmf"), models);
    CFG::s_GlobalConfig.reset();
    ASSERT_TRUE(loaded);
    const std::vector<Model::Model::Face_s>& faces = models[0]->getFaces();
    ASSERT_EQ(faces.size(), 3u);
    ASSERT_NE(faces[0].material, nullptr);
    EXPECT_EQ(faces[0].material->getName(), "data/Config/rock.matdef");
    // Two texture layers in the definition, one active DMF layer: the second
    // layer's pairs are 0.
    const std::vector<float> want = {0.5f, 0.4f, 0.3f, 0.6f, 0.1f, 0.8f, 0, 0, 0, 0, 0, 0};
    const std::vector<float> got = coordinatesOf(faces[0]);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-6) << i;
    EXPECT_EQ(faces[1].material, nullptr);  // its definition file is missing
    EXPECT_EQ(faces[2].material, nullptr);  // no filled layer
}

TEST(DMFMaterials, NamesAndPaths)
{
    EXPECT_EQ(Model::convertDMFName("maps\\wood.bmp", "data/Textures/", ".tga"), "data/Textures/wood.tga");
    EXPECT_EQ(Model::convertDMFName("C:\\maps\\brick.png", "data/Textures/", ".tga"), "data/Textures/brick.tga");
    EXPECT_EQ(Model::convertDMFName("rock", "data/Config/", ".matdef"), "data/Config/rock.matdef");

    dmf::dmf_material_t material = {};
    material.name = const_cast<char*>("CFG:STONE_MAT");
    material.category = const_cast<char*>("MATDEF");
    EXPECT_EQ(Model::makeDMFMaterialName(&material), "data/Config/.matdef");
    CFG::s_GlobalConfig.add("STONE_MAT", "rock");
    EXPECT_EQ(Model::makeDMFMaterialName(&material), "data/Config/rock.matdef");
    CFG::s_GlobalConfig.reset();
    material.name = const_cast<char*>("wall1");
    material.category = const_cast<char*>("Stone");
    EXPECT_EQ(Model::makeDMFMaterialName(&material), "Stone.wall1");
}

TEST(DMFMaterials, LayersFromDmfLayers)
{
    dmf::dmf_layer_t layers[] = {
        dmfLayer(1, "FF8040", 1),          // red 0x40, green 0x80, blue 0xFF
        dmfLayer(1, "FF0000FF", 2),        // beyond the signed range
        dmfLayer(0, "C:\\maps\\brick.png", 3),
        dmfLayer(1, "zz", 4),              // not hexadecimal
        dmfLayer(1, "FFFFFF", 0),          // blend 0: no layer
        dmfLayer(-1, nullptr, 1),          // empty: no layer
        dmfLayer(7, "x", 1),               // unknown kind: no layer
    };
    dmf::dmf_material_t material = {};
    material.name = const_cast<char*>("mix");
    material.category = const_cast<char*>("Test");
    material.layers = layers;
    material.layerCount = 7;
    std::unique_ptr<Model::Material> made(Model::newMaterial(&material));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getName(), "Test.mix");
    const std::vector<Model::Material::Layer_s>& out = made->getLayers();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0].colour, 0x00FF8040u);
    EXPECT_EQ(out[0].blend, 0);
    EXPECT_EQ(out[1].colour, 0x80000000u);
    EXPECT_EQ(out[1].blend, 4);
    EXPECT_EQ(out[2].type, Model::Material::TEXTURE);
    EXPECT_EQ(out[2].name, "data/Textures/brick.tga");
    EXPECT_EQ(out[2].blend, 2);
    EXPECT_EQ(out[3].colour, 0x80000000u);
    EXPECT_EQ(out[3].blend, 5);

    material.layerCount = 0;
    EXPECT_EQ(Model::newMaterial(&material), nullptr);
    material.layers = layers + 4;
    material.layerCount = 2;
    EXPECT_EQ(Model::newMaterial(&material), nullptr);
}
