// Reading DMF maps: tokens, the hand-written sample map, headers and the
// codes of bad input.

#include "render/dmf.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DmfFixtures.h"
#include "TempPath.h"

using DmfFixtures::Map;
using DmfFixtures::replaced;
using DmfFixtures::sampleText;

namespace {

std::vector<std::string> tokensOf(dmf::dmf_source_t& source)
{
    std::vector<std::string> tokens;
    char buffer[dmf::DMF_TOKEN_MAX + 1];
    while (tokens.size() < 10 && dmf::GetToken(&source, buffer, ",;", 2))
        tokens.push_back(buffer);
    return tokens;
}

std::vector<std::string> memoryTokens(const std::string& text)
{
    dmf::dmf_source_t source = {nullptr, text.c_str(), dmf::DMF_SOURCE_MEMORY, 0,
                                static_cast<long>(text.size())};
    return tokensOf(source);
}

struct TokenCase {
    const char* name;
    std::string text;
    std::vector<std::string> tokens;
};

} // namespace

TEST(DmfToken, SplitsAsTheFormatSays)
{
    const std::string x2048(2048, 'x');
    const TokenCase cases[] = {
        {"both delimiters", "ab,cd;ef", {"ab", "cd", "ef"}},
        {"line breaks and tabs vanish inside a token", "a\r\nb\tc;d", {"abc", "d"}},
        {"two delimiters give an empty token", "a;;b", {"a", "", "b"}},
        {"delimiters alone", ";,", {"", ""}},
        {"2048 characters fit", x2048 + ";y", {x2048, "y"}},
        {"the 2049th character is lost", x2048 + "zyx;w", {x2048, "yx", "w"}},
        {"end without a delimiter", "ab;cd", {"ab", "cd"}},
        {"only line breaks is no token", "a;\r\n", {"a"}},
        {"empty input has no token", "", {}},
    };
    for (const TokenCase& c : cases)
        EXPECT_EQ(memoryTokens(c.text), c.tokens) << c.name;
}

TEST(DmfToken, FileEndsTheLastTokenWithoutAnExtraCharacter)
{
    const std::string path = TestSupport::tempPath("token.dmf");
    DmfFixtures::writeBytes(path, "ab;cd");
    dmf::dmf_source_t source = {std::fopen(path.c_str(), "r"), nullptr, dmf::DMF_SOURCE_FILE, 0, 5};
    ASSERT_NE(source.file, nullptr);
    EXPECT_EQ(tokensOf(source), (std::vector<std::string>{"ab", "cd"}));
    std::fclose(source.file);
    std::remove(path.c_str());
}

