#include "render/rglVertexArray.h"

#include "render/rglDrawState.h"
#include "render/rglErrors.h"

#include <GL/glew.h>

#include <cstdint>
#include <cstring>

namespace RGL {

namespace {

enum Attribute { TEXTURE = 0, COLOUR = 1, POSITION = 2, ATTRIBUTES = 3 };

struct AttributeInfo {
    int count = 0; // components; 0 while absent
    GLenum type = GL_FLOAT;
    int offset = 0; // bytes into a vertex
};

int typeSize(GLenum type)
{
    switch (type) {
    case GL_BYTE:
    case GL_UNSIGNED_BYTE:
        return 1;
    case GL_SHORT:
    case GL_UNSIGNED_SHORT:
        return 2;
    case GL_DOUBLE:
        return 8;
    default:
        return 4;
    }
}

GLenum glType(Render::I_VertexArray::DataType type)
{
    switch (type) {
    case Render::I_VertexArray::FLOAT:
        return GL_FLOAT;
    case Render::I_VertexArray::BYTE:
        return GL_BYTE;
    case Render::I_VertexArray::SHORT:
        return GL_SHORT;
    case Render::I_VertexArray::UNSIGNED_BYTE:
        return GL_UNSIGNED_BYTE;
    }
    fatalExit("a vertex attribute of an unknown data type");
}

const GLenum s_clientStates[ATTRIBUTES] = {GL_TEXTURE_COORD_ARRAY, GL_COLOR_ARRAY, GL_VERTEX_ARRAY};

} // namespace

struct rglVertexArray::Impl {
    GLenum target = GL_ARRAY_BUFFER;
    GLuint name = 0;
    int size = 0;
    std::unique_ptr<unsigned char[]> block;
    int stride = 0;
    AttributeInfo attributes[ATTRIBUTES];
    std::vector<unsigned> textureUnits;
    mutable bool inUse = false;
    rglDrawState* state = nullptr;
    mutable rglDrawState* keeper = nullptr;

    void define(int index, int count, Render::I_VertexArray::DataType type);
    // The attribute's address: into the client block, or a byte offset into the
    // bound buffer object (no block).
    const void* pointer(int index, int extraBytes) const;
    void bind(GLuint buffer) const;
    // Points GL at the defined attributes; with enable, also switches their
    // client arrays on.
    void setArrays(bool enable) const;
    void setTexture(bool enable) const;
    void disableTexture() const;
    // Same attributes at the same places, the same stride and texture units
    // (coordinates without units never match).
    bool sameLayout(const Impl& other) const;
};

void rglVertexArray::Impl::define(int index, int count, Render::I_VertexArray::DataType type)
{
    AttributeInfo& info = attributes[index];
    info.type = glType(type);
    info.count = count;
    info.offset = stride;
    stride = 0;
    for (const AttributeInfo& each : attributes)
        stride += each.count * typeSize(each.type);
}

const void* rglVertexArray::Impl::pointer(int index, int extraBytes) const
{
    const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(block.get());
    return reinterpret_cast<const void*>(base + attributes[index].offset + extraBytes);
}

void rglVertexArray::Impl::bind(GLuint buffer) const
{
    // Without GLEW's set-up the buffer entry points are null; client memory
    // then needs no binding at all.
    if (glBindBuffer != nullptr)
        glBindBuffer(target, buffer);
}

void rglVertexArray::Impl::setArrays(bool enable) const
{
    for (int i = 0; i < ATTRIBUTES; ++i) {
        const AttributeInfo& info = attributes[i];
        if (info.count == 0)
            continue;
        if (i == TEXTURE) {
            setTexture(enable);
            continue;
        }
        if (enable)
            glEnableClientState(s_clientStates[i]);
        if (i == COLOUR)
            glColorPointer(info.count, info.type, stride, pointer(i, 0));
        else
            glVertexPointer(info.count, info.type, stride, pointer(i, 0));
    }
}

void rglVertexArray::Impl::setTexture(bool enable) const
{
    const AttributeInfo& info = attributes[TEXTURE];
    if (textureUnits.empty() || glClientActiveTexture == nullptr) {
        if (enable)
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(info.count, info.type, stride, pointer(TEXTURE, 0));
        return;
    }
    const int pairBytes = 2 * typeSize(info.type);
    for (std::size_t t = 0; t < textureUnits.size(); ++t) {
        glClientActiveTexture(textureUnits[t]);
        if (enable)
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, info.type, stride, pointer(TEXTURE, static_cast<int>(t) * pairBytes));
    }
    glClientActiveTexture(GL_TEXTURE0);
}

void rglVertexArray::Impl::disableTexture() const
{
    if (textureUnits.empty() || glClientActiveTexture == nullptr) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        return;
    }
    for (unsigned unit : textureUnits) {
        glClientActiveTexture(unit);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    glClientActiveTexture(GL_TEXTURE0);
}

