// The back end with no GL context and no GLEW set-up (no display at all): arrays
// fall back to client memory and render buffers are invalid, without a crash.

#include "render/rglController.h"
#include "render/rglRenderBuffer.h"
#include "render/rglVertexBufferObject.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
    TEST(NoContext, VertexArraysLiveInClientMemoryAndRenderBuffersAreInvalid)
    {
        RGL::rglController controller{Render::ViewData()};
        EXPECT_FALSE(RGL::rglVertexBufferObject::VBOsSupported());

        std::unique_ptr<Render::I_VertexArray> array(controller.createVertexArray(24, true));
        ASSERT_NE(array, nullptr);
        EXPECT_EQ(dynamic_cast<RGL::rglVertexBufferObject*>(array.get()), nullptr);
        array->defineVertexInfo(3, Render::I_VertexArray::FLOAT);
        const float in[6] = {1, 2, 3, 4, 5, 6};
        array->putVertices(in, 2, 0);
        float out[6] = {};
        array->getVertices(out, 2, 0);
        EXPECT_EQ(out[5], 6.0f);
        array->beginUsing();
        array->endUsing();

        RGL::rglVertexBufferObject buffer(24, 0x88B9 /* GL_WRITE_ONLY */);
        EXPECT_EQ(buffer.getBufferSize(), 0);

        EXPECT_EQ(controller.createRenderBuffer(4, 4, Render::I_RenderBuffer::RGBA), nullptr);
        RGL::rglRenderBuffer direct(4, 4, Render::I_RenderBuffer::RGB);
        EXPECT_FALSE(direct.isValid());
        direct.beginUsing();
        direct.endUsing();
    }
}
