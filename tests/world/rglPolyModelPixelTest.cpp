// A line model on a physical body drawn through the real render controller in a
// GL context under Xvfb, read back from the window; and the line smoothing a
// run of line models switches, counted at the GL entry points.

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Camera.h"
#include "core/Event_Effect.h"
#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorldItem.h"
#include "physics/ModelInfo.h"
#include "render/rglController.h"
#include "shell/KeptDrawState.h"
#include "world/rglPolyModel.h"

// The test defines glEnable, glDisable and glDrawArrays itself (its own
// definitions win over the GL library's at link time): each counts what the
// line smoothing does, then passes the call on to the library.
namespace SmoothingLog {

struct Log {
    int switches = 0;              // glEnable or glDisable of GL_LINE_SMOOTH
    bool on = false;               // GL's smoothing, off in a new context
    std::vector<bool> drawnSmooth; // per draw, whether smoothing was on
};

Log& log()
{
    static Log l_log;
    return l_log;
}

template <typename Entry>
Entry library(const char* name)
{
    return reinterpret_cast<Entry>(dlsym(RTLD_NEXT, name));
}

void switched(GLenum cap, bool on)
{
    if (cap != GL_LINE_SMOOTH)
        return;
    ++log().switches;
    log().on = on;
}

} // namespace SmoothingLog

extern "C" {

void glEnable(GLenum cap)
{
    static const auto l_enable = SmoothingLog::library<void (*)(GLenum)>("glEnable");
    SmoothingLog::switched(cap, true);
    l_enable(cap);
}

void glDisable(GLenum cap)
{
    static const auto l_disable = SmoothingLog::library<void (*)(GLenum)>("glDisable");
    SmoothingLog::switched(cap, false);
    l_disable(cap);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    static const auto l_draw = SmoothingLog::library<void (*)(GLenum, GLint, GLsizei)>("glDrawArrays");
    SmoothingLog::log().drawnSmooth.push_back(SmoothingLog::log().on);
    l_draw(mode, first, count);
}

} // extern "C"

namespace {

const int WIDTH = 160;
const int HEIGHT = 120;
const std::string FILE_NAME = FRELMORY_TEST_DATA_DIR "/draw_square.cfg";
typedef MathStuff::Vector3<float> Vec;
typedef std::array<int, 3> Rgb;

// Near 1, far 100, fov 45 over the whole window, no zoom, no vertical sync.
const Render::ViewData START_VIEW{1.0f, 100.0f, 45.0f, 0, 0, WIDTH, HEIGHT, 1.0f, 1.0f, 0};

class rglPolyModelPixelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(glfwInit());
        glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
        glfwWindowHint(GLFW_DEPTH_BITS, 24);
        m_window = glfwCreateWindow(WIDTH, HEIGHT, "line models", nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
        glfwMakeContextCurrent(m_window);
        ASSERT_EQ(glewInit(), GLEW_OK);
        glViewport(0, 0, WIDTH, HEIGHT);
        // The controller's init (culling, projection, subscriptions) runs here.
        game.runGame(nullptr, nullptr, nullptr, &controller, nullptr);
    }

    // GLFW stays initialised until the process ends: terminating it unloads
    // Mesa's driver, whose own leftovers would then count as leaks.
    void TearDown() override
    {
        if (m_window)
            glfwDestroyWindow(m_window);
    }

    // The model's one part on the blueprint's one body at the origin, seen from
    // +z looking down -z; the colour at the window's centre.
    Rgb drawOnBody(const std::string& modelName)
    {
        Physics::ModelInfo info(FILE_NAME);
        KWEP::rglPolyModel model(info.makeModel(modelName));
        Physics::ChipmunkBlueprint blueprint("BODY", FILE_NAME);
        Physics::ChipmunkWorldItem item(new Physics::ChipmunkItem(&blueprint, Vec(0, 0, 0), 0.0f));
        item.setModel(&model, {{model.getPartNames().front(), "body"}});

        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        EVT::Event_Camera camera(EVT::EVENT_CAMERA, Vec(0, 0, 10), Vec(0, 0, -1), Vec(0, 1, 0), Vec(1, 1, 1));
        EVT::EventBus::instance()->raiseEvent(&camera, false);
        item.render();
        glFinish();
        unsigned char p[4] = {};
        glReadPixels(WIDTH / 2, HEIGHT / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return Rgb{p[0], p[1], p[2]};
    }

    RGL::rglController controller{START_VIEW};
    TestSupport::TestGame game;

private:
    GLFWwindow* m_window = nullptr;
};

TEST_F(rglPolyModelPixelTest, ClockwiseZySquareOnABodyShowsItsColour)
{
    EXPECT_EQ(drawOnBody("SQUARE"), (Rgb{0x20, 0xC0, 0x40}));
}

// A frame draws many line models one after another: filled parts draw
// unsmoothed and lines smoothed, yet smoothing is switched only where one
// part differs from the one before, and what the effects set comes back once
// at the end of the kept run, or after the model drawn alone.
TEST_F(rglPolyModelPixelTest, AKeptRunOfModelsSwitchesSmoothingOnlyWhereThePartsDiffer)
{
    EVT::Event_Effect smooth(EVT::EVENT_EFFECT, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
    EVT::EventBus::instance()->raiseEvent(&smooth, false);
    Physics::ModelInfo info(FILE_NAME);
    KWEP::rglPolyModel filled(info.makeModel("SQUARE"));
    KWEP::rglPolyModel outlined(info.makeModel("OUTLINED"));
    const MathStuff::Orientation<float> place;
    SmoothingLog::log() = SmoothingLog::Log{0, true, {}};
    {
        const Render::KeptDrawState kept(&controller);
        for (KWEP::rglPolyModel* model : {&filled, &filled, &filled, &outlined, &filled, &filled})
            model->display(&place);
    }
    EXPECT_EQ(SmoothingLog::log().drawnSmooth, (std::vector<bool>{false, false, false, false, true, false, false}));
    // Off before the first fill, on for the rim, off after it, on at the end.
    EXPECT_EQ(SmoothingLog::log().switches, 4);
    EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));

    filled.display(&place);
    EXPECT_EQ(SmoothingLog::log().switches, 6);
    EXPECT_TRUE(glIsEnabled(GL_LINE_SMOOTH));
}

TEST_F(rglPolyModelPixelTest, CounterClockwiseSquareDrawsNothing)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(drawOnBody("BACKWARDS"), (Rgb{0, 0, 0}));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("backwards"), std::string::npos);
}

} // namespace
