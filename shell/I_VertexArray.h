#ifndef RENDER_I_VERTEXARRAY_H
#define RENDER_I_VERTEXARRAY_H

namespace Render {

// A block of vertex memory with up to three interleaved attributes (position,
// texture coordinates, colour). Counts are components or vertices; offsets are
// bytes from the start of the block. The stride is the sum of the defined
// attributes' sizes, each attribute starting after those defined before it.
class I_VertexArray {
public:
    // Component type of an attribute; colours of unsigned bytes run from 0 to 1.
    enum DataType { FLOAT = 1, BYTE = 2, SHORT = 3, UNSIGNED_BYTE = 4 };

    virtual ~I_VertexArray() {}

    // Size in bytes given at creation.
    virtual int getBufferSize() const = 0;
    virtual void defineVertexInfo(int count, DataType type) = 0;
    virtual void defineTextureInfo(int count, DataType type) = 0;
    virtual void defineColorInfo(int count, DataType type) = 0;
    // Copies count vertices of three floats (12 bytes each) from / to the byte offset.
    virtual void getVertices(float* out, int count, int byteOffset) const = 0;
    virtual void putVertices(const float* in, int count, int byteOffset) = 0;
    // Copies raw bytes out of / into the block at the byte offset.
    virtual void getData(void* out, int bytes, int byteOffset) const = 0;
    virtual void putData(const void* in, int bytes, int byteOffset) = 0;
    // Makes the block the current vertex source; each beginUsing is matched by
    // one endUsing before the next beginUsing.
    virtual void beginUsing() const = 0;
    virtual void endUsing() const = 0;
};

} // namespace Render

#endif
