#ifndef RENDER_DMF_H
#define RENDER_DMF_H

// Reading, writing and reshaping of DeleD map files (".dmf"): plain records
// allocated with malloc, owned by the map record and released only by FreeDMF,
// and integer result codes:
//   0 success, 1 out of memory, 2 the file cannot be opened or created,
//   3 the input ended where a token was required, 4 unknown version,
//   5 not a map (marker missing, a bad count, an index or id out of range,
//     an empty plug-in text), 6 a light of unknown type met by WriteDMF,
//   7 a polygon of more than 500 vertices met by ReverseDMF,
//   8 the plug-in host callback failed.
// Nothing here prints.

#include <cstdint>
#include <cstdio>

namespace dmf {

enum {
    DMF_OK = 0,
    DMF_NO_MEMORY = 1,
    DMF_NO_FILE = 2,
    DMF_TRUNCATED = 3,
    DMF_BAD_VERSION = 4,
    DMF_NOT_A_MAP = 5,
    DMF_BAD_LIGHT = 6,
    DMF_POLYGON_TOO_BIG = 7,
    DMF_HOST_FAILED = 8
};

// Layer kinds.
enum { DMF_LAYER_EMPTY = -1, DMF_LAYER_TEXTURE = 0, DMF_LAYER_COLOR = 1 };

// The buffer GetToken fills holds this many characters plus the terminator.
const unsigned DMF_TOKEN_MAX = 2048;
// The most layers a material used by polygons may have.
const unsigned DMF_MAX_LAYERS = 4;

struct dmf_layer_t {
    int kind;           // DMF_LAYER_EMPTY, _TEXTURE, _COLOR (others kept as read)
    int blend;
    char* text;         // texture file name or colour text; null when empty
    int textureHandle;  // what the texture callback answered, else 0
};

struct dmf_material_t {
    char* name;
    char* category;
    int id;             // also the material's slot in the map's table
    int extraValue;     // never read; written back as the fourth field
    unsigned layerCount;
    dmf_layer_t* layers;
};

struct dmf_vertex_t {
    float x, y, z;
};

struct dmf_polygon_t {
    unsigned vertexCount;
    int material;       // index into the map's material table
    int* indices;       // vertexCount indices into the object's vertices
    // Per layer position of the material: vertexCount (u, v) pairs for every
    // layer whose kind is not empty, else null.
    float* coordinates[DMF_MAX_LAYERS];
    float faceNormal[3];
};

struct dmf_object_t {
    char* name;
    char* text;
    int id;
    int value5, value2, value4, value6, value3;
    unsigned polygonCount, vertexCount;
    dmf_polygon_t* polygons;
    dmf_vertex_t* vertices;
    dmf_vertex_t* vertexNormals;  // zeroed; filled only by CalcVertexNormalsDMF
};

struct dmf_light_t {
    char* name;
    std::uint8_t byteValue;
    std::uint8_t tripleB[3];
    std::uint8_t tripleA[3];
    int id;
    int type;           // 1, 2 or 3 select the extra values
    int s1, s2, s3;     // type 3
    int valueA, valueB;
    int valueC;         // types 1 and 3
    float position[3];
    float d[3];         // types 1 and 3
    float e[3];         // types 2 and 3
};

struct dmf_t {
    char* name;
    std::uint32_t lightCount, materialCount, objectCount;
    int headerValue;
    int version;        // 1 "Version 0.91", 2 "Version 1.0", 3 "Version 1.1"
    std::uint8_t colour[4];
    dmf_material_t* materials;
    dmf_object_t* objects;
    dmf_light_t* lights;
};

// Source kinds.
enum { DMF_SOURCE_FILE = 0, DMF_SOURCE_MEMORY = 1 };

struct dmf_source_t {
    FILE* file;
    const char* text;
    int kind;
    int position;       // characters taken so far
    long size;          // characters in the whole source (for count checks)
};

struct dmf_request_t {
    int kind;
    char* buffer;
    int size;
};

typedef void (*dmf_progress_t)(int stage, int percent);
typedef int (*dmf_texture_t)(const dmf_layer_t* layer);
typedef int (*dmf_host_t)(dmf_request_t* request);

// ---- Reading, freeing and the two reshapes the game uses (DmfRead.cpp, DmfTransform.cpp)

// Kind DMF_SOURCE_FILE: source is a path; DMF_SOURCE_MEMORY: the map text.
// On failure the record is left zeroed and nothing stays allocated.
int ReadDMF(dmf_t* map, const char* source, int sourceKind,
            dmf_progress_t progress, dmf_texture_t texture);
void FreeDMF(dmf_t* map);
int ReverseDMF(dmf_t* map);
int TriangulateDMF(dmf_t* map);

// One token into out (DMF_TOKEN_MAX + 1 characters); 1 when a token was
// present, 0 when the input ended first.
int GetToken(dmf_source_t* source, char* out, const char* delimiters, unsigned delimiterCount);

// A short English phrase for a result code, for messages.
const char* DescribeDMF(int code);

// ---- Writing (DmfWrite.cpp)

int WriteDMF(const dmf_t* map, const char* path);

// ---- Transforms and vector helpers (DmfTransform.cpp)

int ScaleDMF(dmf_t* map, float sx, float sy, float sz);
int TranslateDMF(dmf_t* map, float x, float y, float z);
int RotateDMF(dmf_t* map, float degrees, float ax, float ay, float az);
int CalcFaceNormalsDMF(dmf_t* map);
int CalcVertexNormalsDMF(dmf_t* map);
void GetObjectCenterDMF(const dmf_object_t* object, float out[3]);
int GetDMFVertexCount(const dmf_t* map);
float DotProduct(const float a[3], const float b[3]);
void CrossProduct(float out[3], const float a[3], const float b[3]);
void Normalize(float v[3]);
void HexToRGBA(const char* text, std::uint8_t out[4]);

// ---- Combining maps (DmfCombine.cpp)

int CombineDMF(dmf_t* out, const dmf_t* a, const dmf_t* b);
int CombineHeader(dmf_t* out, const dmf_t* a, const dmf_t* b);
int CombineLights(dmf_t* out, const dmf_t* a, const dmf_t* b);
int CombineMaterials(dmf_t* out, const dmf_t* a, const dmf_t* b);
int CombineObjects(dmf_t* out, const dmf_t* a, const dmf_t* b);
int ReindexDMF(dmf_t* map);
int CopyMaterial(dmf_material_t* target, const dmf_material_t* source);
int CompareMaterial(const dmf_material_t* a, const dmf_material_t* b);
void ReindexObjects(dmf_t* map, int from, int to);

// ---- Exchange with a host editor through one callback (DmfPlugin.cpp)

void SetPluginCallback(dmf_host_t host);
int GetDeledDirectory(char* out);
int ImportDMF(dmf_t* map, int selection);
int ParsePluginData(dmf_t* map, const char* text);
int ExportDMF(const dmf_t* map, dmf_progress_t progress);
int ExportObjectDMF(const dmf_t* map, const dmf_object_t* object, dmf_progress_t progress);
int CalcReqMaterialBuffer(const dmf_t* map);
int CalcReqSingleObjectBuffer(const dmf_t* map, const dmf_object_t* object);
int CalcReqObjectBuffer(const dmf_t* map);
int CalcReqLightBuffer(const dmf_t* map);
int intStringLength(int n);

} // namespace dmf

#endif
