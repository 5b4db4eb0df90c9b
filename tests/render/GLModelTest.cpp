// Displayable models and the model maker in a real GL context (under Xvfb), with
// the real render controller held by a test game root: parts per material, the
// vertex layout, shared GL materials, multi-texture coordinates, and the shipped
// font's letters drawn and read back.

#include "GLFixtures.h"
#include "GLWindow.h"
#include "TestGame.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Camera.h"
#include "core/Event_View.h"
#include "render/LoaderDMF.h"
#include "render/Material.h"
#include "render/MaterialStore.h"
#include "render/Model.h"
#include "render/rglController.h"
#include "render/rglModel.h"
#include "render/rglModelMaker.h"
#include "render/rglVertexArray.h"
#include "shell/Font.h"
#include "shell/I_VertexArray.h"
#include "shell/KeptDrawState.h"

#include <algorithm>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{
    using RenderTest::GLWindow;
    using RenderTest::HEIGHT;
    using RenderTest::Rgba;
    using RenderTest::WIDTH;
    using Layer = Model::Material::Layer_s;
    using RenderTest::layer;
    using Vec = MathStuff::Vector3<float>;
    using Face = Model::Model::Face_s;

    const Rgba BLACK{0, 0, 0, 255};

    // A material of the store (which owns it), made of the layers.
    Model::Material* material(const std::string& name, const std::vector<Layer>& layers)
    {
        return Model::MaterialStore::instance().add(new Model::Material(name, layers));
    }

    Model::Material* colour(const std::string& name, std::uint32_t abgr)
    {
        return material(name, {layer(Model::Material::COLOR, name, 0, abgr)});
    }

    // The unit square in the x-y plane: points 0 to 3, counter-clockwise from (0, 0).
    Model::Model* square(const std::string& name)
    {
        return new Model::Model(name, {Vec(0, 0, 0), Vec(1, 0, 0), Vec(1, 1, 0), Vec(0, 1, 0)});
    }

    void addSquareFaces(Model::Model& model, Model::Material* m, const std::vector<float>& coords = {})
    {
        const int count = static_cast<int>(coords.size());
        model.addFace(Face(0, 1, 2, m, coords.empty() ? nullptr : coords.data(), count));
        model.addFace(Face(0, 2, 3, m, coords.empty() ? nullptr : coords.data(), count));
    }

    // Facing the viewer, size x size pixels, lower-left corner at (x, y).
    MathStuff::Orientation<float> at(float x, float y, float size)
    {
        return MathStuff::Orientation<float>(Vec(x, y, -5), Vec(0, 0, 1), Vec(0, 1, 0),
                                             Vec(size, size, 1));
    }

    class GLModelTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(window.ok());
            ASSERT_TRUE(folder.ok());
            // Without a window application the root runs startGame after the
            // controller's init; it keeps the controller afterwards.
            game.runGame(nullptr, nullptr, nullptr, &controller, nullptr);
            ASSERT_EQ(game.getRenderController(), &controller);
        }

        // The controller's orthographic view in window pixels and an identity camera.
        void pixelView()
        {
            EVT::EventBus* bus = EVT::EventBus::instance();
            EVT::Event_View view(EVT::EVENT_VIEW, EVT::Event_View::ORTHOGRAPHIC, Render::ViewData());
            bus->raiseEvent(&view, false);
            EVT::Event_Camera camera(EVT::EVENT_CAMERA, Vec(0, 0, 0), Vec(0, 0, -1), Vec(0, 1, 0),
                                     Vec(1, 1, 1));
            bus->raiseEvent(&camera, false);
            GLWindow::clear(0, 0, 0);
        }

        GLWindow window;
        RenderTest::DataFolder folder;
        RGL::rglController controller{RenderTest::windowView()};
        TestSupport::TestGame game;
    };

    TEST_F(GLModelTest, FacesAreGroupedByMaterialInOrderOfFirstAppearance)
    {
        Model::Material* a = colour("group A", 0xFF0000FFu);
        Model::Material* b = colour("group B", 0xFF00FF00u);
        Model::Model* model = new Model::Model(
            "groups", {Vec(0, 0, 0), Vec(1, 0, 0), Vec(0, 1, 0), Vec(2, 2, 2), Vec(3, 3, 3)});
        model->addFace(Face(0, 1, 2, a, nullptr, 0));
        model->addFace(Face(2, 1, 0, b, nullptr, 0));
        model->addFace(Face(3, 4, 0, a, nullptr, 0));
        model->addFace(Face(0, 1, 2, nullptr, nullptr, 0));
        RGL::rglModel drawable(model);
        ASSERT_EQ(drawable.getPartCount(), 2);
        const RGL::rglModel::Part& first = drawable.getPart(0);
        EXPECT_EQ(first.materialName, "group A");
        EXPECT_EQ(first.faceCount, 2);
        EXPECT_EQ(drawable.getPart(1).faceCount, 1);
        // Both materials are plain colour: the parts share one array, each
        // corner its position and its part's colour.
        EXPECT_EQ(first.vertexArray, nullptr);
        const Render::I_VertexArray* combined = drawable.getCombinedArray();
        ASSERT_NE(combined, nullptr);
        ASSERT_EQ(combined->getBufferSize(), 9 * 16);
        struct Corner
        {
            float xyz[3];
            unsigned char rgba[4];
        };
        Corner corners[9] = {};
        combined->beginUsing();
        combined->getData(corners, sizeof corners, 0);
        combined->endUsing();
        const float expected[9][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 2, 2}, {3, 3, 3},
                                      {0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0}};
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(std::vector<float>(corners[i].xyz, corners[i].xyz + 3),
                      std::vector<float>(expected[i], expected[i] + 3));
            const std::vector<unsigned char> rgba(corners[i].rgba, corners[i].rgba + 4);
            const unsigned char red = i < 6 ? 255 : 0;
            EXPECT_EQ(rgba, (std::vector<unsigned char>{red, static_cast<unsigned char>(255 - red), 0, 255}));
        }
    }

    TEST_F(GLModelTest, APlainColourModelDrawsEachPartInItsColour)
    {
        Model::Model* model = square("two colours");
        model->addFace(Face(0, 1, 2, colour("lower red", 0xFF0000FFu), nullptr, 0));
        model->addFace(Face(0, 2, 3, colour("upper green", 0xFF00FF00u), nullptr, 0));
        RGL::rglModel drawable(model);
        ASSERT_NE(drawable.getCombinedArray(), nullptr);
        pixelView();
        glColor3ub(0, 0, 255);
        const MathStuff::Orientation<float> place = at(10, 10, 60);
        drawable.display(&place);
        EXPECT_EQ(GLWindow::pixel(55, 15), (Rgba{255, 0, 0, 255})); // below the diagonal
        EXPECT_EQ(GLWindow::pixel(15, 55), (Rgba{0, 255, 0, 255}));
        EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
        GLint buffer = -1;
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &buffer);
        EXPECT_EQ(buffer, 0);
    }

    TEST_F(GLModelTest, ArraysHoldPositionsThenTwoFloatsPerTextureLayer)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/one.tga", 2, 2, 24, {255, 0, 0}));
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/two.tga", 2, 2, 24, {0, 255, 0}));
        Model::Material* textured = material(
            "two layers", {layer(Model::Material::TEXTURE, "data/Textures/one.tga", 0),
                           layer(Model::Material::TEXTURE, "data/Textures/two.tga", 4)});
        Model::Material* plain = colour("no layers", 0xFFFFFFFFu);
        struct Case
        {
            Model::Material* material;
            int bytes;
            int textureOffset;
        };
        for (const Case& c : {Case{textured, 840, 12}, Case{plain, 360, -1}}) {
            SCOPED_TRACE(c.material->getName());
            Model::Model* model = square("ten");
            const std::vector<float> coords(6 * c.material->getNumTexLayers(), 0.5f);
            for (int i = 0; i < 10; ++i)
                model->addFace(Face(0, 1, 2, c.material, coords.data(), static_cast<int>(coords.size())));
            RGL::rglModel drawable(model);
            ASSERT_EQ(drawable.getPartCount(), 1);
            const auto* array = dynamic_cast<const RGL::rglVertexArray*>(drawable.getPart(0).vertexArray);
            ASSERT_NE(array, nullptr);
            EXPECT_EQ(array->getBufferSize(), c.bytes);
            EXPECT_EQ(array->getAttributeOffset(0), c.textureOffset);
            EXPECT_EQ(array->getAttributeOffset(2), 0);
        }
    }

    TEST_F(GLModelTest, FacesWithoutMaterialAreNotDrawn)
    {
        Model::Model* model = square("bare");
        addSquareFaces(*model, nullptr);
        RGL::rglModel drawable(model);
        EXPECT_EQ(drawable.getPartCount(), 0);
        pixelView();
        const MathStuff::Orientation<float> place = at(0, 0, 100);
        drawable.display(&place);
        EXPECT_EQ(GLWindow::pixel(50, 50), BLACK);
    }

    TEST_F(GLModelTest, TwoModelsShareOneGLMaterialAndEitherMayGoFirst)
    {
        Model::Material* red = colour("shared red", 0xFF0000FFu);
        Model::Model* one = square("one");
        Model::Model* two = square("two");
        addSquareFaces(*one, red);
        addSquareFaces(*two, red);
        std::unique_ptr<RGL::rglModel> first(new RGL::rglModel(one));
        RGL::rglModel second(two);
        EXPECT_EQ(first->getPart(0).material, second.getPart(0).material);
        first.reset();
        pixelView();
        const MathStuff::Orientation<float> place = at(10, 10, 40);
        second.display(&place);
        EXPECT_EQ(GLWindow::pixel(30, 30), (Rgba{255, 0, 0, 255}));
        EXPECT_EQ(GLWindow::pixel(60, 60), BLACK);
    }

    TEST_F(GLModelTest, AVectorOfOrientationsDrawsOnceAtTheFirst)
    {
        Model::Model* model = square("once");
        addSquareFaces(*model, colour("once white", 0xFFFFFFFFu));
        RGL::rglModel drawable(model);
        pixelView();
        drawable.display(std::vector<MathStuff::Orientation<float> >());
        EXPECT_EQ(GLWindow::pixel(15, 15), BLACK);
        drawable.display({at(10, 10, 20), at(50, 10, 20), at(90, 10, 20)});
        EXPECT_EQ(GLWindow::pixel(15, 15), (Rgba{255, 255, 255, 255}));
        EXPECT_EQ(GLWindow::pixel(55, 15), BLACK);
        EXPECT_EQ(GLWindow::pixel(95, 15), BLACK);
    }

    TEST_F(GLModelTest, EachTextureLayerReadsItsOwnCoordinates)
    {
        // Layer 0: red left of black; layer 1: green above black. Only each layer's
        // own coordinates hit the coloured texel's centre.
        ASSERT_TRUE(Media::TGA::saveToFile("data/Textures/left.tga", 2, 1, 24,
                                           std::vector<unsigned char>{255, 0, 0, 0, 0, 0}.data()));
        ASSERT_TRUE(Media::TGA::saveToFile("data/Textures/top.tga", 1, 2, 24,
                                           std::vector<unsigned char>{0, 0, 0, 0, 255, 0}.data()));
        Model::Material* both = material(
            "red plus green", {layer(Model::Material::TEXTURE, "data/Textures/left.tga", 0),
                               layer(Model::Material::TEXTURE, "data/Textures/top.tga", 4)});
        std::vector<float> coords;
        for (int j = 0; j < 3; ++j)
            coords.insert(coords.end(), {0.25f, 0.5f});
        for (int j = 0; j < 3; ++j)
            coords.insert(coords.end(), {0.5f, 0.75f});
        Model::Model* model = square("layers");
        addSquareFaces(*model, both, coords);
        RGL::rglModel drawable(model);

        pixelView();
        glColor3ub(255, 255, 255);
        const MathStuff::Orientation<float> place = at(0, 0, 60);
        drawable.display(&place);
        EXPECT_EQ(GLWindow::pixel(30, 30), (Rgba{255, 255, 0, 255}));
        GLint unit = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &unit);
        EXPECT_EQ(unit, GL_TEXTURE0);
        glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &unit);
        EXPECT_EQ(unit, GL_TEXTURE0);
    }

    // A walk's worth of draws with the draw state kept: the same material twice
    // (its own arrays of one layout), a colour material, another material on
    // the same texture, then a bare array as the line models draw it. Each
    // must look as drawn alone, and GL must be plain once the keeping stops.
    TEST_F(GLModelTest, KeptDrawStateDrawsEachAsAloneAndEndsPlain)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/red.tga", 1, 1, 24, {255, 0, 0}));
        const Layer texture = layer(Model::Material::TEXTURE, "data/Textures/red.tga");
        Model::Material* red = material("kept red", {texture});
        Model::Material* again = material("kept red again", {texture});
        const std::vector<float> coords(6, 0.5f);
        std::vector<std::unique_ptr<RGL::rglModel> > models;
        for (Model::Material* m : {red, red, colour("kept blue", 0xFFFF0000u), again, red}) {
            Model::Model* model = square("kept " + std::to_string(models.size()));
            addSquareFaces(*model, m, coords);
            models.emplace_back(new RGL::rglModel(model));
        }
        std::unique_ptr<Render::I_VertexArray> bare(controller.createVertexArray(6 * 12, true));
        ASSERT_NE(bare, nullptr);
        bare->defineVertexInfo(3, Render::I_VertexArray::FLOAT);

        pixelView();
        {
            const Render::KeptDrawState kept(&controller);
            for (std::size_t i = 0; i < 4; ++i) {
                const MathStuff::Orientation<float> place = at(10.0f + 30.0f * i, 10, 20);
                models[i]->display(&place);
            }
            bare->beginUsing();
            const float corners[6][3] = {{10, 50, -5}, {30, 50, -5}, {30, 70, -5},
                                         {10, 50, -5}, {30, 70, -5}, {10, 70, -5}};
            bare->putVertices(&corners[0][0], 6, 0);
            glColor3ub(0, 255, 0);
            glDrawArrays(GL_TRIANGLES, 0, 6);
            bare->endUsing();
            const MathStuff::Orientation<float> last = at(40, 50, 20);
            models[4]->display(&last);
        } // the keeping ends with the scope

        const Rgba redPixel{255, 0, 0, 255};
        for (int x : {20, 50, 110})
            EXPECT_EQ(GLWindow::pixel(x, 20), redPixel) << "at " << x;
        EXPECT_EQ(GLWindow::pixel(80, 20), (Rgba{0, 0, 255, 255}));
        EXPECT_EQ(GLWindow::pixel(20, 60), (Rgba{0, 255, 0, 255})); // not textured by the held red
        EXPECT_EQ(GLWindow::pixel(50, 60), redPixel);
        GLint value = -1;
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &value);
        EXPECT_EQ(value, 0);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &value);
        EXPECT_EQ(value, GL_TEXTURE0);
        glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &value);
        EXPECT_EQ(value, GL_TEXTURE0);
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
        for (GLenum unit : {GL_TEXTURE0, GL_TEXTURE1}) {
            glActiveTexture(unit);
            glClientActiveTexture(unit);
            EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
            EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
        }
        glActiveTexture(GL_TEXTURE0);
        glClientActiveTexture(GL_TEXTURE0);
    }

    // A textured material's end switches off the coordinate arrays on its
    // units, so when it is let go the held array must end with it: the next
    // array of the same layout then switches its coordinates on again instead
    // of drawing without them (at coordinate 0, 0: the blue texel).
    TEST_F(GLModelTest, KeptTexturedMaterialEndsTheHeldArrayWithIt)
    {
        ASSERT_TRUE(RenderTest::writeImage("data/Textures/red.tga", 1, 1, 24, {255, 0, 0}));
        ASSERT_TRUE(Media::TGA::saveToFile("data/Textures/bluegreen.tga", 2, 1, 24,
                                           std::vector<unsigned char>{0, 0, 255, 0, 255, 0}.data()));
        Model::Material* red = material("held red", {layer(Model::Material::TEXTURE, "data/Textures/red.tga")});
        Model::Material* green =
            material("right texel", {layer(Model::Material::TEXTURE, "data/Textures/bluegreen.tga")});
        Model::Model* first = square("held first");
        addSquareFaces(*first, red, std::vector<float>(6, 0.5f));
        Model::Model* second = square("held second");
        addSquareFaces(*second, green, {0.75f, 0.5f, 0.75f, 0.5f, 0.75f, 0.5f});
        RGL::rglModel redSquare(first);
        RGL::rglModel greenSquare(second);

        pixelView();
        {
            const Render::KeptDrawState kept(&controller);
            const MathStuff::Orientation<float> left = at(10, 10, 20);
            redSquare.display(&left);
            const MathStuff::Orientation<float> right = at(40, 10, 20);
            greenSquare.display(&right);
        }
        EXPECT_EQ(GLWindow::pixel(20, 20), (Rgba{255, 0, 0, 255}));
        EXPECT_EQ(GLWindow::pixel(50, 20), (Rgba{0, 255, 0, 255}));
    }

    TEST_F(GLModelTest, WithoutARenderControllerAModelHasNoParts)
    {
        Model::Model* model = square("no controller");
        addSquareFaces(*model, colour("unseen", 0xFFFFFFFFu));
        TestSupport::TestGame bare(false); // now the game root, without back ends
        RGL::rglModel drawable(model);
        EXPECT_EQ(drawable.getPartCount(), 0);
        EXPECT_EQ(drawable.getName(), "no controller");
    }

    // ---- the model maker and the shipped font ----

    RGL::rglModelMaker* shippedMaker()
    {
        return new RGL::rglModelMaker(FRELMORY_SOURCE_DIR "/data/Models", ".dmf", new Model::LoaderDMF);
    }

    TEST_F(GLModelTest, AFileThatDoesNotReadAppendsNothing)
    {
        std::unique_ptr<RGL::rglModelMaker> maker(shippedMaker());
        std::vector<Model::I_DisplayableModel*> out;
        EXPECT_FALSE(maker->load("Font_Missing", &out));
        EXPECT_TRUE(out.empty());
        EXPECT_FALSE(maker->load("Font_Block", nullptr));
    }

    TEST_F(GLModelTest, FacesOfAMissingMaterialDefinitionAreNotDrawnButTheModelLoads)
    {
        ::mkdir("data/Models", 0700);
        RenderTest::writeText("data/Models/square.dmf",
                              "DeleD Map File;\nVersion 1.1;\nsquare;00000000;0;\n2;\n"
                              "0;lit;MATDEF;0;1;1,FFFFFF,1;\n1;gone;MATDEF;0;1;1,FFFFFF,1;\n"
                              "1;\nsquare;0;0;0;0;0;0;;\n4;\n0;0;0;\n1;0;0;\n1;1;0;\n0;1;0;\n2;\n"
                              "3;0;0;3;2;0;0;0;0;0;0;\n3;1;0;2;1;0;0;0;0;0;0;\n0;\n");
        RenderTest::writeText("data/Config/lit.matdef", "COLOR: lit: FFFFFFFF\n");
        RGL::rglModelMaker maker("data/Models", ".dmf", new Model::LoaderDMF);
        std::vector<Model::I_DisplayableModel*> out;
        ASSERT_TRUE(maker.load("square", &out));
        ASSERT_EQ(out.size(), 1u);
        std::unique_ptr<Model::I_DisplayableModel> square(out[0]);
        EXPECT_EQ(dynamic_cast<RGL::rglModel&>(*square).getPartCount(), 1);

        pixelView();
        const float cx = WIDTH / 2, cy = HEIGHT / 2;
        const MathStuff::Orientation<float> place(Vec(cx, cy, -5), Vec(0, 0, 1), Vec(0, 1, 0),
                                                  Vec(60, 60, 1));
        square->display(&place);
        EXPECT_EQ(GLWindow::pixel(cx - 15, cy + 15), (Rgba{255, 255, 255, 255}));
        EXPECT_EQ(GLWindow::pixel(cx + 15, cy - 15), BLACK);
    }

    TEST_F(GLModelTest, TheShippedFontDrawsTheLetterL)
    {
        game.setModelMaker(shippedMaker());
        Text3D::Font font("Block");
        Model::I_DisplayableModel* letter = font.getLetterModel('L');
        ASSERT_NE(letter, nullptr);
        ASSERT_NE(letter, font.getLetterModel('\0'));

        pixelView();
        const float cell = 10.0f; // pixels per font unit
        const MathStuff::Orientation<float> place(Vec(WIDTH / 2, HEIGHT / 2, -20), Vec(0, 0, 1),
                                                  Vec(0, 1, 0), Vec(cell, cell, 1));
        letter->display(&place);
        // Find the letter's box on the screen.
        const std::vector<unsigned char> pixels = GLWindow::readAll();
        int left = WIDTH, right = -1, bottom = HEIGHT, top = -1;
        for (int y = 0; y < HEIGHT; ++y)
            for (int x = 0; x < WIDTH; ++x) {
                const unsigned char* p = &pixels[(y * WIDTH + x) * 4];
                if (p[0] + p[1] + p[2] == 0)
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::min(bottom, y);
                top = std::max(top, y);
            }
        ASSERT_GT(right - left, 2 * cell);
        ASSERT_GT(top - bottom, 4 * cell);
        auto lit = [](Rgba c) { return c.r + c.g + c.b > 0; };
        const int middleY = (bottom + top) / 2, middleX = (left + right) / 2;
        EXPECT_TRUE(lit(GLWindow::pixel(left + 3, middleY)));        // the bar
        EXPECT_TRUE(lit(GLWindow::pixel(left + 3, top - 3)));
        EXPECT_TRUE(lit(GLWindow::pixel(right - 3, bottom + 3)));    // the foot
        EXPECT_TRUE(lit(GLWindow::pixel(middleX, bottom + 3)));
        EXPECT_EQ(GLWindow::pixel(right - 3, top - 3), BLACK);       // open upper right
        EXPECT_EQ(GLWindow::pixel(right - 3, middleY), BLACK);

        Model::I_DisplayableModel* blank = font.getLetterModel(' ');
        ASSERT_NE(blank, nullptr);
        GLWindow::clear(0, 0, 0);
        blank->display(&place);
        const std::vector<unsigned char> after = GLWindow::readAll();
        bool any = false;
        for (std::size_t i = 0; i < after.size(); i += 4)
            any = any || after[i] + after[i + 1] + after[i + 2] > 0;
        EXPECT_FALSE(any);
    }
}
