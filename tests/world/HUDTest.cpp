#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <string>
#include <vector>

#include "PlayFixture.h"
#include "core/Conversions.h"
#include "core/Info.h"
#include "core/PointsString.h"
#include "shell/TextRenderer.h"
#include "shell/MoveableItem.h"
#include "world/Snowman.h"
#include "world/glHUD.h"

namespace {

// The GL calls of the HUD, recorded in place of a driver: these definitions
// win over the GL library's at link time.
std::vector<std::string>& glCalls()
{
    static std::vector<std::string> l_calls;
    return l_calls;
}

} // namespace

extern "C" {
void glMatrixMode(GLenum mode) { glCalls().push_back(mode == GL_MODELVIEW ? "modelview" : "other"); }
void glLoadIdentity() { glCalls().push_back("identity"); }
void glTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    glCalls().push_back("translate " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z));
}
}

namespace {

using namespace PlayTests;

// Keeps the texts it is asked to show, in order, as plain strings.
class RecordingRenderer : public Text3D::TextRenderer {
public:
    RecordingRenderer() : Text3D::TextRenderer(nullptr, 40, 20) {}
    using Text3D::TextRenderer::display;
    Text3D::TextObject* display(const MathStuff::Vector3<float>& position, const char* text, float scale) override
    {
        shown.push_back(text);
        places.push_back(position);
        scales.push_back(scale);
        ++displays;
        return nullptr;
    }
    void clear() override
    {
        shown.clear();
        places.clear();
        scales.clear();
    }
    void erase(int index, int count) override
    {
        if (index >= 0 && count > 0 && index + count <= static_cast<int>(shown.size())) {
            shown.erase(shown.begin() + index, shown.begin() + index + count);
            places.erase(places.begin() + index, places.begin() + index + count);
            scales.erase(scales.begin() + index, scales.begin() + index + count);
        }
    }
    std::vector<std::string> shown;
    std::vector<MathStuff::Vector3<float> > places;
    std::vector<float> scales;
    int displays = 0;
};

class TestHUD : public KWEP::glHUD {
public:
    RecordingRenderer* renderer = nullptr;

protected:
    Text3D::TextRenderer* createRenderer(const Text3D::Font*) override { return renderer = new RecordingRenderer; }
};

// The HUD keys, set before the HUD reads them.
struct HUDKeys {
    HUDKeys()
    {
        WorldTests::LevelTestGame::setKey("SCORE_POS", "5,5");
        WorldTests::LevelTestGame::setKey("SCORE_NUM_DIGITS", "5");
        WorldTests::LevelTestGame::setKey("TIMER_POS", "90,5");
        WorldTests::LevelTestGame::setKey("TIMER_NUM_DIGITS", "2");
        WorldTests::LevelTestGame::setKey("HUD_TEXT_HEIGHT", "5");
    }
};

class HUD : public PlayFixture {
protected:
    ~HUD() override { world->setCameraItem(nullptr); }
    std::vector<std::string> shown() const { return hud.renderer->shown; }
    // The play camera at the position, over a window of the size with the
    // field of view, as the render controller holds them while play is drawn.
    void view(const Vec& at, float fov, int width, int height)
    {
        if (!camera)
            camera = new Game::MoveableItem(nullptr); // the world's: it goes with the level
        camera->getOrientation().position = at;
        world->setCameraItem(camera);
        game.render.view.fov = fov;
        game.render.view.w = width;
        game.render.view.h = height;
    }

