#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "PlayFixture.h"
#include "shell/TextRenderer.h"
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
    Text3D::TextObject* display(const MathStuff::Vector3<float>& position, const char* text) override
    {
        shown.push_back(text);
        places.push_back(position);
        ++displays;
        return nullptr;
    }
    void clear() override
    {
        shown.clear();
        places.clear();
    }
    void erase(int index, int count) override
    {
        if (index >= 0 && count > 0 && index + count <= static_cast<int>(shown.size())) {
            shown.erase(shown.begin() + index, shown.begin() + index + count);
            places.erase(places.begin() + index, places.begin() + index + count);
        }
    }
    std::vector<std::string> shown;
    std::vector<MathStuff::Vector3<float> > places;
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
        WorldTests::LevelTestGame::setKey("SCORE_POS", "-330,330");
        WorldTests::LevelTestGame::setKey("SCORE_NUM_DIGITS", "5");
        WorldTests::LevelTestGame::setKey("TIMER_POS", "300,330,2");
        WorldTests::LevelTestGame::setKey("TIMER_NUM_DIGITS", "2");
    }
};

class HUD : public PlayFixture {
protected:
    std::vector<std::string> shown() const { return hud.renderer->shown; }

    HUDKeys keys;
    TestHUD hud;
};

TEST_F(HUD, ScoreIsPaddedToItsDigitsAndNeverCut)
{
    hud.setScore(7); // kept until a font comes
    hud.setFont(nullptr);
    ASSERT_NE(hud.renderer, nullptr);
    EXPECT_EQ(shown(), std::vector<std::string>{"00007"});
    EXPECT_FLOAT_EQ(hud.renderer->places[0].x, -330.0f);
    EXPECT_FLOAT_EQ(hud.renderer->places[0].y, 330.0f);
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
    EXPECT_FLOAT_EQ(hud.renderer->places[1].z, 2.0f);
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

} // namespace
