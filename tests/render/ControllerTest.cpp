// The render controller against a real GL context (under Xvfb): view data merges,
// projections, camera, viewport, scissor, effects, pick rays and screen copies,
// checked through GL's own state and pixels.

#include "GLWindow.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Camera.h"
#include "core/Event_Effect.h"
#include "core/Event_Scissor.h"
#include "core/Event_Screen.h"
#include "core/Event_View.h"
#include "core/Event_Viewport.h"
#include "render/rglController.h"

#include <GL/glu.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>

namespace
{
    using RenderTest::GLWindow;
    using RenderTest::HEIGHT;
    using RenderTest::WIDTH;
    using Matrix = std::array<double, 16>;
    using Vec = MathStuff::Vector3<float>;

    Matrix matrix(GLenum which)
    {
        Matrix m{};
        glGetDoublev(which, m.data());
        return m;
    }

    Matrix orthoMatrix(double l, double r, double b, double t, double n, double f)
    {
        Matrix m{};
        m[0] = 2 / (r - l);
        m[5] = 2 / (t - b);
        m[10] = -2 / (f - n);
        m[12] = -(r + l) / (r - l);
        m[13] = -(t + b) / (t - b);
        m[14] = -(f + n) / (f - n);
        m[15] = 1;
        return m;
    }

    Matrix perspectiveMatrix(double fovy, double aspect, double n, double f)
    {
        const double c = 1.0 / std::tan(fovy * M_PI / 360.0);
        Matrix m{};
        m[0] = c / aspect;
        m[5] = c;
        m[10] = (f + n) / (n - f);
        m[11] = -1;
        m[14] = 2 * f * n / (n - f);
        return m;
    }

    void expectMatrix(const Matrix& actual, const Matrix& expected)
    {
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(actual[i], expected[i], 1e-4 * (1 + std::fabs(expected[i]))) << "entry " << i;
    }

    void expectView(const Render::ViewData& a, const Render::ViewData& b)
    {
        EXPECT_EQ(a.near, b.near);
        EXPECT_EQ(a.far, b.far);
        EXPECT_EQ(a.fov, b.fov);
        EXPECT_EQ(a.x, b.x);
        EXPECT_EQ(a.y, b.y);
        EXPECT_EQ(a.w, b.w);
        EXPECT_EQ(a.h, b.h);
        EXPECT_EQ(a.zoomX, b.zoomX);
        EXPECT_EQ(a.zoomY, b.zoomY);
        EXPECT_EQ(a.vsync, b.vsync);
    }

    std::array<int, 4> intsOf(GLenum which)
    {
        std::array<int, 4> v{};
        glGetIntegerv(which, v.data());
        return v;
    }

    float floatOf(GLenum which)
    {
        GLfloat v = 0;
        glGetFloatv(which, &v);
        return v;
    }

    // Marks the viewport and projection so that a test sees whether they were set.
    void markState()
    {
        glViewport(7, 7, 7, 7);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
    }

