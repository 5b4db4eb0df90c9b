// Combining maps and exchanging them with a host editor (played here by a
// callback that keeps what it is handed and hands it back).

#include "render/dmf.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DmfFixtures.h"

using DmfFixtures::Map;
using DmfFixtures::replaced;
using DmfFixtures::sampleText;

namespace {

struct Host {
    std::string handed;
    bool fails = false;
    int size = -1;  // the size to report; -1 reports the handed text's
};
Host g_host;

int playHost(dmf::dmf_request_t* request)
{
    if (g_host.fails)
        return 1;
    switch (request->kind) {
    case 0:
        std::strcpy(request->buffer, "/opt/editor");
        break;
    case 1:
        request->size = g_host.size >= 0 || g_host.size < -1 ? g_host.size
                                                              : static_cast<int>(g_host.handed.size());
        break;
    case 2:
        std::memcpy(request->buffer, g_host.handed.data(), static_cast<std::size_t>(request->size));
        break;
    case 3:
        g_host.handed.assign(request->buffer);
        break;
    }
    return 0;
}

class DmfPlugin : public testing::Test {
protected:
    void SetUp() override
    {
        g_host = Host();
        dmf::SetPluginCallback(playHost);
        ASSERT_EQ(sample.readText(sampleText()), 0);
    }
    void TearDown() override { dmf::SetPluginCallback(nullptr); }

    Map sample;
};

} // namespace

TEST(DmfCombine, SharedMaterialsAreKeptOnce)
{
    Map a, b, out;
    ASSERT_EQ(a.readText(sampleText()), 0);
    ASSERT_EQ(b.readText(replaced(sampleText(), "sample;FF102030;7;", "other;01000000;4;")), 0);
    ASSERT_EQ(dmf::CombineDMF(&out.map, &a.map, &b.map), 0);
    const dmf::dmf_t& map = out.map;
    EXPECT_STREQ(map.name, "no-name-yet");
    EXPECT_EQ(map.colour[3], 0x80);  // (0xFF + 0x01) >> 1
    EXPECT_EQ(map.headerValue, 5);
    ASSERT_EQ(map.materialCount, 3u);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(map.materials[i].id, static_cast<int>(i));
        DmfFixtures::expectSameMaterial(map.materials[i], a.map.materials[i]);
    }
    ASSERT_EQ(map.objectCount, 4u);
    EXPECT_EQ(map.objects[3].id, 3);
    EXPECT_STREQ(map.objects[2].name, "box");
    EXPECT_EQ(map.objects[2].polygons[0].material, 1);  // b's wall1 is a's
    EXPECT_EQ(map.objects[3].polygons[0].material, 2);
    ASSERT_EQ(map.lightCount, 6u);
    EXPECT_EQ(map.lights[5].id, 5);
    EXPECT_STREQ(map.lights[5].name, "light3");
}

TEST(DmfCombine, DifferentMaterialsStayApart)
{
    Map a, b, out;
    ASSERT_EQ(a.readText(sampleText()), 0);
    ASSERT_EQ(b.readText(replaced(sampleText(), "1;wall1;Stone", "1;wall2;Stone")), 0);
    ASSERT_EQ(dmf::CombineDMF(&out.map, &a.map, &b.map), 0);
    ASSERT_EQ(out.map.materialCount, 4u);
    EXPECT_STREQ(out.map.materials[3].name, "wall2");
    EXPECT_EQ(out.map.objects[0].polygons[0].material, 1);
    EXPECT_EQ(out.map.objects[2].polygons[0].material, 3);
    EXPECT_EQ(out.map.objects[2].polygons[1].material, 0);  // sky stays shared

    dmf::ReindexObjects(&out.map, 3, 1);
    EXPECT_EQ(out.map.objects[2].polygons[0].material, 1);
}

TEST_F(DmfPlugin, ExportedTextParsesBackToTheSameMap)
{
    ASSERT_EQ(dmf::ExportDMF(&sample.map, nullptr), 0);
    // The header's first number is the header's own length.
    const std::size_t headerEnd = g_host.handed.find(";2,3,");
    ASSERT_NE(headerEnd, std::string::npos);
    const std::size_t length = g_host.handed.find(';', headerEnd + 1) + 1;
    EXPECT_EQ(std::to_string(length), g_host.handed.substr(0, g_host.handed.find(';')));

    Map imported;
    ASSERT_EQ(dmf::ImportDMF(&imported.map, -1), 0);
    DmfFixtures::expectSameContents(sample.map, imported.map);

    Map parsed;
    ASSERT_EQ(dmf::ParsePluginData(&parsed.map, g_host.handed.c_str()), 0);
    DmfFixtures::expectSameContents(sample.map, parsed.map);
}

TEST_F(DmfPlugin, SingleObjectAndDirectory)
{
    ASSERT_EQ(dmf::ExportObjectDMF(&sample.map, &sample.map.objects[1], nullptr), 0);
    const int length = dmf::CalcReqSingleObjectBuffer(&sample.map, &sample.map.objects[1]);
    EXPECT_NE(g_host.handed.find(";1;091;1,1,0," + std::to_string(length) + ";tri;9;"), std::string::npos)
        << g_host.handed;
    char directory[2049];
    EXPECT_EQ(dmf::GetDeledDirectory(directory), 0);
    EXPECT_STREQ(directory, "/opt/editor");
    EXPECT_EQ(dmf::intStringLength(-120), 4);
}

TEST_F(DmfPlugin, HostFailuresAndEmptyTexts)
{
    Map m;
    g_host.size = 0;
    EXPECT_EQ(dmf::ImportDMF(&m.map, 0), 5);
    g_host.size = -7;
    EXPECT_EQ(dmf::ImportDMF(&m.map, 0), 5);
    g_host.fails = true;
    EXPECT_EQ(dmf::ImportDMF(&m.map, -1), 8);
    EXPECT_EQ(dmf::ExportDMF(&sample.map, nullptr), 8);
    char directory[2049];
    EXPECT_EQ(dmf::GetDeledDirectory(directory), 8);
    dmf::SetPluginCallback(nullptr);
    EXPECT_EQ(dmf::ExportDMF(&sample.map, nullptr), 8);
    EXPECT_EQ(dmf::ParsePluginData(&m.map, "10;3;091;3,-1,0,0;"), 5);
    EXPECT_EQ(dmf::ParsePluginData(&m.map, "10;3;091;3,1,0,0;"), 3);
}