TEST(DmfRead, SampleMapGivesItsRecords)
{
    Map m;
    ASSERT_EQ(m.readFile(DmfFixtures::dataPath("dmf_sample.dmf")), 0);
    const dmf::dmf_t& map = m.map;
    EXPECT_STREQ(map.name, "sample");
    EXPECT_EQ(map.version, 3);
    EXPECT_EQ(map.headerValue, 7);
    // FF102030: the pairs go to c3, c0, c1, c2.
    EXPECT_EQ(map.colour[3], 0xFF);
    EXPECT_EQ(map.colour[0], 0x10);
    EXPECT_EQ(map.colour[1], 0x20);
    EXPECT_EQ(map.colour[2], 0x30);

    ASSERT_EQ(map.materialCount, 3u);
    // Listed as ids 1, 0, 2: each lands in its own slot.
    EXPECT_STREQ(map.materials[0].name, "sky");
    EXPECT_STREQ(map.materials[1].name, "wall1");
    EXPECT_EQ(map.materials[1].id, 1);
    EXPECT_EQ(map.materials[1].extraValue, 0);
    ASSERT_EQ(map.materials[1].layerCount, 2u);
    EXPECT_EQ(map.materials[1].layers[0].kind, 1);
    EXPECT_STREQ(map.materials[1].layers[0].text, "FF8040");
    EXPECT_EQ(map.materials[1].layers[1].blend, 2);
    EXPECT_STREQ(map.materials[1].layers[1].text, "maps\\brick.bmp");
    ASSERT_EQ(map.materials[0].layerCount, 1u);
    EXPECT_EQ(map.materials[0].layers[0].kind, dmf::DMF_LAYER_EMPTY);
    EXPECT_EQ(map.materials[0].layers[0].text, nullptr);
    ASSERT_EQ(map.materials[2].layerCount, 3u);
    EXPECT_EQ(map.materials[2].layers[2].kind, dmf::DMF_LAYER_EMPTY);

    ASSERT_EQ(map.objectCount, 2u);
    const dmf::dmf_object_t& box = map.objects[0];
    EXPECT_STREQ(box.name, "box");
    EXPECT_STREQ(box.text, "boxtext");  // split by a line break
    EXPECT_EQ(box.id, 4);
    EXPECT_EQ(box.value2, 1);
    EXPECT_EQ(box.value6, 5);
    ASSERT_EQ(box.vertexCount, 4u);
    EXPECT_FLOAT_EQ(box.vertices[2].y, 4.0f);
    ASSERT_EQ(box.polygonCount, 2u);
    const dmf::dmf_polygon_t& quad = box.polygons[0];
    ASSERT_EQ(quad.vertexCount, 4u);
    EXPECT_EQ(quad.indices[3], 3);
    ASSERT_NE(quad.coordinates[0], nullptr);
    ASSERT_NE(quad.coordinates[1], nullptr);
    EXPECT_FLOAT_EQ(quad.coordinates[0][1], 0.25f);
    EXPECT_FLOAT_EQ(quad.coordinates[1][7], 0.5f);
    EXPECT_EQ(box.polygons[1].coordinates[0], nullptr);  // material with an empty layer
    const dmf::dmf_polygon_t& tri = map.objects[1].polygons[0];
    EXPECT_EQ(tri.coordinates[0], nullptr);
    ASSERT_NE(tri.coordinates[1], nullptr);
    EXPECT_FLOAT_EQ(tri.coordinates[1][5], 0.6f);

    ASSERT_EQ(map.lightCount, 3u);
    const dmf::dmf_light_t& l1 = map.lights[0];
    EXPECT_EQ(l1.type, 1);
    EXPECT_FLOAT_EQ(l1.d[2], 3.0f);
    EXPECT_FLOAT_EQ(l1.d[0], 1.5f);
    EXPECT_EQ(l1.valueC, 10);
    EXPECT_FLOAT_EQ(l1.position[2], 3.0f);
    EXPECT_EQ(l1.valueB, 20);
    EXPECT_EQ(l1.valueA, 30);
    EXPECT_EQ(l1.tripleA[0], 40);
    EXPECT_EQ(l1.tripleB[2], 90);
    EXPECT_EQ(l1.byteValue, 100);
    EXPECT_FLOAT_EQ(map.lights[1].e[2], 6.0f);
    const dmf::dmf_light_t& l3 = map.lights[2];
    EXPECT_EQ(l3.s3, 3);
    EXPECT_FLOAT_EQ(l3.e[0], 10.0f);
    EXPECT_EQ(l3.id, 2);
    // The file ends right after this name, without a delimiter.
    EXPECT_STREQ(l3.name, "light3");
}

namespace {

std::vector<int> g_stages;
int g_layersSeen = 0;

void recordProgress(int stage, int) { g_stages.push_back(stage); }
int countLayer(const dmf::dmf_layer_t* layer) { return ++g_layersSeen + (layer->kind == 0 ? 100 : 0); }

} // namespace

TEST(DmfRead, CallbacksSeeEachRecordAndEachFilledLayer)
{
    dmf::dmf_t map;
    const std::string text = sampleText();
    ASSERT_EQ(dmf::ReadDMF(&map, text.c_str(), dmf::DMF_SOURCE_MEMORY, recordProgress, countLayer), 0);
    EXPECT_EQ(g_stages, (std::vector<int>{1, 3, 3, 3, 2, 2, 4, 4, 4}));
    EXPECT_EQ(g_layersSeen, 3);
    EXPECT_EQ(map.materials[1].layers[1].textureHandle, 102);
    EXPECT_EQ(map.materials[0].layers[0].textureHandle, 0);
    dmf::FreeDMF(&map);
}

