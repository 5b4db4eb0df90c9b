// The whole program on a hidden window: clientMain with the real render and
// sound back ends, driven by a scripted frame loop. One run per test process,
// since the game keeps tuning values for the rest of a run.
#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "RunFolder.h"
#include "ScriptedWindowApp.h"
#include "client/ClientBackends.h"
#include "client/ClientFSM.h"
#include "client/GameClient.h"
#include "client/SplashPicture.h"
#include "client/clientMain.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Score.h"
#include "input/Keyboard.h"
#include "render/rglController.h"
#include "shell/I_Game.h"
#include "shell/I_RenderController.h"
#include "sound/salController.h"

namespace {

const int WIDTH = 640;
const int HEIGHT = 480;
const int FRAME_LIMIT = 2000;
// Frames to stay in a state before the next keys, so every page is drawn.
const int SETTLE_FRAMES = 5;

// One step of a run: once the game has been in the state for a few frames
// (settle), the action runs and the keys are pressed, one per frame.
struct Step {
    unsigned long state;
    std::vector<unsigned char> keys;
    int settle = SETTLE_FRAMES;
    std::function<void()> action = nullptr;
};

unsigned long currentState()
{
    KWEP::GameClient* client = dynamic_cast<KWEP::GameClient*>(KWEP::TheGame::instance());
    KWEP::ClientFSM* fsm = client ? client->getStateMachine() : nullptr;
    return fsm ? fsm->getCurState() : 0;
}

// Plays the steps in order and records every state the game passes through.
class Player {
public:
    explicit Player(std::vector<Step> steps) : m_steps(std::move(steps)) {}

    void operator()(ScriptedWindowApp& window, int frame)
    {
        lastFrame = frame;
        const unsigned long state = currentState();
        if (visited.empty() || visited.back() != state) {
            visited.push_back(state);
            m_framesInState = 0;
        }
        ++m_framesInState;
        if (m_step >= m_steps.size() || m_steps[m_step].state != state || m_framesInState < m_steps[m_step].settle)
            return;
        const Step& step = m_steps[m_step];
        if (m_key == 0 && step.action)
            step.action();
        if (!step.keys.empty())
            window.pressKey(step.keys[m_key++]);
        if (m_key == step.keys.size()) {
            ++m_step;
            m_key = 0;
        }
    }

    std::vector<unsigned long> visited;
    int lastFrame = 0;

    // The run ended by itself, before the frame limit.
    bool endedInTime() const { return lastFrame < FRAME_LIMIT - 1; }

private:
    std::vector<Step> m_steps;
    std::size_t m_step = 0;
    std::size_t m_key = 0;
    int m_framesInState = 0;
};

class ScriptedBackends : public KWEP::ClientBackends {
public:
    explicit ScriptedBackends(ScriptedWindowApp::Script script) : m_script(std::move(script)) {}

    Game::I_WindowApp* makeWindowApp(const char*, int width, int height, bool, int*, char**) override
    {
        window = new ScriptedWindowApp(width, height, m_script, FRAME_LIMIT);
        window->onShow = [this] { copyScreen(); };
        return window;
    }
    Render::I_RenderController* makeRenderController(const Render::ViewData& view) override
    {
        return new RGL::rglController(view);
    }
    Sound::I_SoundController* makeSoundController() override { return new SAL::salController(); }

    // What showWindow put on the screen.
    void copyScreen()
    {
        shown.assign(WIDTH * HEIGHT * 4, 0);
        Game::I_Game::instance()->getRenderController()->copyScreen(shown.data(), 0, 0, WIDTH, HEIGHT);
    }

    ScriptedWindowApp* window = nullptr; // owned by clientMain
    std::vector<unsigned char> shown;    // RGBA, bottom row first

private:
    ScriptedWindowApp::Script m_script;
};

int runGame(ScriptedBackends& backends, std::vector<std::string> args)
{
    args.insert(args.begin(), "frelmory");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    return KWEP::clientMain(static_cast<int>(args.size()), argv.data(), backends);
}

// The splash, centred in the window, pixel for pixel.
bool showsSplash(const std::vector<unsigned char>& shown)
{
    if (shown.size() != static_cast<std::size_t>(WIDTH * HEIGHT * 4))
        return false;
    const KWEP::SplashPicture splash;
    const int left = (WIDTH - KWEP::SplashPicture::WIDTH) / 2;
    const int bottom = (HEIGHT - KWEP::SplashPicture::HEIGHT) / 2;
    for (int y = 0; y < KWEP::SplashPicture::HEIGHT; ++y)
        for (int x = 0; x < KWEP::SplashPicture::WIDTH; ++x) {
            const unsigned char* want = &splash.pixels()[(y * KWEP::SplashPicture::WIDTH + x) * 3];
            const unsigned char* got = &shown[((bottom + y) * WIDTH + left + x) * 4];
            if (std::memcmp(want, got, 3) != 0)
                return false;
        }
    return true;
}

const unsigned char DOWN = Devices::Keyboard::KEY_DOWN;
const unsigned char RETURN = Devices::Keyboard::KEY_RETURN;
const unsigned char ESC = Devices::Keyboard::KEY_ESC;

} // namespace

