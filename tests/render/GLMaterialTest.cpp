// GL materials and the material loader in a real GL context (under Xvfb): shared
// textures, use counts, texture units and modes, sampler uniforms, and the
// release of every GL object when the render controller goes.

#include "GLFixtures.h"
#include "GLWindow.h"

#include "render/Material.h"
#include "render/MaterialStore.h"
#include "render/rglController.h"
#include "render/rglMaterial.h"
#include "render/rglMaterialLoader.h"
#include "render/rglShaderProgram.h"
#include "render/rglTexture.h"

#include <string>
#include <vector>

namespace
{
    using RenderTest::GLWindow;
    using RenderTest::Rgba;
    using Layer = Model::Material::Layer_s;
    using RenderTest::layer;

    RGL::rglMaterialLoader& loader()
    {
        return RGL::rglMaterialLoader::instance();
    }

    // A GL material made from layers given here, registered under the name.
    RGL::rglMaterial* madeMaterial(const std::string& name, const std::vector<Layer>& layers)
    {
        Model::Material* source =
            Model::MaterialStore::instance().add(new Model::Material(name, layers));
        loader().add(name, new RGL::rglMaterial(source));
        return loader().use(name);
    }

    int intOf(GLenum what)
    {
        GLint value = -1;
        glGetIntegerv(what, &value);
        return value;
    }

    int envMode()
    {
        GLint mode = -1;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        return mode;
    }

    // A pixel of the window filled with one rectangle drawn in the material.
    Rgba drawnWith(const RGL::rglMaterial& material)
    {
        GLWindow::clear(0, 0, 0);
        GLWindow::pixelView();
        material.beginUsing(nullptr);
        glRectf(0, 0, RenderTest::WIDTH, RenderTest::HEIGHT);
        material.endUsing();
        return GLWindow::pixel(5, 5);
    }

