#ifndef TESTSUPPORT_FAKEVERTEXARRAY_H
#define TESTSUPPORT_FAKEVERTEXARRAY_H

#include <cstring>
#include <vector>

#include "shell/I_VertexArray.h"

namespace TestSupport {

// A vertex array in main memory. Copies that would run outside the block are
// ignored; the defined attributes and the use count can be inspected.
class FakeVertexArray : public Render::I_VertexArray {
public:
    explicit FakeVertexArray(int bytes) : bytes(bytes > 0 ? bytes : 0, 0) {}

    int getBufferSize() const override { return static_cast<int>(bytes.size()); }
    void defineVertexInfo(int count, DataType type) override { vertexInfo = Info{count, type}; }
    void defineTextureInfo(int count, DataType type) override { textureInfo = Info{count, type}; }
    void defineColorInfo(int count, DataType type) override { colorInfo = Info{count, type}; }
    void getVertices(float* out, int count, int byteOffset) const override
    {
        getData(out, count * 12, byteOffset);
    }
    void putVertices(const float* in, int count, int byteOffset) override
    {
        putData(in, count * 12, byteOffset);
    }
    void getData(void* out, int size, int byteOffset) const override
    {
        if (fits(size, byteOffset))
            std::memcpy(out, bytes.data() + byteOffset, size);
    }
    void putData(const void* in, int size, int byteOffset) override
    {
        if (fits(size, byteOffset))
            std::memcpy(bytes.data() + byteOffset, in, size);
    }
    void beginUsing() const override { ++uses; }
    void endUsing() const override {}

    struct Info {
        int count;
        DataType type;
    };

    std::vector<unsigned char> bytes;
    Info vertexInfo{0, FLOAT};
    Info textureInfo{0, FLOAT};
    Info colorInfo{0, FLOAT};
    mutable int uses = 0;

private:
    bool fits(int size, int offset) const
    {
        return size >= 0 && offset >= 0 && size <= static_cast<int>(bytes.size()) - offset;
    }
};

} // namespace TestSupport

#endif