TEST(WholeGame, KeyRunThroughMenusPlayPauseAndQuit)
{
    RunFolder folder("client_whole_run");
    ASSERT_TRUE(folder.ok());
    Player player({
        // Play; the release of the same key leaves the story page standing,
        // a key pressed on it leaves.
        {KWEP::ClientFSM::STATE_MENUS, {RETURN}},
        {KWEP::ClientFSM::STATE_STARTING, {RETURN}},
        {KWEP::ClientFSM::STATE_RUNNING, {ESC}},           // pause
        {KWEP::ClientFSM::STATE_PAUSED, {RETURN}},         // carry on
        {KWEP::ClientFSM::STATE_RUNNING, {ESC}},           // pause again
        {KWEP::ClientFSM::STATE_PAUSED, {DOWN, DOWN, RETURN}}, // end this game
        {KWEP::ClientFSM::STATE_MENUS, {DOWN, DOWN, RETURN}},  // leave
    });
    ScriptedBackends backends([&player](ScriptedWindowApp& window, int frame) { player(window, frame); });
    EXPECT_EQ(0, runGame(backends, {}));
    EXPECT_TRUE(player.endedInTime());
    EXPECT_TRUE(showsSplash(backends.shown));
    EXPECT_EQ((std::vector<unsigned long>{1, 2, 3, 4, 5, 4, 5, 2}), player.visited);
    EXPECT_TRUE(folder.has("KWEP_OPTIONS.cfg"));
    EXPECT_EQ("HIGH_SCORE == 887395\n", folder.read("KWEP_HIGHSCORE.cfg"));
}

TEST(WholeGame, LevelWithoutItsGrabHandEndsWithOne)
{
    RunFolder folder("client_whole_noplayer");
    ASSERT_TRUE(folder.ok());
    folder.write("level.cfg", "PHYSICS_FILE == data/Config/Levels/PHYSICS.cfg\n"
                              "ITEMS == \"ITEM: GROUND 0,0 0\nITEM: CARROT -200,7 0\"\n");
    folder.write("extra.cfg", "LEVEL_FILE == level.cfg\n");
    Player player({{KWEP::ClientFSM::STATE_MENUS, {RETURN}}, {KWEP::ClientFSM::STATE_STARTING, {RETURN}}});
    ScriptedBackends backends([&player](ScriptedWindowApp& window, int frame) { player(window, frame); });
    testing::internal::CaptureStderr();
    EXPECT_EQ(1, runGame(backends, {"extra.cfg"}));
    EXPECT_TRUE(player.endedInTime());
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("PLAYER"));
    EXPECT_EQ((std::vector<unsigned long>{1, 2, 3}), player.visited) << "the level never runs";
    EXPECT_TRUE(folder.has("KWEP_OPTIONS.cfg")) << "the normal shutdown saves the options";
}

TEST(WholeGame, WonGameShowsTheEndPageAndGoesBackToTheMenus)
{
    RunFolder folder("client_whole_won");
    ASSERT_TRUE(folder.ok());
    // One level; its snowman's fall is told to the game directly.
    folder.write("extra.cfg", "NUM_LEVELS == 0\n");
    const auto snowmanDown = [] {
        EVT::Event down(EVT::EVENT_SNOWMAN_DOWN);
        EVT::EventBus::instance()->raiseEvent(&down, false);
    };
    // The end page waits two seconds of updates before it listens.
    const int endPageFrames = 2000 / 16 + 2;
    Player player({
        {KWEP::ClientFSM::STATE_MENUS, {RETURN}},
        {KWEP::ClientFSM::STATE_STARTING, {RETURN}},
        {KWEP::ClientFSM::STATE_RUNNING, {}, SETTLE_FRAMES, snowmanDown},
        {KWEP::ClientFSM::STATE_ENDING, {RETURN}, endPageFrames},
        {KWEP::ClientFSM::STATE_MENUS, {DOWN, DOWN, RETURN}},
    });
    ScriptedBackends backends([&player](ScriptedWindowApp& window, int frame) { player(window, frame); });
    EXPECT_EQ(0, runGame(backends, {"extra.cfg"}));
    EXPECT_TRUE(player.endedInTime());
    EXPECT_EQ((std::vector<unsigned long>{1, 2, 3, 4, 6, 2}), player.visited);
    EXPECT_EQ("HIGH_SCORE == 887395\n", folder.read("KWEP_HIGHSCORE.cfg"));
}

// Options and points of the menus reach the new game: smoothing switched off
// is switched off in play, and points scored before it start over at 0.
TEST(WholeGame, NewGameSwitchesSmoothingOffAndStartsAtScoreZero)
{
    RunFolder folder("client_whole_smooth");
    ASSERT_TRUE(folder.ok());
    bool smoothInPlay = true;
    int scoreInPlay = -1;
    const auto beforePlay = [] {
        glEnable(GL_LINE_SMOOTH);
        EVT::Event_Score points(EVT::EVENT_SCORE, 500);
        EVT::EventBus::instance()->raiseEvent(&points, false);
    };
    const auto inPlay = [&] {
        smoothInPlay = glIsEnabled(GL_LINE_SMOOTH) == GL_TRUE;
        scoreInPlay = dynamic_cast<KWEP::GameClient*>(KWEP::TheGame::instance())->getScore();
    };
    Player player({
        {KWEP::ClientFSM::STATE_MENUS, {RETURN}, SETTLE_FRAMES, beforePlay},
        {KWEP::ClientFSM::STATE_STARTING, {RETURN}},
        {KWEP::ClientFSM::STATE_RUNNING, {ESC}, SETTLE_FRAMES, inPlay},
        {KWEP::ClientFSM::STATE_PAUSED, {DOWN, DOWN, RETURN}},
        {KWEP::ClientFSM::STATE_MENUS, {DOWN, DOWN, RETURN}},
    });
    ScriptedBackends backends([&player](ScriptedWindowApp& window, int frame) { player(window, frame); });
    EXPECT_EQ(0, runGame(backends, {"--smooth", "off"}));
    EXPECT_TRUE(player.endedInTime());
    EXPECT_FALSE(smoothInPlay);
    EXPECT_EQ(0, scoreInPlay);
}
