#ifndef RGL_RGLVERTEXARRAY_H
#define RGL_RGLVERTEXARRAY_H

#include <memory>
#include <vector>

#include "shell/I_VertexArray.h"

namespace RGL {

class rglDrawState;

// An interleaved vertex array in client memory. Attributes sit in a vertex in
// the order they were defined; the stride covers all defined ones. Copies whose
// byte range leaves the block copy nothing.
class rglVertexArray : public Render::I_VertexArray {
public:
    // A block of that many bytes (none for 0). A negative size makes an empty
    // array whose size answers the negative number, so the render controller
    // discards it.
    explicit rglVertexArray(int bytes);
    ~rglVertexArray() override;

    rglVertexArray(const rglVertexArray&) = delete;
    rglVertexArray& operator=(const rglVertexArray&) = delete;

    int getBufferSize() const override;
    // An unknown data type ends the process (exit code 1).
    void defineVertexInfo(int count, DataType type) override;
    void defineTextureInfo(int count, DataType type) override;
    void defineColorInfo(int count, DataType type) override;
    void getVertices(float* out, int count, int byteOffset) const override;
    void putVertices(const float* in, int count, int byteOffset) override;
    void getData(void* out, int bytes, int byteOffset) const override;
    void putData(const void* in, int bytes, int byteOffset) override;
    // Binds the block and enables the defined attributes' client arrays; a
    // second beginUsing before endUsing, or endUsing without beginUsing, ends
    // the process (exit code 1). With a draw state, while it is kept endUsing
    // leaves the arrays on and holds them for the next use.
    void beginUsing() const override;
    void endUsing() const override;
    // Switches the client arrays off and unbinds the block: the end of a use,
    // done at once or when the draw state lets a held array go.
    void release() const;
    // The draw state of the context the array is drawn in (set by the render
    // controller that made it); none: every use ends at once.
    void setDrawState(rglDrawState* state);
    // The draw state holding the array's client arrays on, null while none
    // does; set by that draw state, which the array tells when it goes.
    void setKeeper(rglDrawState* keeper) const;

    // Splits the texture attribute into coordinate pairs, pair t going to the
    // client texture unit units[t] (GL_TEXTURE0 + n). Without units the whole
    // attribute goes to the client unit active at beginUsing.
    void setTextureUnits(const std::vector<unsigned>& units);

    // Byte offset of the attribute (0 texture, 1 colour, 2 position) in a
    // vertex, and the stride; -1 offset while the attribute is undefined.
    int getAttributeOffset(int attribute) const;
    int getStride() const;

protected:
    // For buffer objects: the block lives in GL, not in client memory.
    rglVertexArray(int bytes, unsigned target, bool clientBlock);
    unsigned getTarget() const;
    unsigned getBufferName() const;
    void setBufferName(unsigned name);
    void setBufferSize(int bytes);
    // Whether [byteOffset, byteOffset + bytes) lies inside the block.
    bool inRange(int bytes, int byteOffset) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace RGL

#endif
