#include "render/rglDrawState.h"

#include "render/rglMaterial.h"
#include "render/rglVertexArray.h"

namespace RGL {

namespace {

bool g_keeping = false;
bool g_materialInUse = false;
const rglVertexArray* g_array = nullptr;
const rglMaterial* g_material = nullptr;

} // namespace

void rglDrawState::keep(bool on)
{
    if (!on)
        settle();
    g_keeping = on;
}

bool rglDrawState::keeping()
{
    return g_keeping;
}

void rglDrawState::settle()
{
    // A material's end also switches off the coordinate arrays on its units,
    // which the array's end expects to find on.
    if (const rglVertexArray* array = g_array) {
        g_array = nullptr;
        array->release();
    }
    if (const rglMaterial* material = g_material) {
        g_material = nullptr;
        material->release();
    }
}

void rglDrawState::settleMaterial()
{
    const rglMaterial* material = g_material;
    if (material == nullptr)
        return;
    if (material->hasTextures()) {
        settle();
        return;
    }
    g_material = nullptr;
    // Without textures or a program the material's use changed no texture
    // unit, and while kept no one else does: its end would set nothing.
    if (material->getProgram() != nullptr)
        material->release();
}

const rglVertexArray* rglDrawState::heldArray()
{
    return g_array;
}

void rglDrawState::holdArray(const rglVertexArray* array)
{
    g_array = g_keeping ? array : nullptr;
}

const rglMaterial* rglDrawState::heldMaterial()
{
    return g_material;
}

void rglDrawState::holdMaterial(const rglMaterial* material)
{
    g_material = g_keeping ? material : nullptr;
}

bool rglDrawState::materialInUse()
{
    return g_materialInUse;
}

void rglDrawState::setMaterialInUse(bool inUse)
{
    g_materialInUse = inUse;
}

} // namespace RGL