    const std::array<int, 4> MARK = {7, 7, 7, 7};
    const Matrix IDENTITY = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    class ControllerTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(window.ok());
            markState();
        }

        void view(int mode, const Render::ViewData& data)
        {
            EVT::Event_View event(EVT::EVENT_VIEW, mode, data);
            controller.handleEvent(&event);
        }

        void camera(const Vec& position, const Vec& direction, const Vec& up)
        {
            EVT::Event_Camera event(EVT::EVENT_CAMERA, position, direction, up, Vec(1, 1, 1));
            controller.handleEvent(&event);
        }

        void effect(const EVT::Event_Effect& event)
        {
            EVT::Event_Effect copy(event);
            controller.handleEvent(&copy);
        }

        GLWindow window;
        RGL::rglController controller{RenderTest::windowView()};
    };

    // ---- view data ----

    struct MergeCase
    {
        const char* field;
        std::function<void(Render::ViewData&)> change;
        bool setsViewport;
    };

    TEST_F(ControllerTest, SetViewDataMergesEachGivenFieldAndSetsTheViewportOnlyForItsFields)
    {
        const MergeCase cases[] = {
            {"nothing", [](Render::ViewData&) {}, false},
            {"near", [](Render::ViewData& v) { v.near = 2.5f; }, false},
            {"far", [](Render::ViewData& v) { v.far = 50.0f; }, false},
            {"fov", [](Render::ViewData& v) { v.fov = 60.0f; }, false},
            {"x", [](Render::ViewData& v) { v.x = 3; }, true},
            {"x as current", [](Render::ViewData& v) { v.x = 0; }, true},
            {"y", [](Render::ViewData& v) { v.y = 4; }, true},
            {"w", [](Render::ViewData& v) { v.w = 80; }, true},
            {"h", [](Render::ViewData& v) { v.h = 60; }, true},
            {"zoomX", [](Render::ViewData& v) { v.zoomX = 2.0f; }, false},
            {"zoomY", [](Render::ViewData& v) { v.zoomY = 3.0f; }, false},
            {"vsync", [](Render::ViewData& v) { v.vsync = 1; }, false},
            {"the whole viewport at once", [](Render::ViewData& v) { v.x = 3; v.y = 4; v.w = 80; v.h = 60; }, true},
            {"y and h", [](Render::ViewData& v) { v.y = 4; v.h = 60; }, true},
            {"near, far, fov and both zooms at once",
             [](Render::ViewData& v) { v.near = 2.5f; v.far = 50.0f; v.fov = 60.0f; v.zoomX = 2.0f; v.zoomY = 3.0f; },
             false},
            {"every field", [](Render::ViewData& v) {
                 v.x = 3; v.y = 4; v.w = 80; v.h = 60; v.near = 2.5f; v.far = 50.0f; v.fov = 60.0f;
                 v.zoomX = 2.0f; v.zoomY = 3.0f; v.vsync = 1; }, true},
        };
        for (const MergeCase& c : cases) {
            SCOPED_TRACE(c.field);
            RGL::rglController fresh(RenderTest::windowView());
            Render::ViewData given;
            c.change(given);
            Render::ViewData expected = RenderTest::windowView();
            c.change(expected);
            markState();
            fresh.setViewData(given);
            expectView(fresh.getViewData(), expected);
            const std::array<int, 4> viewport = intsOf(GL_VIEWPORT);
            if (c.setsViewport)
                EXPECT_EQ(viewport, (std::array<int, 4>{expected.x, expected.y, expected.w, expected.h}));
            else
                EXPECT_EQ(viewport, MARK);
        }
    }

    TEST_F(ControllerTest, ConstructorCopiesKeepValuesVerbatimAndMakesNoGLCall)
    {
        RGL::rglController keepAll{Render::ViewData()};
        expectView(keepAll.getViewData(), Render::ViewData());
        EXPECT_EQ(intsOf(GL_VIEWPORT), MARK);
    }

    TEST_F(ControllerTest, PopRestoresThePushedViewAndSetsTheViewportAgain)
    {
        controller.pushViewData();
        Render::ViewData change;
        change.x = 10;
        change.w = 20;
        change.fov = 90.0f;
        change.far = 5.0f;
        controller.setViewData(change);
        markState();
        controller.popViewData();
        expectView(controller.getViewData(), RenderTest::windowView());
        EXPECT_EQ(intsOf(GL_VIEWPORT), (std::array<int, 4>{0, 0, WIDTH, HEIGHT}));
        expectMatrix(matrix(GL_PROJECTION_MATRIX), IDENTITY);

        markState();
        controller.popViewData(); // empty stack
        expectView(controller.getViewData(), RenderTest::windowView());
        EXPECT_EQ(intsOf(GL_VIEWPORT), MARK);
    }

    // ---- view events ----

    TEST_F(ControllerTest, OrthographicViewMapsWindowPixelsAndZoomsAboutTheFarCorner)
    {
        glEnable(GL_DEPTH_TEST);
        view(EVT::Event_View::ORTHOGRAPHIC, Render::ViewData());
        expectMatrix(matrix(GL_PROJECTION_MATRIX), orthoMatrix(0, WIDTH, 0, HEIGHT, -1, 100));
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_EQ(controller.getViewData().near, 1.0f); // the event's near 0 gave -1 alone
        EXPECT_EQ(intsOf(GL_VIEWPORT), MARK);

        Render::ViewData zoom;
        zoom.zoomX = 2.0f;
        zoom.zoomY = 2.0f;
        zoom.near = 0.5f;
        view(EVT::Event_View::ORTHOGRAPHIC, zoom);
        expectMatrix(matrix(GL_PROJECTION_MATRIX),
                     orthoMatrix(-WIDTH, 2 * WIDTH, -HEIGHT, 2 * HEIGHT, 0.5, 100));
        EXPECT_EQ(controller.getViewData().near, 0.5f);

        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_PROJECTION);
    }

    TEST_F(ControllerTest, PerspectiveViewUsesZoomedFovAndTheAspectAfterTheMerge)
    {
        Render::ViewData data;
        data.zoomX = 0.5f;
        data.h = 80;
        view(EVT::Event_View::PERSPECTIVE, data);
        expectMatrix(matrix(GL_PROJECTION_MATRIX), perspectiveMatrix(22.5, WIDTH / 80.0, 1, 100));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_EQ(intsOf(GL_VIEWPORT), (std::array<int, 4>{0, 0, WIDTH, 80}));
    }

    TEST_F(ControllerTest, AnotherModeOnlyMerges)
    {
        Render::ViewData data;
        data.fov = 70.0f;
        view(7, data);
        EXPECT_EQ(controller.getViewData().fov, 70.0f);
        expectMatrix(matrix(GL_PROJECTION_MATRIX), IDENTITY);
    }

    TEST_F(ControllerTest, ADegenerateViewMergesButKeepsThePreviousProjection)
    {
        struct Case
        {
            const char* name;
            int mode;
            std::function<void(Render::ViewData&)> change;
        };
        const Case cases[] = {
            {"zero height, orthographic", 0, [](Render::ViewData& v) { v.h = 0; }},
            {"zero height, perspective", 1, [](Render::ViewData& v) { v.h = 0; }},
            {"negative width", 1, [](Render::ViewData& v) { v.w = -4; }},
            {"near 0", 1, [](Render::ViewData& v) { v.near = 0.0f; }},
            {"negative near", 1, [](Render::ViewData& v) { v.near = -1.0f; }},
            {"far at near", 1, [](Render::ViewData& v) { v.far = 1.0f; }},
            {"zoomed field of view 180", 1, [](Render::ViewData& v) { v.zoomX = 6.0f; }},
            {"negative field of view", 1, [](Render::ViewData& v) { v.zoomX = -1.0f; }},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Render::ViewData start = RenderTest::windowView();
            c.change(start);
            RGL::rglController fresh(start);
            markState();
            Render::ViewData data;
            data.fov = 30.0f;
            EVT::Event_View event(EVT::EVENT_VIEW, c.mode, data);
            fresh.handleEvent(&event);
            EXPECT_EQ(fresh.getViewData().fov, 30.0f);
            expectMatrix(matrix(GL_PROJECTION_MATRIX), IDENTITY);
        }
    }

    // ---- camera ----

    TEST_F(ControllerTest, CameraLoadsTheViewOfItsPositionDirectionAndUpAsGiven)
    {
        struct Case
        {
            const char* name;
            Vec position, direction, up;
        };
        const Case cases[] = {
            {"axis-aligned", Vec(1, 2, 3), Vec(0, 0, -1), Vec(0, 1, 0)},
            {"turned", Vec(4, -1, 2), Vec(1, 0, 0), Vec(0, 1, 0)},
            {"up not orthogonal", Vec(0, 0, 5), Vec(0, 0, -1), Vec(0, 1, 1)},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            glMatrixMode(GL_PROJECTION);
            camera(c.position, c.direction, c.up);
            const Vec f = c.direction, u = c.up, p = c.position;
            const Vec s = crossProduct(u, Vec(-f.x, -f.y, -f.z));
            const Matrix expected = {s.x,  u.x, -f.x, 0, s.y, u.y, -f.y, 0, s.z, u.z, -f.z, 0,
                                     -(s.x * p.x + s.y * p.y + s.z * p.z),
                                     -(u.x * p.x + u.y * p.y + u.z * p.z),
                                     f.x * p.x + f.y * p.y + f.z * p.z, 1};
            expectMatrix(matrix(GL_MODELVIEW_MATRIX), expected);
            GLint mode = 0;
            glGetIntegerv(GL_MATRIX_MODE, &mode);
            EXPECT_EQ(mode, GL_MODELVIEW);
        }
        // The axis-aligned camera is a plain translation.
        camera(Vec(1, 2, 3), Vec(0, 0, -1), Vec(0, 1, 0));
        const Matrix m = matrix(GL_MODELVIEW_MATRIX);
        EXPECT_EQ(m[12], -1);
        EXPECT_EQ(m[13], -2);
        EXPECT_EQ(m[14], -3);
    }

    // ---- screen, viewport, scissor ----

    TEST_F(ControllerTest, ScreenAndViewportEventsSetTheViewport)
    {
        EVT::Event_Viewport viewport(EVT::EVENT_VIEWPORT, 10, 20, 30, 40);
        controller.handleEvent(&viewport);
        EXPECT_EQ(intsOf(GL_VIEWPORT), (std::array<int, 4>{10, 20, 30, 40}));
        EXPECT_EQ(controller.getViewData().y, 20);
        EXPECT_EQ(controller.getViewData().h, 40);

        EVT::Event_Screen screen(EVT::EVENT_SCREEN, 100, 90);
        controller.handleEvent(&screen);
        EXPECT_EQ(intsOf(GL_VIEWPORT), (std::array<int, 4>{0, 0, 100, 90}));
        EXPECT_EQ(controller.getViewData().x, 0);
        EXPECT_EQ(controller.getViewData().w, 100);
    }

    TEST_F(ControllerTest, ScissorEventSetsTheBoxOrSwitchesTheTestOff)
    {
        EVT::Event_Scissor on(EVT::EVENT_SCISSOR, true, 5, 6, 7, 8);
        controller.handleEvent(&on);
        EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
        EXPECT_EQ(intsOf(GL_SCISSOR_BOX), (std::array<int, 4>{5, 6, 7, 8}));
        EVT::Event_Scissor off(EVT::EVENT_SCISSOR, false, 1, 1, 1, 1);
        controller.handleEvent(&off);
        EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
        EXPECT_EQ(intsOf(GL_SCISSOR_BOX), (std::array<int, 4>{5, 6, 7, 8}));
    }

    TEST_F(ControllerTest, AnEventOfAnotherClassUnderARenderIdIsIgnored)
    {
        EVT::EventWithString action(EVT::EVENT_VIEWPORT, "ANYWHERE");
        controller.handleEvent(&action);
        EXPECT_EQ(intsOf(GL_VIEWPORT), MARK);
        controller.handleEvent(nullptr);
    }

    // ---- effects ----

    struct EffectCase
    {
        const char* name;
        std::function<void()> before;
        std::vector<EVT::Event_Effect> events;
        std::function<void(const RGL::rglController&)> check;
    };

    EVT::Event_Effect fog(int start, int end, unsigned char r, unsigned char g, unsigned char b)
    {
        return EVT::Event_Effect(EVT::EVENT_EFFECT, start, end, r, g, b, 255);
    }

    EVT::Event_Effect lines(int depth, float maxWidth, float width, int smooth)
    {
        return EVT::Event_Effect(EVT::EVENT_EFFECT, 0, 0, 0, 0, 0, 0, 0, 0, 0, depth, maxWidth, width,
                                 smooth);
    }

    TEST_F(ControllerTest, EffectFieldsEachSetTheirStateOrLeaveIt)
    {
        const EffectCase cases[] = {
            {"fog start 100 switches fog off and ignores the rest",
             [] { glEnable(GL_FOG); glFogf(GL_FOG_START, 3.0f); },
             {fog(100, 50, 255, 0, 0)},
             [](const RGL::rglController&) {
                 EXPECT_FALSE(glIsEnabled(GL_FOG));
                 EXPECT_EQ(floatOf(GL_FOG_START), 3.0f);
             }},
            {"fog on from the far plane",
             [] { glDisable(GL_FOG); },
             {fog(10, 50, 255, 0, 51)},
             [](const RGL::rglController&) {
                 EXPECT_TRUE(glIsEnabled(GL_FOG));
                 EXPECT_FLOAT_EQ(floatOf(GL_FOG_START), 10.0f);
                 EXPECT_FLOAT_EQ(floatOf(GL_FOG_END), 50.0f);
                 GLfloat colour[4] = {};
                 glGetFloatv(GL_FOG_COLOR, colour);
                 EXPECT_FLOAT_EQ(colour[0], 1.0f);
                 EXPECT_FLOAT_EQ(colour[1], 0.0f);
                 EXPECT_FLOAT_EQ(colour[2], 0.2f);
                 EXPECT_FLOAT_EQ(colour[3], 1.0f);
                 EXPECT_EQ(intsOf(GL_FOG_MODE)[0], GL_LINEAR);
             }},
            {"fog start 0 leaves fog untouched",
             [] { glEnable(GL_FOG); glFogf(GL_FOG_START, 3.0f); },
             {fog(0, 50, 255, 0, 0)},
             [](const RGL::rglController&) {
                 EXPECT_TRUE(glIsEnabled(GL_FOG));
                 EXPECT_EQ(floatOf(GL_FOG_START), 3.0f);
             }},
            {"scale multiplies the current matrix",
             [] { glMatrixMode(GL_MODELVIEW); glLoadIdentity(); },
             {EVT::Event_Effect(EVT::EVENT_EFFECT, 0, 0, 0, 0, 0, 0, 2, 3, 4)},
             [](const RGL::rglController&) {
                 const Matrix m = matrix(GL_MODELVIEW_MATRIX);
                 EXPECT_EQ(m[0], 2);
                 EXPECT_EQ(m[5], 3);
                 EXPECT_EQ(m[10], 4);
             }},
            {"depth test on", [] { glDisable(GL_DEPTH_TEST); }, {lines(1, 0, 0, 0)},
             [](const RGL::rglController&) { EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)); }},
            {"depth test off", [] { glEnable(GL_DEPTH_TEST); }, {lines(2, 0, 0, 0)},
             [](const RGL::rglController&) { EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST)); }},
            {"depth test 0 leaves it", [] { glEnable(GL_DEPTH_TEST); }, {lines(0, 0, 0, 0)},
             [](const RGL::rglController&) { EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)); }},
            {"a maximum caps the width", [] { glLineWidth(1.0f); }, {lines(0, 4, 10, 0)},
             [](const RGL::rglController& c) {
                 EXPECT_EQ(floatOf(GL_LINE_WIDTH), 4.0f);
                 EXPECT_EQ(c.getMaxLineWidth(), 4.0f);
             }},
            {"a negative maximum resets it to 1000", [] { glLineWidth(1.0f); },
             {lines(0, 4, 0, 0), lines(0, -5, 0, 0), lines(0, 0, 1500, 0)},
             [](const RGL::rglController& c) {
                 EXPECT_EQ(floatOf(GL_LINE_WIDTH), 1000.0f);
                 EXPECT_EQ(c.getMaxLineWidth(), 1000.0f);
             }},
            {"width 0 leaves the width", [] { glLineWidth(3.0f); }, {lines(0, 0, 0, 0)},
             [](const RGL::rglController&) { EXPECT_EQ(floatOf(GL_LINE_WIDTH), 3.0f); }},
            {"smoothing on, as the line models are told", [] { glDisable(GL_LINE_SMOOTH); }, {lines(0, 0, 0, 1)},
             [](const RGL::rglController& c) {
                 EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
                 EXPECT_TRUE(c.lineSmoothing());
             }},
            {"smoothing off, as the line models are told", [] { glEnable(GL_LINE_SMOOTH); },
             {lines(0, 0, 0, 1), lines(0, 0, 0, 2)},
             [](const RGL::rglController& c) {
                 EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
                 EXPECT_FALSE(c.lineSmoothing());
             }},
            {"smoothing 0 leaves it, also with depth test 2", [] { glEnable(GL_LINE_SMOOTH); },
             {lines(2, 0, 0, 0)},
             [](const RGL::rglController&) {
                 EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
                 EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
             }},
        };
        for (const EffectCase& c : cases) {
            SCOPED_TRACE(c.name);
            RGL::rglController fresh(RenderTest::windowView());
            c.before();
            for (const EVT::Event_Effect& e : c.events) {
                EVT::Event_Effect copy(e);
                fresh.handleEvent(&copy);
            }
            c.check(fresh);
        }
    }

    // The line models' widths keep to the maximum the effects set.
    TEST_F(ControllerTest, LineWidthsOfTheLineModelsKeepTheEffectsMaximum)
    {
        RGL::rglController fresh(RenderTest::windowView());
        EVT::Event_Effect cap = lines(0, 4, 0, 0);
        fresh.handleEvent(&cap);
        const std::pair<float, float> cases[] = {{2.0f, 2.0f}, {10.0f, 4.0f}, {0.0f, 4.0f}};
        for (const std::pair<float, float>& c : cases) {
            fresh.setLineWidth(c.first);
            EXPECT_EQ(floatOf(GL_LINE_WIDTH), c.second) << "told " << c.first;
        }
    }

    // ---- pick ray ----

    TEST_F(ControllerTest, PickRayRunsFromTheNearToTheFarPlaneUnderThePointer)
    {
        EVT::Event_Screen screen(EVT::EVENT_SCREEN, WIDTH, HEIGHT);
        controller.handleEvent(&screen);
        view(EVT::Event_View::PERSPECTIVE, Render::ViewData());
        camera(Vec(0, 0, 10), Vec(0, 0, -1), Vec(0, 1, 0));
        const Vec centre = controller.getPickRay(WIDTH / 2, HEIGHT / 2);
        EXPECT_NEAR(centre.x, 0.0f, 1e-3);
        EXPECT_NEAR(centre.y, 0.0f, 1e-3);
        EXPECT_NEAR(centre.z, -99.0f, 1e-2);

        // y = 0 is the top of the viewport: window y is the viewport's height,
        // not the window's.
        EVT::Event_Viewport half(EVT::EVENT_VIEWPORT, 0, 0, WIDTH, HEIGHT / 2);
        controller.handleEvent(&half);
        const Vec top = controller.getPickRay(WIDTH / 2, 0);
        EXPECT_NEAR(top.y / -top.z, std::tan(22.5 * M_PI / 180.0), 1e-3);
    }

    TEST_F(ControllerTest, PickRayUnderASingularCameraIsZero)
    {
        view(EVT::Event_View::PERSPECTIVE, Render::ViewData());
        camera(Vec(0, 0, 10), Vec(0, 0, 0), Vec(0, 0, 0));
        const Vec ray = controller.getPickRay(10, 10);
        EXPECT_EQ(ray.x, 0.0f);
        EXPECT_EQ(ray.y, 0.0f);
        EXPECT_EQ(ray.z, 0.0f);
    }

    // ---- screen copies ----

    TEST_F(ControllerTest, ShowScreenDrawsFromItsLowerLeftPixelAlsoAtTheWindowEdge)
    {
        GLWindow::clear(0, 0, 0);
        view(EVT::Event_View::PERSPECTIVE, Render::ViewData());
        view(EVT::Event_View::ORTHOGRAPHIC, Render::ViewData()); // depth test off
        unsigned char red[2 * 2 * 4];
        for (int i = 0; i < 4; ++i) {
            red[i * 4] = 255;
            red[i * 4 + 1] = 0;
            red[i * 4 + 2] = 0;
            red[i * 4 + 3] = 255;
        }
        controller.showScreen(red, 0, 0, 2, 2);
        controller.showScreen(red, WIDTH - 2, HEIGHT - 2, 2, 2);
        const RenderTest::Rgba on{255, 0, 0, 255}, off{0, 0, 0, 255};
        EXPECT_EQ(GLWindow::pixel(0, 0), on);
        EXPECT_EQ(GLWindow::pixel(1, 1), on);
        EXPECT_EQ(GLWindow::pixel(2, 2), off);
        EXPECT_EQ(GLWindow::pixel(WIDTH - 1, HEIGHT - 1), on);
        EXPECT_EQ(GLWindow::pixel(WIDTH - 2, HEIGHT - 2), on);
        EXPECT_EQ(GLWindow::pixel(WIDTH - 3, HEIGHT - 3), off);
        // The viewport and the matrices are as they were.
        EXPECT_EQ(intsOf(GL_VIEWPORT), MARK);
        expectMatrix(matrix(GL_PROJECTION_MATRIX), orthoMatrix(0, WIDTH, 0, HEIGHT, -1, 100));
    }

    TEST_F(ControllerTest, CopyScreenReadsWhatWasDrawn)
    {
        GLWindow::clear(0, 0, 1);
        glEnable(GL_SCISSOR_TEST);
        glScissor(4, 4, 2, 1);
        GLWindow::clear(0, 1, 0);
        glDisable(GL_SCISSOR_TEST);
        unsigned char rgba[3 * 1 * 4] = {};
        controller.copyScreen(rgba, 3, 4, 3, 1);
        EXPECT_EQ(rgba[2], 255); // (3, 4) blue
        EXPECT_EQ(rgba[4 + 1], 255); // (4, 4) green
        EXPECT_EQ(rgba[8 + 1], 255); // (5, 4) green
        EXPECT_EQ(rgba[8 + 2], 0);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    // Rows of an odd width under a caller's 8-byte row alignment: the rows stay
    // packed one after the other, and the caller's alignment comes back.
    TEST_F(ControllerTest, ScreenCopiesKeepOddRowsPackedAndTheCallersAlignment)
    {
        GLWindow::clear(0, 0, 0);
        view(EVT::Event_View::PERSPECTIVE, Render::ViewData());
        view(EVT::Event_View::ORTHOGRAPHIC, Render::ViewData());
        glPixelStorei(GL_PACK_ALIGNMENT, 8);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
        // Row 0 red, red, red; row 1 green, blue, blue.
        unsigned char shown[3 * 2 * 4] = {255, 0, 0, 255, 255, 0, 0,   255, 255, 0, 0,   255,
                                          0,   255, 0, 255, 0, 0, 255, 255, 0,   0, 255, 255};
        controller.showScreen(shown, 10, 10, 3, 2);
        unsigned char read[3 * 2 * 4] = {};
        controller.copyScreen(read, 10, 10, 3, 2);
        for (int i = 0; i < 3 * 2 * 4; ++i)
            EXPECT_EQ(read[i], shown[i]) << "byte " << i;
        GLint pack = 0, unpack = 0;
        glGetIntegerv(GL_PACK_ALIGNMENT, &pack);
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
        EXPECT_EQ(pack, 8);
        EXPECT_EQ(unpack, 8);
    }

    // ---- init ----

    TEST_F(ControllerTest, InitCullsSubscribesAndSetsTheInitialPerspective)
    {
        glDisable(GL_CULL_FACE);
        glDisable(GL_DEPTH_TEST);
        controller.init();
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        expectMatrix(matrix(GL_PROJECTION_MATRIX), perspectiveMatrix(45, double(WIDTH) / HEIGHT, 1, 100));
        EXPECT_EQ(intsOf(GL_VIEWPORT), MARK); // all keep values: viewport untouched

        EVT::EventBus* bus = EVT::EventBus::instance();
        EVT::Event_Screen screen(EVT::EVENT_SCREEN, 100, 90);
        bus->raiseEvent(&screen, false);
        EXPECT_EQ(controller.getViewData().w, 100);
        EVT::Event_Viewport viewport(EVT::EVENT_VIEWPORT, 1, 2, 3, 4);
        bus->raiseEvent(&viewport, false);
        EXPECT_EQ(intsOf(GL_VIEWPORT), (std::array<int, 4>{1, 2, 3, 4}));
        EVT::Event_Scissor scissor(EVT::EVENT_SCISSOR, true, 1, 1, 2, 2);
        bus->raiseEvent(&scissor, false);
        EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
        EVT::Event_Camera cam(EVT::EVENT_CAMERA, Vec(0, 0, 3), Vec(0, 0, -1), Vec(0, 1, 0), Vec(1, 1, 1));
        bus->raiseEvent(&cam, false);
        EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX)[14], -3);
        Render::ViewData fov;
        fov.fov = 30.0f;
        EVT::Event_View v(EVT::EVENT_VIEW, 5, fov);
        bus->raiseEvent(&v, false);
        EXPECT_EQ(controller.getViewData().fov, 30.0f);
        EVT::Event_Effect e = lines(0, 0, 5, 0);
        bus->raiseEvent(&e, false);
        EXPECT_EQ(floatOf(GL_LINE_WIDTH), 5.0f);
    }
}