    class GLMaterialTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(window.ok());
            ASSERT_TRUE(folder.ok());
            ASSERT_TRUE(RenderTest::writeImage("data/Textures/wood.tga", 4, 4, 24, {255, 0, 255}));
        }

        GLWindow window;
        RenderTest::DataFolder folder;
    };

    TEST_F(GLMaterialTest, MaterialsNamingOneTextureShareItUntilTheLastLetsGo)
    {
        RenderTest::writeText("data/Config/a.matdef", "TEXTURE: data/Textures/wood.tga\n");
        RenderTest::writeText("data/Config/b.matdef", "COLOR: tint: FFFFFFFF\nTEXTURE: data/Textures/wood.tga\n");
        RGL::rglMaterial* a = loader().get("data/Config/a.matdef");
        RGL::rglMaterial* b = loader().get("data/Config/b.matdef");
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        RGL::rglTexture* shared = a->getLayers()[0].texture;
        ASSERT_NE(shared, nullptr);
        EXPECT_EQ(b->getLayers()[1].texture, shared);
        EXPECT_EQ(loader().textures().entries(), 1);
        EXPECT_EQ(a->getProgram(), nullptr); // texture layers only

        EXPECT_EQ(loader().free("data/Config/a.matdef"), a);
        EXPECT_NE(shared->getID(), 0u);
        EXPECT_EQ(loader().free("data/Config/b.matdef"), b);
        EXPECT_EQ(shared->getID(), 0u);
        EXPECT_EQ(loader().textures().find("data/Textures/wood.tga"), shared); // still registered
        EXPECT_EQ(loader().free("data/Config/b.matdef"), nullptr);          // no use left

        EXPECT_EQ(loader().get("data/Config/b.matdef"), b);
        EXPECT_NE(shared->getID(), 0u); // loaded again
    }

    TEST_F(GLMaterialTest, GetOfAKnownNameCountsAnotherUseOfTheSameMaterial)
    {
        RenderTest::writeText("data/Config/twice.matdef", "TEXTURE: data/Textures/wood.tga\n");
        RGL::rglMaterial* first = loader().get("data/Config/twice.matdef");
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(loader().get("data/Config/twice.matdef"), first);
        RGL::rglTexture* texture = first->getLayers()[0].texture;
        loader().free("data/Config/twice.matdef");
        EXPECT_NE(texture->getID(), 0u);
        loader().free("data/Config/twice.matdef");
        EXPECT_EQ(texture->getID(), 0u);

        EXPECT_EQ(loader().free("data/Config/never.matdef"), nullptr);
        EXPECT_EQ(loader().get("data/Config/never.matdef"), nullptr);
        EXPECT_EQ(loader().find("data/Config/never.matdef"), nullptr);
    }

    TEST_F(GLMaterialTest, SamplerNamesDropFoldersAndExtension)
    {
        const std::pair<const char*, const char*> cases[] = {
            {"data/Textures/wood.tga", "wood"},
            {"wood", "wood"},
            {"wood.tga", "wood"},
            {"a.b/c", "c"},
            {"data/Textures/bark.old.tga", "bark.old"},
            {"data/Textures/", ""},
        };
        for (const auto& c : cases)
            EXPECT_EQ(RGL::rglMaterial::samplerName(c.first), c.second) << c.first;
    }

    TEST_F(GLMaterialTest, TextureLayerIIsBoundOnUnitIPlusOneAndUnitZeroIsActiveAfterwards)
    {
        RGL::rglMaterial* material = madeMaterial(
            "units", {layer(Model::Material::COLOR, "tint", 0, 0xFF00FF00u),
                      layer(Model::Material::TEXTURE, "data/Textures/wood.tga", 9),
                      layer(Model::Material::TEXTURE, "data/Textures/wood.tga", 4)});
        ASSERT_NE(material, nullptr);
        const unsigned id = material->getLayers()[1].texture->getID();
        EXPECT_EQ(material->getLayers()[2].texture->getID(), id);
        EXPECT_EQ(material->getTextureUnits(), (std::vector<unsigned>{GL_TEXTURE2, GL_TEXTURE3}));
        glActiveTexture(GL_TEXTURE2);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
        glActiveTexture(GL_TEXTURE0);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

        // The same texture on two layers is begun and ended on each unit.
        material->beginUsing(nullptr);
        GLfloat colour[4] = {};
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(colour[1], 1.0f); // green from the colour word's second byte
        EXPECT_EQ(envMode(), GL_ADD); // unit 3, the last layer
        for (GLenum unit : {GL_TEXTURE2, GL_TEXTURE3}) {
            glActiveTexture(unit);
            EXPECT_EQ(intOf(GL_TEXTURE_BINDING_2D), static_cast<int>(id));
            EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        }
        glActiveTexture(GL_TEXTURE2);
        EXPECT_EQ(envMode(), GL_DECAL); // blend 9 leaves the mode
        glActiveTexture(GL_TEXTURE0);
        EXPECT_EQ(envMode(), GL_REPLACE); // the colour layer's, on unit 0
        glActiveTexture(GL_TEXTURE3);

        material->endUsing();
        EXPECT_EQ(intOf(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
        EXPECT_EQ(intOf(GL_CLIENT_ACTIVE_TEXTURE), GL_TEXTURE0);
        glActiveTexture(GL_TEXTURE2);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        glActiveTexture(GL_TEXTURE0);
    }

    TEST_F(GLMaterialTest, AShaderMaterialSamplesItsTextureByTheFilesBaseName)
    {
        RenderTest::writeText("data/Config/pass.vert",
                              "void main() { gl_Position = ftransform(); }\n");
        RenderTest::writeText("data/Config/wood.frag",
                              "uniform sampler2D wood;\n"
                              "void main() { gl_FragColor = texture2D(wood, vec2(0.5, 0.5)); }\n");
        RenderTest::writeText("data/Config/shaded.matdef",
                              "TEXTURE: data/Textures/wood.tga\n"
                              "VERT_SHADER: pass: data/Config/pass.vert\n"
                              "FRAG_SHADER: woodfrag: data/Config/wood.frag\n");
        RGL::rglMaterial* material = loader().get("data/Config/shaded.matdef");
        ASSERT_NE(material, nullptr);
        ASSERT_NE(material->getProgram(), nullptr);
        EXPECT_EQ(loader().shaders().entries(), 2);

        EXPECT_EQ(drawnWith(*material), (Rgba{255, 0, 255, 255}));
        EXPECT_EQ(intOf(GL_CURRENT_PROGRAM), 0);
    }

    // Each texture layer's sampler gets its own unit: two textures sampled by
    // one shader each show their own colour.
    TEST_F(GLMaterialTest, EachTextureLayerSamplesFromItsOwnUnit)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/red.tga", 4, 4, 24, {255, 0, 0}));
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/blue.tga", 4, 4, 24, {0, 0, 255}));
        RenderTest::writeText("data/Config/pass.vert", "void main() { gl_Position = ftransform(); }\n");
        RenderTest::writeText("data/Config/two.frag",
                              "uniform sampler2D red;\nuniform sampler2D blue;\n"
                              "void main() { vec2 c = vec2(0.5, 0.5);\n"
                              "  vec4 r = texture2D(red, c), b = texture2D(blue, c);\n"
                              "  gl_FragColor = vec4(r.r, b.r, b.b, 1.0); }\n");
        RenderTest::writeText("data/Config/two.matdef",
                              "TEXTURE: data/Textures/red.tga\n"
                              "TEXTURE: data/Textures/blue.tga\n"
                              "VERT_SHADER: pass: data/Config/pass.vert\n"
                              "FRAG_SHADER: two: data/Config/two.frag\n");
        RGL::rglMaterial* material = loader().get("data/Config/two.matdef");
        ASSERT_NE(material, nullptr);
        // Red from the first texture, no red from the second, blue from the second.
        EXPECT_EQ(drawnWith(*material), (Rgba{255, 0, 255, 255}));
    }

    // A vertex and a fragment layer of one name are two shaders: the fragment
    // file is compiled and used.
    TEST_F(GLMaterialTest, AVertexAndAFragmentShaderOfOneNameAreTwoShaders)
    {
        RenderTest::writeText("data/Config/same.vert", "void main() { gl_Position = ftransform(); }\n");
        RenderTest::writeText("data/Config/same.frag", "void main() { gl_FragColor = vec4(1.0, 0.0, 0.0, 1.0); }\n");
        RenderTest::writeText("data/Config/same.matdef",
                              "VERT_SHADER: same: data/Config/same.vert\n"
                              "FRAG_SHADER: same: data/Config/same.frag\n");
        RGL::rglMaterial* material = loader().get("data/Config/same.matdef");
        ASSERT_NE(material, nullptr);
        EXPECT_NE(material->getLayers()[0].shader, material->getLayers()[1].shader);
        glColor4ub(0, 255, 0, 255); // what the fixed-function stage would draw
        EXPECT_EQ(drawnWith(*material), (Rgba{255, 0, 0, 255}));
        loader().free("data/Config/same.matdef");
        EXPECT_EQ(material->getLayers()[1].shader->getID(), 0u);
    }

    // Layer i draws on texture unit i + 1: a texture layer past the driver's
    // last unit would never be enabled, so the material is refused by name.
    TEST_F(GLMaterialTest, AMaterialNeedingMoreTextureUnitsThanTheDriverHasIsRefused)
    {
        const int units = intOf(GL_MAX_TEXTURE_UNITS);
        ASSERT_GT(units, 1);
        std::string fits, tooMany;
        for (int i = 0; i + 1 < units; ++i)
            fits += "TEXTURE: data/Textures/wood.tga\n";
        tooMany = fits + "TEXTURE: data/Textures/wood.tga\n";
        RenderTest::writeText("data/Config/fits.matdef", fits);
        RenderTest::writeText("data/Config/many.matdef", "COLOR: tint: FFFFFFFF\n" + tooMany);
        EXPECT_NE(loader().get("data/Config/fits.matdef"), nullptr);
        testing::internal::CaptureStderr();
        EXPECT_EQ(loader().get("data/Config/many.matdef"), nullptr);
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_NE(message.find("\"data/Config/many.matdef\" is not used"), std::string::npos) << message;
        EXPECT_NE(message.find("unit " + std::to_string(units)), std::string::npos) << message;
        EXPECT_EQ(loader().find("data/Config/many.matdef"), nullptr);
    }

    TEST_F(GLMaterialTest, DestroyingTheControllerDeletesEveryGLObjectTheLoaderHeld)
    {
        RenderTest::writeText("data/Config/pass.vert",
                              "void main() { gl_Position = ftransform(); }\n");
        RenderTest::writeText("data/Config/held.matdef",
                              "TEXTURE: data/Textures/wood.tga\n"
                              "VERT_SHADER: pass: data/Config/pass.vert\n");
        unsigned texture = 0, program = 0, shader = 0;
        RGL::rglMaterial* material = nullptr;
        {
            RGL::rglController controller{Render::ViewData()};
            material = loader().get("data/Config/held.matdef");
            ASSERT_NE(material, nullptr);
            loader().get("data/Config/held.matdef");
            texture = material->getLayers()[0].texture->getID();
            shader = material->getLayers()[1].shader->getID();
            program = material->getProgram()->getID();
            ASSERT_TRUE(glIsTexture(texture));
            ASSERT_TRUE(glIsProgram(program));
        }
        EXPECT_FALSE(glIsTexture(texture));
        EXPECT_FALSE(glIsProgram(program));
        EXPECT_FALSE(glIsShader(shader));
        EXPECT_EQ(material->getProgram(), nullptr);

        // Everything stays registered and comes back on the next use.
        EXPECT_EQ(loader().get("data/Config/held.matdef"), material);
        EXPECT_NE(material->getLayers()[0].texture->getID(), 0u);
        EXPECT_NE(material->getProgram(), nullptr);
    }
}
