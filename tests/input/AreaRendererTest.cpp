// Draws on-screen areas into a real GL context (under Xvfb) and reads the pixels back.
// The test plays the render back end's part for the view event: it sets an
// orthographic projection in window pixels, as the back end does at zoom 1.

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_View.h"
#include "core/I_EventConsumer.h"
#include "input/Screen.h"
#include "input/rglScreenAreaRenderer.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace
{
    const int WIDTH = 800;
    const int HEIGHT = 600;

    // Answers the view event with a pixel projection, remembering what it was asked.
    class FakeViewBackEnd : public EVT::I_EventConsumer
    {
    public:
        FakeViewBackEnd() { EVT::EventBus::instance()->addConsumer(EVT::EVENT_VIEW, this); }

        void handleEvent(EVT::I_Event* event) override
        {
            const EVT::Event_View* view = EVT::eventCast<EVT::Event_View>(event);
            ASSERT_NE(view, nullptr);
            ++views;
            mode = view->mode;
            data = view->view;
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(0, WIDTH, 0, HEIGHT, -1, 1);
            glDisable(GL_DEPTH_TEST);
        }

        int views = 0;
        int mode = -1;
        Render::ViewData data;
    };

    struct Rgb { int r, g, b; };

    class AreaRendererTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(glfwInit());
            glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
            m_window = glfwCreateWindow(WIDTH, HEIGHT, "areas", nullptr, nullptr);
            ASSERT_NE(m_window, nullptr);
            glfwMakeContextCurrent(m_window);
            int w = 0, h = 0;
            glfwGetFramebufferSize(m_window, &w, &h);
            ASSERT_EQ(w, WIDTH);
            ASSERT_EQ(h, HEIGHT);
            glViewport(0, 0, WIDTH, HEIGHT);
            // As the render back end leaves it: back faces are culled.
            glEnable(GL_CULL_FACE);
            glCullFace(GL_BACK);
            clear(0, 0, 0);
        }

        void TearDown() override
        {
            // GLFW stays initialised until the process ends: terminating it unloads
            // Mesa's driver, whose own leftovers would then show up as leaks that no
            // module name can suppress.
            if (m_window)
                glfwDestroyWindow(m_window);
        }

        void clear(float r, float g, float b)
        {
            glClearColor(r, g, b, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
        }

        void draw(float left, float top, float width, float height, unsigned long colour, int icon)
        {
            renderer.startRender();
            renderer.drawBox(left, top, width, height, colour, icon);
            renderer.stopRender();
            glFinish();
        }

        // x from the left, y from the bottom of the window.
        Rgb pixel(int x, int y)
        {
            unsigned char p[4] = {0, 0, 0, 0};
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
            return {p[0], p[1], p[2]};
        }

        bool lit(int x, int y)
        {
            const Rgb p = pixel(x, y);
            return p.r || p.g || p.b;
        }

        // Lit pixels in the rectangle [x0, x1) x [y0, y1).
        int litIn(int x0, int y0, int x1, int y1)
        {
            std::vector<unsigned char> p(static_cast<size_t>((x1 - x0) * (y1 - y0)) * 4);
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            glReadPixels(x0, y0, x1 - x0, y1 - y0, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
            int count = 0;
            for (size_t i = 0; i < p.size(); i += 4)
                count += (p[i] || p[i + 1] || p[i + 2]) ? 1 : 0;
            return count;
        }

        GLFWwindow* m_window = nullptr;
        FakeViewBackEnd backEnd;
        Devices::Screen screen{WIDTH, HEIGHT};
        KWEP::rglScreenAreaRenderer renderer{&screen};
    };
}

