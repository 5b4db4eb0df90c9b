// Reshaping DMF maps (winding, triangles, transforms, normals) and writing them.

#include "render/dmf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DmfFixtures.h"
#include "TempPath.h"

using DmfFixtures::Map;
using DmfFixtures::replaced;
using DmfFixtures::sampleText;

namespace {

std::vector<int> indicesOf(const dmf::dmf_polygon_t& polygon)
{
    return std::vector<int>(polygon.indices, polygon.indices + polygon.vertexCount);
}

// The sample map with the triangle object's polygon table replaced.
std::string withTriPolygons(const std::string& polygons)
{
    return replaced(sampleText(), "1;\n3;2;2;1;0;0.1;0.2;0.3;0.4;0.5;0.6;", polygons);
}

bool exists(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "r");
    if (file)
        std::fclose(file);
    return file != nullptr;
}

} // namespace

TEST(DmfShape, QuadBecomesAFanOfTwoTriangles)
{
    Map m;
    ASSERT_EQ(m.readText(sampleText()), 0);
    EXPECT_EQ(dmf::TriangulateDMF(&m.map), 0);
    const dmf::dmf_object_t& box = m.map.objects[0];
    ASSERT_EQ(box.polygonCount, 3u);  // the quad's two and the triangle
    EXPECT_EQ(indicesOf(box.polygons[0]), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(indicesOf(box.polygons[1]), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(box.polygons[1].material, 1);
    // Corners 0, 2, 3 of the quad's first layer: (0, .25), (1, 1), (0, 1).
    ASSERT_NE(box.polygons[1].coordinates[0], nullptr);
    EXPECT_FLOAT_EQ(box.polygons[1].coordinates[0][2], 1.0f);
    EXPECT_FLOAT_EQ(box.polygons[1].coordinates[0][5], 1.0f);
    EXPECT_EQ(box.polygons[2].coordinates[0], nullptr);
}

TEST(DmfShape, ReverseThenTriangulateTurnsTheWindingAndFlipsV)
{
    Map m;
    ASSERT_EQ(m.readText(sampleText()), 0);
    EXPECT_EQ(dmf::ReverseDMF(&m.map), 0);
    const dmf::dmf_polygon_t& quad = m.map.objects[0].polygons[0];
    EXPECT_EQ(indicesOf(quad), (std::vector<int>{3, 2, 1, 0}));
    // The first corner was (0, .25): now the last, with v 1 - .25.
    EXPECT_FLOAT_EQ(quad.coordinates[0][6], 0.0f);
    EXPECT_FLOAT_EQ(quad.coordinates[0][7], 0.75f);
    EXPECT_EQ(dmf::TriangulateDMF(&m.map), 0);
    EXPECT_EQ(indicesOf(m.map.objects[0].polygons[0]), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(indicesOf(m.map.objects[0].polygons[1]), (std::vector<int>{3, 1, 0}));
}

TEST(DmfShape, ReversingTwiceRestoresTheMap)
{
    Map original, twice;
    ASSERT_EQ(original.readText(sampleText()), 0);
    ASSERT_EQ(twice.readText(sampleText()), 0);
    dmf::ReverseDMF(&twice.map);
    dmf::ReverseDMF(&twice.map);
    DmfFixtures::expectSameMap(original.map, twice.map);
}

TEST(DmfShape, PolygonsOfFewerThanThreeVerticesGiveNoTriangles)
{
    Map m;
    ASSERT_EQ(m.readText(withTriPolygons("4;\n0;0;\n1;0;1;\n2;0;1;2;\n3;0;0;1;2;")), 0);
    EXPECT_EQ(dmf::ReverseDMF(&m.map), 0);
    EXPECT_EQ(dmf::CalcFaceNormalsDMF(&m.map), 0);
    const dmf::dmf_object_t& tri = m.map.objects[1];
    for (unsigned p = 0; p < 3; ++p)
        for (float component : tri.polygons[p].faceNormal)
            EXPECT_EQ(component, 0.0f) << "polygon " << p;
    EXPECT_EQ(dmf::TriangulateDMF(&m.map), 0);
    ASSERT_EQ(tri.polygonCount, 1u);
    EXPECT_EQ(indicesOf(tri.polygons[0]), (std::vector<int>{2, 1, 0}));
}

TEST(DmfShape, ReverseStopsAtAPolygonOfMoreThan500Vertices)
{
    std::string big = "501;0;";
    for (int i = 0; i < 501; ++i)
        big += "0;";
    Map m;
    ASSERT_EQ(m.readText(withTriPolygons("3;\n3;0;0;1;2;\n" + big + "\n3;0;0;1;2;")), 0);
    EXPECT_EQ(dmf::ReverseDMF(&m.map), 7);
    const dmf::dmf_object_t& tri = m.map.objects[1];
    EXPECT_EQ(indicesOf(tri.polygons[0]), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(indicesOf(tri.polygons[2]), (std::vector<int>{0, 1, 2}));
}

TEST(DmfWrite, WrittenMapReadsBackTheSame)
{
    Map original;
    ASSERT_EQ(original.readText(sampleText()), 0);
    const std::string path = TestSupport::tempPath("written.dmf");
    ASSERT_EQ(dmf::WriteDMF(&original.map, path.c_str()), 0);
    Map again;
    ASSERT_EQ(again.readFile(path), 0);
    DmfFixtures::expectSameMap(original.map, again.map);
    EXPECT_EQ(again.map.version, 3);
    std::remove(path.c_str());
}

TEST(DmfWrite, LightValuesAndPositionsAreWrittenRounded)
{
    Map m;
    ASSERT_EQ(m.readText(replaced(sampleText(), "1;3;2;1.5;10;1;2;3;", "1;3.4;2;1.5;10;1.6;2;3;")), 0);
    const std::string path = TestSupport::tempPath("rounded.dmf");
    ASSERT_EQ(dmf::WriteDMF(&m.map, path.c_str()), 0);
    Map again;
    ASSERT_EQ(again.readFile(path), 0);
    EXPECT_FLOAT_EQ(again.map.lights[0].d[2], 3.0f);
    EXPECT_FLOAT_EQ(again.map.lights[0].d[0], 1.5f);
    EXPECT_FLOAT_EQ(again.map.lights[0].position[0], 2.0f);
    std::remove(path.c_str());
}

TEST(DmfWrite, BadLightTypeOrPathLeavesNoFile)
{
    Map m;
    ASSERT_EQ(m.readText(sampleText()), 0);
    m.map.lights[2].type = 4;
    const std::string path = TestSupport::tempPath("badlight.dmf");
    EXPECT_EQ(dmf::WriteDMF(&m.map, path.c_str()), 6);
    EXPECT_FALSE(exists(path));
    m.map.lights[2].type = 3;
    EXPECT_EQ(dmf::WriteDMF(&m.map, "/no/such/folder/map.dmf"), 2);
}

TEST(DmfTransform, ScaleTranslateAndRotate)
{
    Map m;
    ASSERT_EQ(m.readText(sampleText()), 0);
    dmf::dmf_t& map = m.map;
    EXPECT_EQ(dmf::ScaleDMF(&map, 2.0f, 3.0f, 1.0f), 0);
    EXPECT_FLOAT_EQ(map.objects[0].vertices[2].x, 4.0f);
    EXPECT_FLOAT_EQ(map.objects[0].vertices[2].y, 12.0f);
    EXPECT_FLOAT_EQ(map.lights[0].position[1], 6.0f);

    // Box of all vertices: (0, 0, 0) to (4, 12, 0); its centre goes to (1, 1, 1).
    EXPECT_EQ(dmf::TranslateDMF(&map, 1.0f, 1.0f, 1.0f), 0);
    EXPECT_FLOAT_EQ(map.objects[0].vertices[0].x, -1.0f);
    EXPECT_FLOAT_EQ(map.objects[0].vertices[0].y, -5.0f);
    EXPECT_FLOAT_EQ(map.objects[0].vertices[0].z, 1.0f);
    EXPECT_FLOAT_EQ(map.lights[0].position[0], 1.0f);

    // A quarter turn about z takes x to y; lights stay.
    const dmf::dmf_vertex_t before = map.objects[1].vertices[1];
    EXPECT_EQ(dmf::RotateDMF(&map, 90.0f, 0.0f, 0.0f, 5.0f), 0);
    EXPECT_NEAR(map.objects[1].vertices[1].x, -before.y, 1e-5);
    EXPECT_NEAR(map.objects[1].vertices[1].y, before.x, 1e-5);
    EXPECT_FLOAT_EQ(map.lights[0].position[0], 1.0f);

    // No axis: nothing moves.
    const dmf::dmf_vertex_t now = map.objects[1].vertices[1];
    EXPECT_EQ(dmf::RotateDMF(&map, 45.0f, 0.0f, 0.0f, 0.0f), 0);
    EXPECT_FLOAT_EQ(map.objects[1].vertices[1].x, now.x);
    EXPECT_FLOAT_EQ(map.objects[1].vertices[1].y, now.y);
}

TEST(DmfTransform, NormalsCentresAndVectors)
{
    Map m;
    ASSERT_EQ(m.readText(sampleText()), 0);
    EXPECT_EQ(dmf::CalcFaceNormalsDMF(&m.map), 0);
    EXPECT_EQ(dmf::CalcVertexNormalsDMF(&m.map), 0);
    // Triangle 2, 1, 0 of (0,0,0), (1,0,0), (0,1,0): (p2 - p1) x (p0 - p1).
    const dmf::dmf_object_t& tri = m.map.objects[1];
    // It turns clockwise seen from +z, so its normal points along -z.
    EXPECT_FLOAT_EQ(tri.polygons[0].faceNormal[2], -1.0f);
    EXPECT_FLOAT_EQ(tri.vertexNormals[0].z, -1.0f);
    EXPECT_FLOAT_EQ(m.map.objects[0].polygons[0].faceNormal[2], 1.0f);
    // A map made in code, without a normals table, gets one.
    std::free(m.map.objects[1].vertexNormals);
    m.map.objects[1].vertexNormals = nullptr;
    EXPECT_EQ(dmf::CalcVertexNormalsDMF(&m.map), 0);
    ASSERT_NE(tri.vertexNormals, nullptr);
    EXPECT_FLOAT_EQ(tri.vertexNormals[0].z, -1.0f);

    float centre[3];
    dmf::GetObjectCenterDMF(&m.map.objects[0], centre);
    EXPECT_FLOAT_EQ(centre[0], 1.0f);
    EXPECT_FLOAT_EQ(centre[1], 2.0f);
    EXPECT_EQ(dmf::GetDMFVertexCount(&m.map), 7);

    float zero[3] = {0.0f, 0.0f, 0.0f};
    dmf::Normalize(zero);
    EXPECT_EQ(zero[0], 0.0f);
    const float a[3] = {1.0f, 2.0f, 3.0f}, b[3] = {4.0f, 5.0f, 6.0f};
    EXPECT_FLOAT_EQ(dmf::DotProduct(a, b), 32.0f);

    std::uint8_t rgba[4];
    dmf::HexToRGBA("11223344", rgba);
    EXPECT_EQ(rgba[3], 0x11);
    EXPECT_EQ(rgba[0], 0x44);
    dmf::HexToRGBA("1122", rgba);
    EXPECT_EQ(rgba[3], 0);
}
