// Materials, the material store and material definition files.

#include "render/Material.h"
#include "render/MaterialStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "DmfFixtures.h"
#include "NotRegularFiles.h"
#include "TempPath.h"
#include "core/NameHash.h"

using Model::Material;
using Model::MaterialStore;

namespace {

Material::Layer_s layerOf(int type, const std::string& name = "")
{
    Material::Layer_s layer;
    layer.type = type;
    layer.name = name;
    return layer;
}

const Material* stored(const std::string& name)
{
    const Material probe(name, std::vector<Material::Layer_s>());
    return MaterialStore::instance().find(&probe);
}

struct DefinitionCase {
    const char* name;
    std::string text;
    bool loads;
    std::vector<Material::Layer_s> layers;  // type, blend, colour, name, files
};

Material::Layer_s expected(int type, const std::string& name, std::uint32_t colour = 0,
                           std::vector<std::string> files = {})
{
    Material::Layer_s layer = layerOf(type, name);
    layer.colour = colour;
    layer.files = files;
    return layer;
}

} // namespace

TEST(Material, NameMakesTheMaterial)
{
    const Material a("Stone.wall", {layerOf(Material::TEXTURE), layerOf(Material::COLOR),
                                    layerOf(Material::TEXTURE)});
    const Material b("Stone.wall", {});
    const Material c("Stone.floor", {layerOf(Material::COLOR), layerOf(Material::TEXTURE),
                                     layerOf(Material::TEXTURE)});
    EXPECT_EQ(a.hash(), Util::nameHash("Stone.wall"));
    EXPECT_TRUE(a.isEqual(&b));
    EXPECT_FALSE(a.isEqual(&c));
    EXPECT_EQ(a.getNumLayers(), 3);
    EXPECT_EQ(a.getNumTexLayers(), 2);
    EXPECT_TRUE(a.compatible(&c));
    EXPECT_FALSE(a.compatible(&b));
}

TEST(MaterialStore, KeepsTheFirstMaterialOfAName)
{
    MaterialStore& store = MaterialStore::instance();
    Material* first = new Material("Store.first", {layerOf(Material::COLOR)});
    EXPECT_EQ(store.add(first), first);
    Material* second = new Material("Store.first", {layerOf(Material::TEXTURE)});
    EXPECT_EQ(store.add(second), first);
    delete second;  // not kept: still the caller's
    EXPECT_EQ(stored("Store.first"), first);
    EXPECT_EQ(stored("Store.other"), nullptr);
}

TEST(MaterialStore, DefinitionFileLines)
{
    const std::string longName(1100, 'a');
    const DefinitionCase cases[] = {
        {"texture", "TEXTURE: wood.tga\n", true, {expected(Material::TEXTURE, "wood.tga")}},
        {"colour", "COLOR: sky: FF804020\n", true, {expected(Material::COLOR, "sky", 0xFF804020u)}},
        {"colour with 0x and blanks", "COLOR:sky:   0x10\n", true, {expected(Material::COLOR, "sky", 0x10u)}},
        {"colour without data", "COLOR: sky\n", true, {expected(Material::COLOR, "sky", 0)}},
        {"colour not hexadecimal", "COLOR: sky: zz\n", true, {expected(Material::COLOR, "sky", 0)}},
        {"vertex shader files", "VERT_SHADER: glow: a.vert, , b.vert\n", true,
         {expected(Material::VERT_SHADER, "glow", 0, {"a.vert", "b.vert"})}},
        {"fragment shader without files", "FRAG_SHADER: glow\n", false, {}},
        {"comment", "  # TEXTURE: x.tga\n", false, {}},
        {"blank line", "   \n", false, {}},
        {"lower-case key", "texture: x.tga\n", false, {}},
        {"empty value", "TEXTURE:  \n", false, {}},
        {"a colon ends the value", "TEXTURE: C:\\tex.tga\n", true, {expected(Material::TEXTURE, "C")}},
        {"last line without a line feed", "TEXTURE: a\r\nTEXTURE: b", true,
         {expected(Material::TEXTURE, "a"), expected(Material::TEXTURE, "b")}},
        {"a long line stays one line", "TEXTURE: " + longName + "\nTEXTURE: next\n", true,
         {expected(Material::TEXTURE, longName.substr(0, 1023 - 9)), expected(Material::TEXTURE, "next")}},
    };
    int index = 0;
    for (const DefinitionCase& c : cases) {
        const std::string path = TestSupport::tempPath("matdef_" + std::to_string(index++) + ".matdef");
        DmfFixtures::writeBytes(path, c.text);
        EXPECT_EQ(MaterialStore::instance().load(path), c.loads) << c.name;
        const Material* material = stored(path);
        ASSERT_EQ(material != nullptr, c.loads) << c.name;
        if (material) {
            const std::vector<Material::Layer_s>& layers = material->getLayers();
            ASSERT_EQ(layers.size(), c.layers.size()) << c.name;
            for (std::size_t i = 0; i < layers.size(); ++i) {
                EXPECT_EQ(layers[i].type, c.layers[i].type) << c.name;
                EXPECT_EQ(layers[i].blend, 0) << c.name;
                EXPECT_EQ(layers[i].colour, c.layers[i].colour) << c.name;
                EXPECT_EQ(layers[i].name, c.layers[i].name) << c.name;
                EXPECT_EQ(layers[i].files, c.layers[i].files) << c.name;
            }
        }
        std::remove(path.c_str());
    }
}

TEST(MaterialStore, LoadsEachPathOnce)
{
    MaterialStore& store = MaterialStore::instance();
    const std::string path = TestSupport::tempPath("matdef_once.matdef");
    DmfFixtures::writeBytes(path, "TEXTURE: wood.tga\n");
    ASSERT_TRUE(store.load(path));
    std::remove(path.c_str());
    EXPECT_TRUE(store.load(path));  // known by name: the file is not opened again
    EXPECT_EQ(stored(path)->getNumLayers(), 1);
    EXPECT_FALSE(store.load(""));
    EXPECT_FALSE(store.load(TestSupport::tempPath("matdef_missing.matdef")));
}

// A device, a pipe or a folder is turned away by the file gate with its
// message, for a definition file and a map alike, before either is opened.
TEST(MaterialStore, TheGateRefusesWhatIsNoRegularFile)
{
    TestSupport::NotRegularFiles others;
    for (const std::string& path : others.paths()) {
        bool loaded = true;
        int mapResult = dmf::DMF_OK;
        const std::string errors = others.errorsOf([&] {
            loaded = MaterialStore::instance().load(path);
            DmfFixtures::Map map;
            mapResult = map.readFile(path);
        });
        EXPECT_FALSE(loaded) << path;
        EXPECT_NE(mapResult, dmf::DMF_OK) << path;
        EXPECT_EQ(std::count_if(errors.begin(), errors.end(), [](char c) { return c == '\n'; }), 2) << errors;
        EXPECT_NE(errors.find(TestSupport::NotRegularFiles::refusal(path)), std::string::npos) << errors;
    }
}
