// Reshaping DMF geometry: winding, triangles, scale, move, rotation, normals.

#include "render/dmf.h"
#include "render/DmfAlloc.h"
#include "core/Pi.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace dmf {

namespace {

const unsigned MAX_REVERSE_VERTICES = 500;

template <typename T>
void swapItems(T& a, T& b)
{
    const T held = a;
    a = b;
    b = held;
}

void reversePolygon(dmf_polygon_t& polygon)
{
    const unsigned n = polygon.vertexCount;
    for (unsigned i = 0; i < n / 2; ++i)
        swapItems(polygon.indices[i], polygon.indices[n - 1 - i]);
    for (float* pairs : polygon.coordinates) {
        if (!pairs)
            continue;
        for (unsigned i = 0; i < n / 2; ++i) {
            swapItems(pairs[2 * i], pairs[2 * (n - 1 - i)]);
            swapItems(pairs[2 * i + 1], pairs[2 * (n - 1 - i) + 1]);
        }
        for (unsigned i = 0; i < n; ++i)
            pairs[2 * i + 1] = 1.0f - pairs[2 * i + 1];
    }
}

unsigned triangleCount(const dmf_object_t& object)
{
    unsigned count = 0;
    for (unsigned i = 0; i < object.polygonCount; ++i)
        if (object.polygons[i].vertexCount > 2)
            count += object.polygons[i].vertexCount - 2;
    return count;
}

// Triangle (0, k + 1, k + 2) of the polygon's fan, with its coordinate pairs.
bool makeTriangle(const dmf_polygon_t& polygon, unsigned k, dmf_polygon_t& triangle)
{
    const unsigned corners[3] = {0, k + 1, k + 2};
    triangle.vertexCount = 3;
    triangle.material = polygon.material;
    triangle.indices = allocate<int>(3);
    if (!triangle.indices)
        return false;
    for (unsigned j = 0; j < 3; ++j)
        triangle.indices[j] = polygon.indices[corners[j]];
    for (unsigned layer = 0; layer < DMF_MAX_LAYERS; ++layer) {
        const float* pairs = polygon.coordinates[layer];
        if (!pairs)
            continue;
        float* copy = allocate<float>(6);
        if (!copy)
            return false;
        for (unsigned j = 0; j < 3; ++j) {
            copy[2 * j] = pairs[2 * corners[j]];
            copy[2 * j + 1] = pairs[2 * corners[j] + 1];
        }
        triangle.coordinates[layer] = copy;
    }
    return true;
}

void triangulateObject(dmf_object_t& object)
{
    const unsigned count = triangleCount(object);
    dmf_polygon_t* triangles = allocate<dmf_polygon_t>(count);
    if (!triangles)
        return;
    unsigned made = 0;
    for (unsigned i = 0; i < object.polygonCount; ++i) {
        const dmf_polygon_t& polygon = object.polygons[i];
        for (unsigned k = 0; polygon.vertexCount > 2 && k < polygon.vertexCount - 2; ++k)
            makeTriangle(polygon, k, triangles[made++]);
        freePolygon(object.polygons[i]);
    }
    std::free(object.polygons);
    object.polygons = triangles;
    object.polygonCount = count;
}

void boundingBox(const dmf_t* map, float low[3], float high[3])
{
    for (int axis = 0; axis < 3; ++axis) {
        low[axis] = FLT_MAX;
        high[axis] = -FLT_MAX;
    }
    for (std::uint32_t o = 0; o < map->objectCount; ++o) {
        const dmf_object_t& object = map->objects[o];
        for (unsigned i = 0; i < object.vertexCount; ++i) {
            const float p[3] = {object.vertices[i].x, object.vertices[i].y, object.vertices[i].z};
            for (int axis = 0; axis < 3; ++axis) {
                low[axis] = p[axis] < low[axis] ? p[axis] : low[axis];
                high[axis] = p[axis] > high[axis] ? p[axis] : high[axis];
            }
        }
    }
}

// Applies the function to every vertex of every object and, with lights set,
// to every light position.
template <typename F>
void eachPoint(dmf_t* map, bool lights, F f)
{
    for (std::uint32_t o = 0; o < map->objectCount; ++o) {
        dmf_object_t& object = map->objects[o];
        for (unsigned i = 0; i < object.vertexCount; ++i)
            f(&object.vertices[i].x);
    }
    for (std::uint32_t i = 0; lights && i < map->lightCount; ++i)
        f(map->lights[i].position);
}

void pointOf(const dmf_object_t& object, int index, float out[3])
{
    const dmf_vertex_t& v = object.vertices[index];
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}

void faceNormal(const dmf_object_t& object, dmf_polygon_t& polygon)
{
    std::memset(polygon.faceNormal, 0, sizeof(polygon.faceNormal));
    if (polygon.vertexCount < 3)
        return;
    float p[3][3];
    for (int j = 0; j < 3; ++j)
        pointOf(object, polygon.indices[j], p[j]);
    float a[3], b[3];
    for (int axis = 0; axis < 3; ++axis) {
        a[axis] = p[2][axis] - p[1][axis];
        b[axis] = p[0][axis] - p[1][axis];
    }
    CrossProduct(polygon.faceNormal, a, b);
    Normalize(polygon.faceNormal);
}

} // namespace