TEST(DmfRead, HeaderMarkerVersionAndKind)
{
    const std::string text = sampleText();
    Map inside;
    EXPECT_EQ(inside.readText(replaced(text, "DeleD Map File", "my DeleD Map File here")), 0);
    Map oneZeroOne;
    EXPECT_EQ(oneZeroOne.readText(replaced(text, "Version 1.1", "Version 1.01")), 0);
    EXPECT_EQ(oneZeroOne.map.version, 2);
    Map old;
    EXPECT_EQ(old.readText(replaced(text, "Version 1.1", "Version 0.91")), 0);
    EXPECT_EQ(old.map.version, 1);
    Map unknown;
    EXPECT_EQ(unknown.readText(replaced(text, "Version 1.1", "Version 2")), 4);
    Map notAMap;
    EXPECT_EQ(notAMap.readText(replaced(text, "DeleD Map File", "Some Other File")), 5);
    // A short colour token reads its missing pairs as 0.
    Map shortColour;
    EXPECT_EQ(shortColour.readText(replaced(text, "FF102030", "AB")), 0);
    EXPECT_EQ(shortColour.map.colour[3], 0xAB);
    EXPECT_EQ(shortColour.map.colour[2], 0);
}

namespace {

struct BadCase {
    const char* name;
    std::string text;
    int code;
};

bool isZeroed(const dmf::dmf_t& map)
{
    const dmf::dmf_t zero = dmf::dmf_t();
    return std::memcmp(&map, &zero, sizeof(map)) == 0;
}

} // namespace

TEST(DmfRead, BadInputGivesItsCodeAndAZeroedRecord)
{
    const std::string text = sampleText();
    const std::size_t objects = text.find("2;\nbox");
    const std::size_t lights = text.find("3;\n1;3;2");
    const BadCase cases[] = {
        {"empty", "", 3},
        {"header cut", "DeleD Map File;Version 1.1;name", 3},
        {"materials cut", text.substr(0, text.find("0;sky")), 3},
        {"objects cut", text.substr(0, objects + 30), 3},
        {"no light count", text.substr(0, lights), 3},
        {"a light cut", text.substr(0, text.size() - 12), 3},
        {"negative material count", replaced(text, "3;\n1;wall1", "-3;\n1;wall1"), 5},
        {"negative object count", replaced(text, "2;\nbox", "-2;\nbox"), 5},
        {"negative light count", replaced(text, "3;\n1;3;2", "-1;\n1;3;2"), 5},
        {"negative vertex count", replaced(text, "4;\n0.0", "-4;\n0.0"), 5},
        {"huge material count", replaced(text, "3;\n1;wall1", "3000000000;\n1;wall1"), 3},
        {"huge vertex count", replaced(text, "4;\n0.0", "99999;\n0.0"), 3},
        {"huge polygon vertex count", replaced(text, "3;0;0;1;2;", "99999;0;0;1;2;"), 3},
        {"material id outside the table", replaced(text, "2;glow", "3;glow"), 5},
        {"material id given twice", replaced(text, "2;glow", "1;glow"), 5},
        {"negative material id", replaced(text, "2;glow", "-1;glow"), 5},
        {"vertex index outside the object", replaced(text, "3;0;0;1;2;", "3;0;0;1;4;"), 5},
        {"negative vertex index", replaced(text, "3;0;0;1;2;", "3;0;0;-1;2;"), 5},
        {"material index outside the table", replaced(text, "3;0;0;1;2;", "3;3;0;1;2;"), 5},
        {"five layers on a used material", replaced(text, "0;sky;Stone;0;1;;", "0;sky;Stone;0;5;;;;;;"), 5},
        {"binary", std::string("\x7f" "ELF\x01\x02\x03;\xff\xfe;", 11), 5},
    };
    for (const BadCase& c : cases) {
        Map m;
        EXPECT_EQ(m.readText(c.text), c.code) << c.name;
        EXPECT_TRUE(isZeroed(m.map)) << c.name;
    }
}

TEST(DmfRead, MissingFileGivesTwo)
{
    Map m;
    EXPECT_EQ(m.readFile(DmfFixtures::dataPath("dmf_no_such_file.dmf")), 2);
    EXPECT_TRUE(isZeroed(m.map));
}

TEST(DmfRead, NoLightsEndsTheReading)
{
    const std::string text = sampleText();
    Map m;
    EXPECT_EQ(m.readText(text.substr(0, text.find("3;\n1;3;2")) + "0;anything after"), 0);
    EXPECT_EQ(m.map.lightCount, 0u);
    EXPECT_EQ(m.map.lights, nullptr);
}
