#ifndef RGL_RGLVERTEXBUFFEROBJECT_H
#define RGL_RGLVERTEXBUFFEROBJECT_H

#include "render/rglVertexArray.h"

namespace RGL {

// A vertex array whose block is a GL buffer object (static draw). The data is
// copied in and out of the buffer bound to the target, so callers bracket
// getData and putData with beginUsing and endUsing.
class rglVertexBufferObject : public rglVertexArray {
public:
    // access is GL_WRITE_ONLY or GL_READ_WRITE. When the storage cannot be made
    // (unsupported, size 0 or negative, ten failed attempts) the size is 0.
    rglVertexBufferObject(int bytes, unsigned access);
    rglVertexBufferObject(int bytes, unsigned target, unsigned access);
    ~rglVertexBufferObject() override;

    void getData(void* out, int bytes, int byteOffset) const override;
    void putData(const void* in, int bytes, int byteOffset) override;

    // Whether the context offers buffer objects; asked once per process, so
    // only after glewInit.
    static bool VBOsSupported();

private:
    void constructVBO(unsigned access);
};

} // namespace RGL

#endif
