// Vertex arrays, buffer objects, render buffers and the render queue in a real GL
// context (under Xvfb): layouts, drawing read back as pixels, bad sizes and the
// fatal misuses.

#include "GLWindow.h"

#include "render/MatSysMaterial.h"
#include "render/ModelSysMesh.h"
#include "render/rglController.h"
#include "render/rglRenderBuffer.h"
#include "render/rglVertexArray.h"
#include "render/rglVertexBufferObject.h"
#include "shell/I_RenderQueue.h"

#include <memory>
#include <string>
#include <vector>

namespace
{
    using RenderTest::GLWindow;
    using RenderTest::HEIGHT;
    using RenderTest::Rgba;
    using RenderTest::WIDTH;
    using Array = Render::I_VertexArray;

    enum { TEXTURE = 0, COLOUR = 1, POSITION = 2 };

    // One triangle in window pixels, covering the pixel (20, 20).
    const float TRIANGLE[9] = {10, 10, 0, 60, 10, 0, 10, 60, 0};

    void useDeathTestsInFreshProcesses()
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
    }

    class VertexArrayTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(window.ok());
            useDeathTestsInFreshProcesses();
        }

        // Draws the triangle from the array in red over black; answers the pixels.
        std::vector<unsigned char> drawTriangle(const Array& array)
        {
            GLWindow::clear(0, 0, 0);
            GLWindow::pixelView();
            glColor3ub(255, 0, 0);
            array.beginUsing();
            glDrawArrays(GL_TRIANGLES, 0, 3);
            array.endUsing();
            return GLWindow::readAll();
        }

        GLWindow window;
        RGL::rglController controller{Render::ViewData()};
    };

    TEST_F(VertexArrayTest, AttributesFollowEachOtherInDefinitionOrder)
    {
        struct Case
        {
            const char* name;
            std::vector<std::pair<int, std::pair<int, Array::DataType>>> defines;
            int offsets[3]; // texture, colour, position; -1 absent
            int stride;
        };
        const Case cases[] = {
            {"position alone", {{POSITION, {3, Array::FLOAT}}}, {-1, -1, 0}, 12},
            {"texture then position", {{TEXTURE, {2, Array::FLOAT}}, {POSITION, {3, Array::FLOAT}}},
             {0, -1, 8}, 20},
            {"byte colour then position", {{COLOUR, {4, Array::BYTE}}, {POSITION, {3, Array::FLOAT}}},
             {-1, 0, 4}, 16},
            {"short texture", {{TEXTURE, {2, Array::SHORT}}}, {0, -1, -1}, 4},
            {"position redefined goes last",
             {{POSITION, {3, Array::FLOAT}}, {TEXTURE, {2, Array::FLOAT}}, {POSITION, {3, Array::FLOAT}}},
             {12, -1, 20}, 20},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            RGL::rglVertexArray array(64);
            for (const auto& d : c.defines) {
                if (d.first == TEXTURE)
                    array.defineTextureInfo(d.second.first, d.second.second);
                else if (d.first == COLOUR)
                    array.defineColorInfo(d.second.first, d.second.second);
                else
                    array.defineVertexInfo(d.second.first, d.second.second);
            }
            for (int a = 0; a < 3; ++a)
                EXPECT_EQ(array.getAttributeOffset(a), c.offsets[a]) << "attribute " << a;
            EXPECT_EQ(array.getStride(), c.stride);
        }
    }

    TEST_F(VertexArrayTest, ClientArrayAndBufferObjectDrawTheSamePixels)
    {
        ASSERT_TRUE(RGL::rglVertexBufferObject::VBOsSupported());
        RGL::rglVertexArray client(sizeof TRIANGLE);
        RGL::rglVertexBufferObject buffer(sizeof TRIANGLE, GL_READ_WRITE);
        ASSERT_EQ(buffer.getBufferSize(), static_cast<int>(sizeof TRIANGLE));
        for (Array* array : {static_cast<Array*>(&client), static_cast<Array*>(&buffer)}) {
            array->defineVertexInfo(3, Array::FLOAT);
            array->beginUsing();
            array->putVertices(TRIANGLE, 3, 0);
            float back[9] = {};
            array->getVertices(back, 3, 0);
            array->endUsing();
            EXPECT_EQ(back[3], 60.0f);
        }
        const std::vector<unsigned char> fromClient = drawTriangle(client);
        EXPECT_EQ(GLWindow::pixel(20, 20), (Rgba{255, 0, 0, 255}));
        EXPECT_EQ(GLWindow::pixel(50, 50), (Rgba{0, 0, 0, 255}));
        EXPECT_EQ(drawTriangle(buffer), fromClient);
        GLint bound = -1;
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
        EXPECT_EQ(bound, 0);
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    }

    TEST_F(VertexArrayTest, CopiesOutsideTheBlockCopyNothing)
    {
        RGL::rglVertexArray client(24);
        RGL::rglVertexBufferObject buffer(24, GL_READ_WRITE);
        for (Array* array : {static_cast<Array*>(&client), static_cast<Array*>(&buffer)}) {
            array->beginUsing();
            const float ones[6] = {1, 1, 1, 1, 1, 1};
            array->putVertices(ones, 2, 0);
            const float nines[6] = {9, 9, 9, 9, 9, 9};
            array->putVertices(nines, 2, 4);    // one byte past the end
            array->putData(nines, 4, -4);       // before the start
            array->putData(nines, 0x7fffffff, 8); // end beyond int
            array->putVertices(nines, -1, 0);
            float back[6] = {};
            array->getVertices(back, 2, 0);
            EXPECT_EQ(std::vector<float>(back, back + 6), std::vector<float>(6, 1.0f));
            float untouched[6] = {5, 5, 5, 5, 5, 5};
            array->getVertices(untouched, 2, 12);
            array->getData(untouched, 8, 20);
            EXPECT_EQ(untouched[0], 5.0f);
            array->endUsing();
        }
    }

    TEST_F(VertexArrayTest, EmptyAndNegativeSizes)
    {
        RGL::rglVertexArray empty(0);
        EXPECT_EQ(empty.getBufferSize(), 0);
        float out = 3;
        empty.getData(&out, 4, 0);
        EXPECT_EQ(out, 3.0f);

        std::unique_ptr<Array> zero(controller.createVertexArray(0, true));
        ASSERT_NE(zero, nullptr);
        EXPECT_EQ(zero->getBufferSize(), 0);
        EXPECT_EQ(controller.createVertexArray(-8, true), nullptr);

        RGL::rglVertexBufferObject negative(-8, GL_WRITE_ONLY);
        EXPECT_EQ(negative.getBufferSize(), 0);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

        std::unique_ptr<Array> made(controller.createVertexArray(36, false));
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(made->getBufferSize(), 36);
        EXPECT_NE(dynamic_cast<RGL::rglVertexBufferObject*>(made.get()), nullptr);
    }

    TEST_F(VertexArrayTest, BeginUsingWithNothingDefinedBindsAndEnablesNothing)
    {
        RGL::rglVertexBufferObject buffer(36, GL_WRITE_ONLY);
        buffer.beginUsing();
        GLint bound = 0;
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
        EXPECT_NE(bound, 0);
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
        EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
        buffer.endUsing();
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &bound);
        EXPECT_EQ(bound, 0);
    }

    TEST_F(VertexArrayTest, MisuseEndsTheProcessWithOneLine)
    {
        RGL::rglVertexArray array(36);
        EXPECT_EXIT(array.defineVertexInfo(3, static_cast<Array::DataType>(99)),
                    ::testing::ExitedWithCode(1), "Render error: .*unknown data type");
        EXPECT_EXIT(array.endUsing(), ::testing::ExitedWithCode(1),
                    "Render error: .*released without being in use");
        EXPECT_EXIT({
            array.beginUsing();
            array.beginUsing();
        }, ::testing::ExitedWithCode(1), "Render error: .*taken into use twice");
    }

    // ---- render buffers ----

    TEST_F(VertexArrayTest, ARenderBufferTakesDrawingAwayFromTheWindow)
    {
        GLWindow::clear(0, 0, 1);
        std::unique_ptr<Render::I_RenderBuffer> buffer(
            controller.createRenderBuffer(32, 16, Render::I_RenderBuffer::RGBA));
        ASSERT_NE(buffer, nullptr);
        EXPECT_EQ(buffer->getType(), Render::I_RenderBuffer::RGBA);
        buffer->beginUsing();
        glViewport(0, 0, 32, 16);
        GLWindow::clear(1, 0, 0);
        EXPECT_EQ(GLWindow::pixel(31, 15), (Rgba{255, 0, 0, 255}));
        buffer->endUsing();
        EXPECT_EQ(GLWindow::pixel(5, 5), (Rgba{0, 0, 255, 255}));
    }

    TEST_F(VertexArrayTest, RenderBuffersThatCannotBeMadeAreNull)
    {
        const int max = RGL::rglRenderBuffer::getMaxSize();
        ASSERT_GT(max, 0);
        EXPECT_EQ(controller.createRenderBuffer(max + 1, 4, Render::I_RenderBuffer::RGB), nullptr);
        EXPECT_EQ(controller.createRenderBuffer(4, 0, Render::I_RenderBuffer::RGB), nullptr);
        EXPECT_EQ(controller.createRenderBuffer(4, 4, static_cast<Render::I_RenderBuffer::RBType>(3)),
                  nullptr);
        std::unique_ptr<Render::I_RenderBuffer> rgb(
            controller.createRenderBuffer(4, 4, Render::I_RenderBuffer::RGB));
        EXPECT_NE(rgb, nullptr);
    }

    // ---- render queue ----

    // Logs the calls that the queue makes of the material and the array.
    class LoggedMaterial : public MatSys::Material
    {
    public:
        explicit LoggedMaterial(std::vector<std::string>& log) : m_log(log) {}
        void begin() override { m_log.push_back("material begin"); glColor3ub(0, 255, 0); }
        void end() override { m_log.push_back("material end"); }

    private:
        std::vector<std::string>& m_log;
    };

    class LoggedArray : public RGL::rglVertexArray
    {
    public:
        LoggedArray(std::vector<std::string>& log) : RGL::rglVertexArray(sizeof TRIANGLE), m_log(log) {}
        void beginUsing() const override { m_log.push_back("array begin"); rglVertexArray::beginUsing(); }
        void endUsing() const override { rglVertexArray::endUsing(); m_log.push_back("array end"); }

    private:
        std::vector<std::string>& m_log;
    };

    TEST_F(VertexArrayTest, RenderQueueDrawsOneMeshInsideItsMaterialAtOrientationAndOffset)
    {
        std::vector<std::string> log;
        LoggedArray array(log);
        array.defineVertexInfo(3, Array::FLOAT);
        array.putVertices(TRIANGLE, 3, 0);
        ModelSys::Mesh mesh;
        mesh.vertexArray = &array;
        mesh.vertexCount = 3;
        LoggedMaterial material(log);
        MathStuff::Orientation<float> at;
        at.position = MathStuff::Vector3<float>(30, 0, 0);
        at.direction = MathStuff::Vector3<float>(0, 0, 1);

        GLWindow::clear(0, 0, 0);
        GLWindow::pixelView();
        controller.getRenderQueue()->add(at, MathStuff::Vector3<float>(0, 40, 0), &mesh, &material);
        EXPECT_EQ(log, (std::vector<std::string>{"material begin", "array begin", "array end",
                                                  "material end"}));
        EXPECT_EQ(GLWindow::pixel(50, 60), (Rgba{0, 255, 0, 255}));
        EXPECT_EQ(GLWindow::pixel(20, 20), (Rgba{0, 0, 0, 255}));

        controller.getRenderQueue()->add(at, nullptr, nullptr);
        EXPECT_EQ(log.size(), 4u);
    }
}
