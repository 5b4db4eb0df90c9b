#ifndef TESTS_RENDER_DMFFIXTURES_H
#define TESTS_RENDER_DMFFIXTURES_H

// Shared helpers of the model-data tests: fixture paths, whole-file reads and
// a map read that frees itself.

#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "render/dmf.h"

namespace DmfFixtures {

inline std::string dataPath(const std::string& name)
{
    return std::string(FRELMORY_TEST_DATA_DIR) + "/" + name;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The hand-written sample map's text.
inline std::string sampleText() { return readBytes(dataPath("dmf_sample.dmf")); }

// The text with its one occurrence of from replaced by to (unchanged when absent).
inline std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// A map record released when the test ends.
struct Map {
    dmf::dmf_t map;
    int result;

    Map() : map(), result(0) {}
    ~Map() { dmf::FreeDMF(&map); }
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    int readText(const std::string& text)
    {
        result = dmf::ReadDMF(&map, text.c_str(), dmf::DMF_SOURCE_MEMORY, nullptr, nullptr);
        return result;
    }
    int readFile(const std::string& path)
    {
        result = dmf::ReadDMF(&map, path.c_str(), dmf::DMF_SOURCE_FILE, nullptr, nullptr);
        return result;
    }
};


inline std::string textOf(const char* text) { return text ? text : "(null)"; }

inline void expectSameMaterial(const dmf::dmf_material_t& a, const dmf::dmf_material_t& b)
{
    EXPECT_EQ(textOf(a.name), textOf(b.name));
    EXPECT_EQ(textOf(a.category), textOf(b.category));
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.extraValue, b.extraValue);
    ASSERT_EQ(a.layerCount, b.layerCount);
    for (unsigned l = 0; l < a.layerCount; ++l) {
        EXPECT_EQ(a.layers[l].kind, b.layers[l].kind);
        EXPECT_EQ(a.layers[l].blend, b.layers[l].blend);
        EXPECT_EQ(textOf(a.layers[l].text), textOf(b.layers[l].text));
    }
}

inline void expectSamePolygon(const dmf::dmf_polygon_t& a, const dmf::dmf_polygon_t& b)
{
    EXPECT_EQ(a.material, b.material);
    ASSERT_EQ(a.vertexCount, b.vertexCount);
    for (unsigned j = 0; j < a.vertexCount; ++j)
        EXPECT_EQ(a.indices[j], b.indices[j]);
    for (unsigned l = 0; l < dmf::DMF_MAX_LAYERS; ++l) {
        ASSERT_EQ(a.coordinates[l] == nullptr, b.coordinates[l] == nullptr);
        for (unsigned j = 0; a.coordinates[l] && j < 2 * a.vertexCount; ++j)
            EXPECT_NEAR(a.coordinates[l][j], b.coordinates[l][j], 1e-4);
    }
}

// vertexTolerance covers numbers written with four decimals.
inline void expectSameObject(const dmf::dmf_object_t& a, const dmf::dmf_object_t& b,
                             float vertexTolerance)
{
    EXPECT_EQ(textOf(a.name), textOf(b.name));
    EXPECT_EQ(textOf(a.text), textOf(b.text));
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.value2, b.value2);
    EXPECT_EQ(a.value3, b.value3);
    EXPECT_EQ(a.value4, b.value4);
    EXPECT_EQ(a.value5, b.value5);
    EXPECT_EQ(a.value6, b.value6);
    ASSERT_EQ(a.vertexCount, b.vertexCount);
    for (unsigned i = 0; i < a.vertexCount; ++i) {
        EXPECT_NEAR(a.vertices[i].x, b.vertices[i].x, vertexTolerance);
        EXPECT_NEAR(a.vertices[i].y, b.vertices[i].y, vertexTolerance);
        EXPECT_NEAR(a.vertices[i].z, b.vertices[i].z, vertexTolerance);
    }
    ASSERT_EQ(a.polygonCount, b.polygonCount);
    for (unsigned p = 0; p < a.polygonCount; ++p)
        expectSamePolygon(a.polygons[p], b.polygons[p]);
}

inline void expectSameLight(const dmf::dmf_light_t& a, const dmf::dmf_light_t& b)
{
    EXPECT_EQ(textOf(a.name), textOf(b.name));
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.byteValue, b.byteValue);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.tripleA[i], b.tripleA[i]);
        EXPECT_EQ(a.tripleB[i], b.tripleB[i]);
        EXPECT_FLOAT_EQ(a.position[i], b.position[i]);
        EXPECT_FLOAT_EQ(a.d[i], b.d[i]);
        EXPECT_FLOAT_EQ(a.e[i], b.e[i]);
    }
    EXPECT_EQ(a.s1, b.s1);
    EXPECT_EQ(a.s2, b.s2);
    EXPECT_EQ(a.s3, b.s3);
    EXPECT_EQ(a.valueA, b.valueA);
    EXPECT_EQ(a.valueB, b.valueB);
    EXPECT_EQ(a.valueC, b.valueC);
}

// Materials, objects and lights.
inline void expectSameContents(const dmf::dmf_t& a, const dmf::dmf_t& b, float vertexTolerance = 1e-4f)
{
    ASSERT_EQ(a.materialCount, b.materialCount);
    for (std::uint32_t i = 0; i < a.materialCount; ++i)
        expectSameMaterial(a.materials[i], b.materials[i]);
    ASSERT_EQ(a.objectCount, b.objectCount);
    for (std::uint32_t i = 0; i < a.objectCount; ++i)
        expectSameObject(a.objects[i], b.objects[i], vertexTolerance);
    ASSERT_EQ(a.lightCount, b.lightCount);
    for (std::uint32_t i = 0; i < a.lightCount; ++i)
        expectSameLight(a.lights[i], b.lights[i]);
}

inline void expectSameMap(const dmf::dmf_t& a, const dmf::dmf_t& b)
{
    EXPECT_EQ(textOf(a.name), textOf(b.name));
    EXPECT_EQ(a.headerValue, b.headerValue);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a.colour[i], b.colour[i]);
    expectSameContents(a, b);
}

} // namespace DmfFixtures

#endif