TEST_F(AreaRendererTest, StartRaisesOneOrthographicViewThatKeepsEveryValue)
{
    EXPECT_EQ(renderer.getScreen(), &screen);
    renderer.startRender();
    EXPECT_EQ(backEnd.views, 1);
    EXPECT_EQ(backEnd.mode, EVT::Event_View::ORTHOGRAPHIC);
    const Render::ViewData& v = backEnd.data;
    EXPECT_EQ(v.near, 0.0f);
    EXPECT_EQ(v.far, 0.0f);
    EXPECT_EQ(v.fov, 0.0f);
    EXPECT_EQ(v.x, -1);
    EXPECT_EQ(v.y, -1);
    EXPECT_EQ(v.w, 0);
    EXPECT_EQ(v.h, 0);
    EXPECT_EQ(v.zoomX, 0.0f);
    EXPECT_EQ(v.zoomY, 0.0f);
    EXPECT_EQ(v.vsync, -1);

    // Modelview: identity moved half a pixel; blending additive until stopRender.
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const GLfloat expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0.5f, 0.5f, 0, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(m[i], expected[i]) << i;
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint src = 0, dst = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    glGetIntegerv(GL_BLEND_DST, &dst);
    EXPECT_EQ(src, GL_SRC_ALPHA);
    EXPECT_EQ(dst, GL_ONE);
    renderer.stopRender();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(AreaRendererTest, FilledRectangleCoversItsAreaInHalfItsColour)
{
    // Area 25, 50, 50, 20 of 800 x 600: x 200 to 600, y 180 to 300 from the bottom.
    draw(25, 50, 50, 20, 0x00ff007fUL, 0);
    const Rgb centre = pixel(400, 240);
    EXPECT_EQ(centre.r, 0);
    EXPECT_NEAR(centre.g, 127, 1);   // green at alpha 127, added to black
    EXPECT_EQ(centre.b, 0);
    for (const auto& inside : {std::pair<int, int>{201, 181}, {598, 181}, {201, 298}, {598, 298}})
        EXPECT_TRUE(lit(inside.first, inside.second)) << inside.first << "," << inside.second;
    for (const auto& outside : {std::pair<int, int>{198, 240}, {602, 240}, {400, 178}, {400, 302}})
        EXPECT_FALSE(lit(outside.first, outside.second)) << outside.first << "," << outside.second;
    EXPECT_EQ(litIn(0, 0, WIDTH, HEIGHT), litIn(199, 179, 602, 302));
}

TEST_F(AreaRendererTest, BlendingAddsToWhatIsThere)
{
    clear(0.5f, 0.0f, 0.0f);
    draw(25, 50, 50, 20, 0x00ff007fUL, 0);
    Rgb p = pixel(400, 240);
    EXPECT_NEAR(p.r, 128, 1);
    EXPECT_NEAR(p.g, 127, 1);
    draw(25, 50, 50, 20, 0x00ff007fUL, 0);
    p = pixel(400, 240);
    EXPECT_NEAR(p.g, 254, 2);
}

TEST_F(AreaRendererTest, EveryIconSurvivesBackFaceCullingAndUnknownIdsFill)
{
    for (int icon : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, -1})
    {
        clear(0, 0, 0);
        draw(25, 50, 50, 20, 0xffffffffUL, icon);
        EXPECT_GT(litIn(0, 0, WIDTH, HEIGHT), 0) << "icon " << icon;
    }
    // Unknown ids draw the same filled rectangle as icon 0.
    clear(0, 0, 0);
    draw(25, 50, 50, 20, 0xffffffffUL, 0);
    const int filled = litIn(0, 0, WIDTH, HEIGHT);
    for (int icon : {10, 100, -1})
    {
        clear(0, 0, 0);
        draw(25, 50, 50, 20, 0xffffffffUL, icon);
        EXPECT_EQ(litIn(0, 0, WIDTH, HEIGHT), filled) << "icon " << icon;
    }
}

TEST_F(AreaRendererTest, OutlineAndFrameLeaveTheInsideEmpty)
{
    draw(25, 50, 50, 20, 0xffffffffUL, 5);
    EXPECT_EQ(litIn(205, 185, 595, 295), 0);
    EXPECT_GT(litIn(199, 230, 203, 250), 0);   // left edge line

    clear(0, 0, 0);
    draw(25, 50, 50, 20, 0xffffffffUL, 6);
    EXPECT_EQ(litIn(206, 186, 594, 294), 0);
    // The frame is 4 pixels wide in an 800-pixel-wide window.
    EXPECT_TRUE(lit(202, 240));
    EXPECT_TRUE(lit(400, 298));
    EXPECT_FALSE(lit(207, 240));
}

TEST_F(AreaRendererTest, ArrowsPointTheirWay)
{
    // Down: the apex is at the bottom middle, so the bottom corners stay dark.
    draw(25, 50, 50, 20, 0xffffffffUL, 1);
    EXPECT_TRUE(lit(400, 182));
    EXPECT_FALSE(lit(205, 185));
    EXPECT_FALSE(lit(595, 185));
    EXPECT_FALSE(lit(205, 295));   // shaft is the middle third only

    clear(0, 0, 0);
    draw(25, 50, 50, 20, 0xffffffffUL, 3);
    EXPECT_TRUE(lit(400, 298));
    EXPECT_FALSE(lit(205, 295));
    EXPECT_FALSE(lit(595, 295));
}

TEST_F(AreaRendererTest, FlagStandsAboveTheArea)
{
    draw(25, 50, 50, 20, 0xffffffffUL, 7);
    EXPECT_EQ(litIn(0, 0, WIDTH, 300), 0);
    EXPECT_GT(litIn(199, 300, 602, 422), 0);
    EXPECT_EQ(litIn(0, 300, WIDTH, HEIGHT), litIn(199, 300, 602, 422));
}
