// Textures and shaders in a real GL context (under Xvfb): TGA files uploaded as
// 2-D and 3-D textures and drawn, reloads, shader sources joined and linked, and
// the fatal faults ending the process with one line.

#include "GLFixtures.h"
#include "GLWindow.h"

#include "render/rglShader.h"
#include "render/rglShaderProgram.h"
#include "render/rglTexture.h"

#include <string>
#include <vector>

namespace
{
    using RenderTest::GLWindow;
    using RenderTest::Rgba;

    const Rgba MAGENTA{255, 0, 255, 255};
    const Rgba YELLOW{255, 255, 0, 255};

    class GLTextureTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(window.ok());
            ASSERT_TRUE(folder.ok());
            GTEST_FLAG_SET(death_test_style, "threadsafe");
        }

        // A window-filling quad textured from texture unit 1 (the unit of layer 0).
        static Rgba drawWith(const RGL::rglTexture& texture)
        {
            GLWindow::clear(0, 0, 0);
            GLWindow::pixelView();
            glColor3ub(255, 255, 255);
            texture.beginUsing(0, nullptr);
            glBegin(GL_QUADS);
            const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
            for (const auto& c : corners) {
                glMultiTexCoord3f(GL_TEXTURE1, c[0], c[1], 0.5f);
                glVertex2f(c[0] * RenderTest::WIDTH, c[1] * RenderTest::HEIGHT);
            }
            glEnd();
            texture.endUsing(0);
            glActiveTexture(GL_TEXTURE0);
            return GLWindow::pixel(RenderTest::WIDTH / 2, RenderTest::HEIGHT / 2);
        }

        static int level0(GLenum target, GLenum what)
        {
            GLint value = -1;
            glGetTexLevelParameteriv(target, 0, what, &value);
            return value;
        }

        GLWindow window;
        RenderTest::DataFolder folder;
    };

    TEST_F(GLTextureTest, ImagesWithRowsOfAnyWidthDrawTheirColour)
    {
        // 5 x 3 bytes of 24 bits: rows of 15 bytes, not whole words.
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/odd.tga", 5, 3, 24, {255, 0, 255}));
        RGL::rglTexture texture("data/Textures/odd.tga");
        EXPECT_EQ(texture.getID(), 0u);
        ASSERT_TRUE(texture.loadObject());
        EXPECT_NE(texture.getID(), 0u);
        EXPECT_EQ(texture.getType(), static_cast<unsigned>(GL_TEXTURE_2D));
        EXPECT_EQ(drawWith(texture), MAGENTA);
        GLint alignment = 0;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        EXPECT_EQ(alignment, 4);
    }

    TEST_F(GLTextureTest, A32BitImageKeepsItsColoursAndLosesItsAlpha)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/clear.tga", 4, 4, 32, {255, 255, 0, 0}));
        RGL::rglTexture texture("data/Textures/clear.tga");
        ASSERT_TRUE(texture.loadObject());
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        EXPECT_EQ(drawWith(texture), YELLOW); // alpha 0 would have left the black
        glDisable(GL_BLEND);
    }

    TEST_F(GLTextureTest, A3DImageIsAVolumeOfWidthSlices)
    {
        struct Case
        {
            const char* file;
            unsigned bits;
            std::vector<unsigned char> pixel;
            Rgba drawn;
        };
        const Case cases[] = {
            {"data/Textures/cloud_3D.tga", 24, {255, 0, 255}, MAGENTA},
            {"data/Textures/grey_3D.tga", 8, {255}, Rgba{255, 255, 255, 255}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.file);
            ASSERT_TRUE(RenderTest::writeImage(c.file, 16, 256, c.bits, c.pixel));
            RGL::rglTexture texture(c.file);
            ASSERT_TRUE(texture.loadObject());
            EXPECT_EQ(texture.getType(), static_cast<unsigned>(GL_TEXTURE_3D));
            glBindTexture(GL_TEXTURE_3D, texture.getID());
            EXPECT_EQ(level0(GL_TEXTURE_3D, GL_TEXTURE_WIDTH), 16);
            EXPECT_EQ(level0(GL_TEXTURE_3D, GL_TEXTURE_HEIGHT), 16);
            EXPECT_EQ(level0(GL_TEXTURE_3D, GL_TEXTURE_DEPTH), 16);
            EXPECT_EQ(drawWith(texture), c.drawn);
        }
    }

    TEST_F(GLTextureTest, AReloadedTextureReadsItsFileAgain)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/swap.tga", 4, 4, 24, {255, 0, 255}));
        RGL::rglTexture texture("data/Textures/swap.tga");
        ASSERT_TRUE(texture.loadObject());
        EXPECT_EQ(drawWith(texture), MAGENTA);
        const unsigned first = texture.getID();
        ASSERT_TRUE(texture.unloadObject());
        EXPECT_EQ(texture.getID(), 0u);
        EXPECT_FALSE(glIsTexture(first));
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/swap.tga", 4, 4, 24, {255, 255, 0}));
        ASSERT_TRUE(texture.loadObject());
        EXPECT_EQ(drawWith(texture), YELLOW);
    }

    TEST_F(GLTextureTest, AMemoryTextureIsMadeAtOnceAndTakesNewPixelsOfItsSize)
    {
        const std::vector<unsigned char> magenta = {255, 0, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255};
        const std::vector<unsigned char> yellow = {255, 255, 0, 255, 255, 0, 255, 255, 0, 255, 255, 0};
        RGL::rglTexture texture(magenta.data(), 24, 2, 2, 1);
        EXPECT_EQ(texture.getName(), "MEMTEX");
        ASSERT_NE(texture.getID(), 0u);
        EXPECT_EQ(drawWith(texture), MAGENTA);
        texture.update(yellow.data());
        EXPECT_EQ(drawWith(texture), YELLOW);
        // Its pixels were never its own: once unloaded it cannot load again.
        texture.unloadObject();
        EXPECT_FALSE(texture.loadObject());
    }

    TEST_F(GLTextureTest, TheSameTextureMayServeTwoUnitsButNotOneUnitTwice)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/twice.tga", 2, 2, 24, {0, 0, 255}));
        RGL::rglTexture texture("data/Textures/twice.tga");
        ASSERT_TRUE(texture.loadObject());
        texture.beginUsing(0, nullptr);
        texture.beginUsing(1, nullptr);
        texture.endUsing(1);
        texture.endUsing(0);
        EXPECT_EXIT({
            texture.beginUsing(2, nullptr);
            texture.beginUsing(2, nullptr);
        }, ::testing::ExitedWithCode(1), "twice.tga.*twice on one texture unit");
        EXPECT_EXIT(texture.endUsing(3), ::testing::ExitedWithCode(1), "twice.tga.*not in use");
    }

    TEST_F(GLTextureTest, FilesThatDoNotMakeATextureEndTheProcessNamingTheFile)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/flat_3D.tga", 16, 128, 24, {1, 2, 3}));
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/cut.tga", 8, 8, 24, {1, 2, 3}));
        std::string bytes;
        {
            std::ifstream in("data/Textures/cut.tga", std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        RenderTest::writeText("data/Textures/cut.tga", bytes.substr(0, bytes.size() / 2));
        // A header that claims a 0-wide image.
        std::string header(18, '\0');
        header[2] = 2;
        header[14] = 4;
        header[16] = 24;
        RenderTest::writeText("data/Textures/empty.tga", header);

        struct Case
        {
            const char* file;
            const char* message;
        };
        const Case cases[] = {
            {"data/Textures/missing.tga", "missing.tga\" cannot be read"},
            {"data/Textures/cut.tga", "cut.tga\" cannot be read"},
            {"data/Textures/empty.tga", "empty.tga\" has no pixels"},
            {"data/Textures/flat_3D.tga", "flat_3D.tga\" is a volume"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.file);
            RGL::rglTexture texture(c.file);
            EXPECT_EXIT(texture.loadObject(), ::testing::ExitedWithCode(1), c.message);
        }
    }

    // ---- shaders ----

    const char* const VERTEX = "void main() { gl_Position = ftransform(); }\n";

    RGL::rglShader* fragment(const char* name, const std::vector<std::string>& files)
    {
        return new RGL::rglShader(name, GL_FRAGMENT_SHADER, files);
    }

    TEST_F(GLTextureTest, ShaderFilesCompileAsOneTextAndTheProgramOutlivesThem)
    {
        RenderTest::writeText("data/Config/head.frag", "uniform float green;\nuniform float unused;\n");
        RenderTest::writeText("data/Config/body.frag",
                              "void main() { gl_FragColor = vec4(0.0, green, 0.0, 1.0); }\n");
        RenderTest::writeText("data/Config/plain.vert", VERTEX);
        RGL::rglShader vertex("plain", GL_VERTEX_SHADER, {"data/Config/plain.vert"});
        std::unique_ptr<RGL::rglShader> joined(
            fragment("joined", {"data/Config/head.frag", "data/Config/body.frag"}));
        ASSERT_TRUE(vertex.loadObject());
        ASSERT_TRUE(joined->loadObject());
        EXPECT_NE(joined->getID(), 0u);
        RGL::rglShaderProgram program({&vertex, joined.get()});

        ASSERT_TRUE(vertex.unloadObject());
        ASSERT_TRUE(joined->unloadObject());
        EXPECT_EQ(joined->getID(), 0u);

        GLWindow::clear(0, 0, 0);
        GLWindow::pixelView();
        program.beginUsing();
        EXPECT_TRUE(program.setUniform("green", 1.0f));
        EXPECT_FALSE(program.setUniform("unused", 1.0f)); // removed by the linker
        EXPECT_FALSE(program.setUniform("nothing", 2));
        glRectf(0, 0, RenderTest::WIDTH, RenderTest::HEIGHT);
        program.endUsing();
        EXPECT_EQ(GLWindow::pixel(3, 3), (Rgba{0, 255, 0, 255}));
        GLint current = -1;
        glGetIntegerv(GL_CURRENT_PROGRAM, &current);
        EXPECT_EQ(current, 0);
    }

    TEST_F(GLTextureTest, ShaderFaultsEndTheProcessWithTheFilesAndTheLog)
    {
        RenderTest::writeText("data/Config/broken.frag", "void main() { gl_FragColor = ; }\n");
        RenderTest::writeText("data/Config/nomain.frag", "uniform float x;\n");
        std::unique_ptr<RGL::rglShader> broken(fragment("broken", {"data/Config/broken.frag"}));
        EXPECT_EXIT(broken->loadObject(), ::testing::ExitedWithCode(1),
                    "shader \"broken\" \\(data/Config/broken.frag\\) does not compile: .+");
        std::unique_ptr<RGL::rglShader> missing(
            fragment("missing", {"data/Config/broken.frag", "data/Config/gone.frag"}));
        EXPECT_EXIT(missing->loadObject(), ::testing::ExitedWithCode(1),
                    "shader file \"data/Config/gone.frag\" of \"missing\" cannot be read");
        std::unique_ptr<RGL::rglShader> noMain(fragment("nomain", {"data/Config/nomain.frag"}));
        ASSERT_TRUE(noMain->loadObject());
        EXPECT_EXIT(RGL::rglShaderProgram({noMain.get()}), ::testing::ExitedWithCode(1),
                    "shaders data/Config/nomain.frag do not link: .+");
    }
}