bool rglVertexArray::Impl::sameLayout(const Impl& other) const
{
    // Coordinates without units went to whichever unit was client-active.
    if (stride != other.stride || textureUnits != other.textureUnits ||
        (attributes[TEXTURE].count != 0 && textureUnits.empty()))
        return false;
    for (int i = 0; i < ATTRIBUTES; ++i) {
        const AttributeInfo& a = attributes[i];
        const AttributeInfo& b = other.attributes[i];
        if (a.count != b.count || (a.count != 0 && (a.type != b.type || a.offset != b.offset)))
            return false;
    }
    return true;
}

rglVertexArray::rglVertexArray(int bytes) : rglVertexArray(bytes, GL_ARRAY_BUFFER, true)
{
}

rglVertexArray::rglVertexArray(int bytes, unsigned target, bool clientBlock) : m_impl(new Impl)
{
    m_impl->target = target;
    m_impl->size = bytes;
    if (clientBlock && bytes > 0)
        m_impl->block.reset(new unsigned char[bytes]());
}

rglVertexArray::~rglVertexArray()
{
    if (m_impl->keeper != nullptr)
        m_impl->keeper->forget(*this);
}

int rglVertexArray::getBufferSize() const
{
    return m_impl->size;
}

void rglVertexArray::defineVertexInfo(int count, DataType type)
{
    m_impl->define(POSITION, count, type);
}

void rglVertexArray::defineTextureInfo(int count, DataType type)
{
    m_impl->define(TEXTURE, count, type);
}

void rglVertexArray::defineColorInfo(int count, DataType type)
{
    m_impl->define(COLOUR, count, type);
}

void rglVertexArray::getVertices(float* out, int count, int byteOffset) const
{
    if (count >= 0 && count <= m_impl->size / 12)
        getData(out, count * 12, byteOffset);
}

void rglVertexArray::putVertices(const float* in, int count, int byteOffset)
{
    if (count >= 0 && count <= m_impl->size / 12)
        putData(in, count * 12, byteOffset);
}

void rglVertexArray::getData(void* out, int bytes, int byteOffset) const
{
    if (bytes > 0 && inRange(bytes, byteOffset) && m_impl->block)
        std::memcpy(out, m_impl->block.get() + byteOffset, bytes);
}

void rglVertexArray::putData(const void* in, int bytes, int byteOffset)
{
    if (bytes > 0 && inRange(bytes, byteOffset) && m_impl->block)
        std::memcpy(m_impl->block.get() + byteOffset, in, bytes);
}

void rglVertexArray::beginUsing() const
{
    if (m_impl->inUse)
        fatalExit("a vertex array was taken into use twice");
    m_impl->inUse = true;
    const rglVertexArray* held = m_impl->state != nullptr ? m_impl->state->beginArray() : nullptr;
    if (held == this)
        return;
    // The client arrays of the same layout are on already.
    const bool enable = held == nullptr || !held->m_impl->sameLayout(*m_impl);
    if (held != nullptr && enable)
        held->release();
    m_impl->bind(m_impl->name);
    m_impl->setArrays(enable);
    drainErrors();
}

void rglVertexArray::endUsing() const
{
    if (!m_impl->inUse)
        fatalExit("a vertex array was released without being in use");
    m_impl->inUse = false;
    if (m_impl->state == nullptr || !m_impl->state->endArray(*this))
        release();
}

void rglVertexArray::release() const
{
    for (int i = 0; i < ATTRIBUTES; ++i) {
        if (m_impl->attributes[i].count == 0)
            continue;
        if (i == TEXTURE)
            m_impl->disableTexture();
        else
            glDisableClientState(s_clientStates[i]);
    }
    m_impl->bind(0);
}

void rglVertexArray::setDrawState(rglDrawState* state)
{
    m_impl->state = state;
}

void rglVertexArray::setKeeper(rglDrawState* keeper) const
{
    m_impl->keeper = keeper;
}

void rglVertexArray::setTextureUnits(const std::vector<unsigned>& units)
{
    m_impl->textureUnits = units;
}

int rglVertexArray::getAttributeOffset(int attribute) const
{
    if (attribute < 0 || attribute >= ATTRIBUTES || m_impl->attributes[attribute].count == 0)
        return -1;
    return m_impl->attributes[attribute].offset;
}

int rglVertexArray::getStride() const
{
    return m_impl->stride;
}

unsigned rglVertexArray::getTarget() const
{
    return m_impl->target;
}

unsigned rglVertexArray::getBufferName() const
{
    return m_impl->name;
}

void rglVertexArray::setBufferName(unsigned name)
{
    m_impl->name = name;
}

void rglVertexArray::setBufferSize(int bytes)
{
    m_impl->size = bytes;
}

bool rglVertexArray::inRange(int bytes, int byteOffset) const
{
    const long long end = static_cast<long long>(byteOffset) + bytes;
    return bytes >= 0 && byteOffset >= 0 && end <= m_impl->size;
}

} // namespace RGL
