#ifndef RENDER_I_CREATEVERTEXARRAY_H
#define RENDER_I_CREATEVERTEXARRAY_H

namespace Render {

class I_VertexArray;

// Factory of vertex arrays.
class I_CreateVertexArray {
public:
    virtual ~I_CreateVertexArray() {}
    // A new array of that many bytes, owned by the caller; writeOnly promises the
    // caller never reads it back. Null when no array of that size could be made.
    virtual I_VertexArray* createVertexArray(int bytes, bool writeOnly) = 0;
};

} // namespace Render

#endif