int ReverseDMF(dmf_t* map)
{
    for (std::uint32_t o = 0; map && o < map->objectCount; ++o) {
        dmf_object_t& object = map->objects[o];
        for (unsigned i = 0; i < object.polygonCount; ++i) {
            if (object.polygons[i].vertexCount > MAX_REVERSE_VERTICES)
                return DMF_POLYGON_TOO_BIG;
            reversePolygon(object.polygons[i]);
        }
    }
    return DMF_OK;
}

int TriangulateDMF(dmf_t* map)
{
    for (std::uint32_t o = 0; map && o < map->objectCount; ++o)
        triangulateObject(map->objects[o]);
    return DMF_OK;
}

int ScaleDMF(dmf_t* map, float sx, float sy, float sz)
{
    if (!map)
        return DMF_OK;
    eachPoint(map, true, [=](float* p) {
        p[0] *= sx;
        p[1] *= sy;
        p[2] *= sz;
    });
    return DMF_OK;
}

int TranslateDMF(dmf_t* map, float x, float y, float z)
{
    if (!map)
        return DMF_OK;
    float low[3], high[3];
    boundingBox(map, low, high);
    const float shift[3] = {(low[0] + high[0]) * 0.5f - x, (low[1] + high[1]) * 0.5f - y,
                            (low[2] + high[2]) * 0.5f - z};
    eachPoint(map, true, [&](float* p) {
        for (int axis = 0; axis < 3; ++axis)
            p[axis] -= shift[axis];
    });
    return DMF_OK;
}

int RotateDMF(dmf_t* map, float degrees, float ax, float ay, float az)
{
    if (!map)
        return DMF_OK;
    float axis[3] = {ax, ay, az};
    Normalize(axis);
    if (axis[0] == 0.0f && axis[1] == 0.0f && axis[2] == 0.0f)
        return DMF_OK;  // no axis, no turn
    const float angle = degrees * (MathStuff::PI_F / 180.0f);
    const float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
    const float x = axis[0], y = axis[1], z = axis[2];
    const float m[3][3] = {{t * x * x + c, t * x * y - s * z, t * x * z + s * y},
                           {t * x * y + s * z, t * y * y + c, t * y * z - s * x},
                           {t * x * z - s * y, t * y * z + s * x, t * z * z + c}};
    eachPoint(map, false, [&](float* p) {
        const float in[3] = {p[0], p[1], p[2]};
        for (int row = 0; row < 3; ++row)
            p[row] = m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2];
    });
    return DMF_OK;
}

int CalcFaceNormalsDMF(dmf_t* map)
{
    for (std::uint32_t o = 0; map && o < map->objectCount; ++o) {
        dmf_object_t& object = map->objects[o];
        for (unsigned i = 0; i < object.polygonCount; ++i)
            faceNormal(object, object.polygons[i]);
    }
    return DMF_OK;
}

int CalcVertexNormalsDMF(dmf_t* map)
{
    for (std::uint32_t o = 0; map && o < map->objectCount; ++o) {
        dmf_object_t& object = map->objects[o];
        // A map put together in code rather than read has no table yet.
        if (!object.vertexNormals)
            object.vertexNormals = allocate<dmf_vertex_t>(object.vertexCount);
        if (!object.vertexNormals)
            return DMF_NO_MEMORY;
        for (unsigned i = 0; i < object.polygonCount; ++i) {
            const dmf_polygon_t& polygon = object.polygons[i];
            for (unsigned j = 0; j < polygon.vertexCount; ++j) {
                dmf_vertex_t& normal = object.vertexNormals[polygon.indices[j]];
                normal.x += polygon.faceNormal[0];
                normal.y += polygon.faceNormal[1];
                normal.z += polygon.faceNormal[2];
            }
        }
        for (unsigned i = 0; i < object.vertexCount; ++i)
            Normalize(&object.vertexNormals[i].x);
    }
    return DMF_OK;
}

void GetObjectCenterDMF(const dmf_object_t* object, float out[3])
{
    out[0] = out[1] = out[2] = 0.0f;
    if (!object || object->vertexCount == 0)
        return;
    for (unsigned i = 0; i < object->vertexCount; ++i) {
        out[0] += object->vertices[i].x;
        out[1] += object->vertices[i].y;
        out[2] += object->vertices[i].z;
    }
    for (int axis = 0; axis < 3; ++axis)
        out[axis] /= static_cast<float>(object->vertexCount);
}

int GetDMFVertexCount(const dmf_t* map)
{
    int count = 0;
    for (std::uint32_t o = 0; map && o < map->objectCount; ++o)
        count += static_cast<int>(map->objects[o].vertexCount);
    return count;
}

float DotProduct(const float a[3], const float b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

void CrossProduct(float out[3], const float a[3], const float b[3])
{
    const float x = a[1] * b[2] - a[2] * b[1];
    const float y = a[2] * b[0] - a[0] * b[2];
    const float z = a[0] * b[1] - a[1] * b[0];
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

void Normalize(float v[3])
{
    const float length = std::sqrt(DotProduct(v, v));
    if (length == 0.0f)
        return;  // a zero vector stays zero
    for (int axis = 0; axis < 3; ++axis)
        v[axis] /= length;
}

void HexToRGBA(const char* text, std::uint8_t out[4])
{
    out[0] = out[1] = out[2] = out[3] = 0;
    if (!text || std::strlen(text) < 8)
        return;
    for (int pair = 0; pair < 4; ++pair) {
        const char digits[3] = {text[2 * pair], text[2 * pair + 1], '\0'};
        out[3 - pair] = static_cast<std::uint8_t>(std::strtoul(digits, nullptr, 16));
    }
}

} // namespace dmf
