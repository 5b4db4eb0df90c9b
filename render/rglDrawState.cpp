#include "render/rglDrawState.h"

#include "render/rglMaterial.h"
#include "render/rglVertexArray.h"

namespace RGL {

namespace {

// Puts the object in the slot, telling the one let go and the one taken who
// holds them now.
template <typename Held>
void replaceHeld(const Held*& slot, const Held* object, rglDrawState* keeper)
{
    if (slot != nullptr)
        slot->setKeeper(nullptr);
    slot = object;
    if (object != nullptr)
        object->setKeeper(keeper);
}

} // namespace

rglDrawState::~rglDrawState()
{
    keep(false);
}

void rglDrawState::keep(bool on)
{
    if (!on)
        settle();
    m_keeping = on;
}

bool rglDrawState::keeping() const
{
    return m_keeping;
}

bool rglDrawState::beginMaterial(const rglMaterial& material, bool withCoordinates)
{
    m_materialInUse = true;
    if (m_material == &material && !withCoordinates) {
        holdMaterial(nullptr);
        return false;
    }
    settleMaterial();
    return true;
}

bool rglDrawState::endMaterial(const rglMaterial& material)
{
    m_materialInUse = false;
    if (!m_keeping)
        return false;
    holdMaterial(&material);
    return true;
}

const rglVertexArray* rglDrawState::beginArray()
{
    if (!m_materialInUse)
        settleMaterial();
    const rglVertexArray* held = m_array;
    holdArray(nullptr);
    return held;
}

bool rglDrawState::endArray(const rglVertexArray& array)
{
    if (!m_keeping)
        return false;
    holdArray(&array);
    return true;
}

void rglDrawState::forget(const rglMaterial& material)
{
    if (m_material == &material)
        settle();
}

void rglDrawState::forget(const rglVertexArray& array)
{
    if (m_array != &array)
        return;
    holdArray(nullptr);
    array.release();
}

const rglMaterial* rglDrawState::heldMaterial() const
{
    return m_material;
}

const rglVertexArray* rglDrawState::heldArray() const
{
    return m_array;
}

void rglDrawState::settle()
{
    // A material's end also switches off the coordinate arrays on its units,
    // which the array's end expects to find on.
    if (const rglVertexArray* array = m_array) {
        holdArray(nullptr);
        array->release();
    }
    if (const rglMaterial* material = m_material) {
        holdMaterial(nullptr);
        material->release();
    }
}

// Ends the held material, and first the held array when the material's end
// touches the client arrays (it has textures): an array of the same layout
// taken up next would otherwise find its coordinates switched off.
void rglDrawState::settleMaterial()
{
    const rglMaterial* material = m_material;
    if (material == nullptr)
        return;
    if (material->hasTextures()) {
        settle();
        return;
    }
    holdMaterial(nullptr);
    // Without textures or a program the material's use changed no texture
    // unit, and while kept no one else does: its end would set nothing.
    if (material->getProgram() != nullptr)
        material->release();
}

void rglDrawState::holdMaterial(const rglMaterial* material)
{
    replaceHeld(m_material, material, this);
}

void rglDrawState::holdArray(const rglVertexArray* array)
{
    replaceHeld(m_array, array, this);
}

} // namespace RGL