    HUDKeys keys;
    TestHUD hud;
    Game::MoveableItem* camera = nullptr;
};

// Where a HUD text shows in the window, worked out from the perspective of a
// camera looking along -z: its first letter's centre and a digit's height, in
// pixels from the top left corner.
struct OnScreen {
    float x, y, digitHeight, advance;
};

OnScreen project(const MathStuff::Vector3<float>& at, float scale, const MathStuff::Vector3<float>& camera, float fov,
                 int width, int height)
{
    const float pixelsPerUnit = height / (2.0f * camera.z * std::tan(fov * 3.14159265f / 360.0f));
    return {width * 0.5f + (at.x - camera.x) * pixelsPerUnit, height * 0.5f - (at.y - camera.y) * pixelsPerUnit,
            7.0f * scale * pixelsPerUnit, 7.0f * scale * pixelsPerUnit};
}

TEST_F(HUD, ScoreIsPaddedToItsDigitsAndNeverCut)
{
    hud.setScore(7); // kept until a font comes
    hud.setFont(nullptr);
    ASSERT_NE(hud.renderer, nullptr);
    EXPECT_EQ(shown(), std::vector<std::string>{"00007"});
    hud.setScore(1234567);
    EXPECT_EQ(shown(), std::vector<std::string>{"1234567"});
    hud.setOn(false);
    EXPECT_TRUE(shown().empty());
    hud.setScore(42); // kept while off, drawn when switched on
    hud.setOn(true);
    EXPECT_EQ(shown(), std::vector<std::string>{"00042"});

    setKey("SCORE_NUM_DIGITS", "");
    TestHUD unpadded;
    unpadded.setFont(nullptr);
    unpadded.setScore(7);
    EXPECT_EQ(unpadded.renderer->shown, std::vector<std::string>{"7"});
}

TEST_F(HUD, TimerIsRedrawnOnlyWhenItsWholeSecondsChange)
{
    hud.setFont(nullptr);
    hud.renderHUD(); // no world: nothing drawn
    EXPECT_TRUE(glCalls().empty());
    hud.setWorld(world);
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    snowman->update(10000 - 2999);
    const int viewEvents = game.render.viewEvents;
    hud.renderHUD();
    EXPECT_EQ(game.render.viewEvents, viewEvents + 2);
    EXPECT_EQ(game.render.lastViewMode, 1); // back to the perspective view
    EXPECT_EQ(glCalls(), (std::vector<std::string>{"modelview", "identity", "translate 0.375000 0.375000 0.000000"}));
    EXPECT_EQ(shown(), (std::vector<std::string>{"00000", "02"}));
    const int displays = hud.renderer->displays;
    snowman->update(999); // 2000 ms: still 2
    hud.renderHUD();
    EXPECT_EQ(hud.renderer->displays, displays);
    snowman->update(1);
    hud.renderHUD();
    EXPECT_EQ(shown(), (std::vector<std::string>{"00000", "01"}));

    // Without a snowman the timer stays until the next score clears it.
    delete snowman;
    hud.renderHUD();
    EXPECT_EQ(shown(), (std::vector<std::string>{"00000", "01"}));
    hud.setScore(3);
    EXPECT_EQ(shown(), std::vector<std::string>{"00003"});
}

TEST_F(HUD, TimerStopsAtZeroWhenALongFrameOverrunsTheThrow)
{
    hud.setFont(nullptr);
    hud.setWorld(world);
    KWEP::Snowman* snowman = add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    snowman->update(9500);
    snowman->update(1700); // the throw, 1200 ms late
    ASSERT_LE(snowman->getThrowTimer(), -1000);
    hud.renderHUD();
    EXPECT_EQ(shown(), (std::vector<std::string>{"00000", "00"}));
}

TEST_F(HUD, TimerIsTheSnowmansAlsoBehindADecorationOfItsKind)
{
    world->apocalypse();
    ASSERT_TRUE(world->genisis("play_level_deco.cfg"));
    ASSERT_EQ(count("BOSS"), 1); // the decoration
    hud.setFont(nullptr);
    hud.setWorld(world);
    KWEP::GameStuff::createSnowman(world);
    ASSERT_EQ(count("BOSS"), 2);
    hud.renderHUD();
    EXPECT_EQ(shown(), (std::vector<std::string>{"00000", "10"}));
}

TEST_F(HUD, TextsArePlacedAnewWhenTheViewChanges)
{
    hud.setFont(nullptr);
    hud.setWorld(world);
    view(Vec(0, 85, 800), 33, 640, 480);
    hud.renderHUD();
    ASSERT_EQ(shown(), std::vector<std::string>{"00000"});
    const float narrow = hud.renderer->scales[0];
    const int displays = hud.renderer->displays;
    hud.renderHUD();
    EXPECT_EQ(hud.renderer->displays, displays) << "an unchanged view draws nothing again";
    view(Vec(0, 85, 800), 90, 640, 480);
    hud.renderHUD();
    EXPECT_EQ(shown(), std::vector<std::string>{"00000"});
    EXPECT_GT(hud.renderer->scales[0], narrow * 2.0f) << "wider view, larger letters in the world";
    view(Vec(0, 85, 800), 0, 640, 480); // a view event's keep value: the last view stands
    hud.renderHUD();
    EXPECT_EQ(hud.renderer->scales.size(), 1u);
}

// The shipped HUD at every field of view the settings offer, in the smallest
// window and larger ones of other shapes: the digits stand at least 16 pixels
// tall in a 480-pixel window and grow with it, and both texts lie inside the
// play view (the top of the window above the map), apart.
TEST_F(HUD, ShippedHudIsReadableInsideThePlayViewAtEveryFieldOfViewAndWindow)
{
    CFG::Info shipped(std::string(FRELMORY_SOURCE_DIR) + "/KWEP.cfg", nullptr);
    for (const char* key : {"SCORE_POS", "SCORE_NUM_DIGITS", "TIMER_POS", "TIMER_NUM_DIGITS", "HUD_TEXT_HEIGHT"})
        setKey(key, shipped.get(key));
    const Vec camera = MathStuff::PointsString(0.0f, false).stringToPoint(shipped.get("CAMERA_XYZ"));
    const float playBottom = Util::strToNum<float>(shipped.get("VIEW_HEIGHT_SCISSOR_PERCENT"), 10, 0.0f) / 100.0f;
    CFG::Info menus(std::string(FRELMORY_SOURCE_DIR) + "/" + shipped.get("MENUS_CONFIG_FILE"), nullptr);
    std::vector<std::string> fovs;
    Util::tokenizeStr(menus.get("ITEM_CHOICES_FOV"), fovs, ",");
    ASSERT_FALSE(fovs.empty());
    const int letters[] = {Util::strToNum<int>(shipped.get("SCORE_NUM_DIGITS"), 10, 0),
                           Util::strToNum<int>(shipped.get("TIMER_NUM_DIGITS"), 10, 0)};
    add<KWEP::Snowman>("P_SNOWMAN", 100, 0);
    const struct {
        int width, height;
    } windows[] = {{640, 480}, {800, 600}, {1280, 720}, {1920, 1080}, {1280, 1024}};
    for (const std::string& fovText : fovs) {
        const float fov = Util::strToNum<float>(fovText, 10, 0.0f);
        for (const auto& window : windows) {
            SCOPED_TRACE(testing::Message() << "fov " << fov << ", " << window.width << "x" << window.height);
            TestHUD fresh;
            fresh.setFont(nullptr);
            fresh.setWorld(world);
            view(camera, fov, window.width, window.height);
            fresh.renderHUD();
            ASSERT_EQ(fresh.renderer->shown.size(), 2u);
            float scoreRight = 0.0f;
            for (int text = 0; text < 2; ++text) {
                const OnScreen at = project(fresh.renderer->places[text], fresh.renderer->scales[text], camera, fov,
                                            window.width, window.height);
                EXPECT_GE(at.digitHeight, 16.0f * window.height / 480.0f - 0.01f);
                EXPECT_LE(at.digitHeight, 24.0f * window.height / 480.0f);
                const float left = at.x - at.advance / 2.0f;
                const float right = at.x + at.advance * (letters[text] - 0.5f);
                EXPECT_GE(left, 0.0f);
                EXPECT_LE(right, static_cast<float>(window.width));
                EXPECT_GE(at.y - at.digitHeight / 2.0f, 0.0f);
                EXPECT_LE(at.y + at.digitHeight / 2.0f, playBottom * window.height);
                if (text == 0)
                    scoreRight = right;
                else
                    EXPECT_LT(scoreRight, left) << "the score runs into the timer";
            }
        }
    }
}

} // namespace
