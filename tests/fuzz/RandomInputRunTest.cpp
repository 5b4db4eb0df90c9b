// The whole program on a hidden window under a long stream of random key,
// button, pointer and joypad events from a seeded generator, so a failing run
// comes again with its seed. CI runs a short stream; scripts/fuzz random runs
// the long one with FRELMORY_RANDOM_FRAMES and FRELMORY_RANDOM_SEED.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include <malloc.h>

#include "RunFolder.h"
#include "ScriptedWindowApp.h"
#include "client/ClientBackends.h"
#include "client/ClientFSM.h"
#include "client/GameClient.h"
#include "client/clientMain.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Joypad.h"
#include "core/Event_Key.h"
#include "core/Event_Mouse.h"
#include "input/Keyboard.h"
#include "render/rglController.h"
#include "sound/salController.h"

namespace {

const int WIDTH = 640;
const int HEIGHT = 480;
const long SHORT_RUN_FRAMES = 1000;
const unsigned long DEFAULT_SEED = 20261210;
// Frames a state is left alone before the way on into play is taken.
const int SETTLE_FRAMES = 20;
// Live memory may vary this much between the first tenth of the run and its
// end: what one level holds at different moments, not growth frame by frame.
const std::size_t LIVE_MEMORY_ALLOWANCE = 4u << 20;

} // namespace

// The sanitizer's count of bytes allocated and not yet freed; weak, so a
// build without the sanitizers falls back to the C library's count.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

std::size_t liveBytes()
{
    if (__sanitizer_get_current_allocated_bytes != nullptr)
        return __sanitizer_get_current_allocated_bytes();
    return mallinfo2().uordblks;
}

long numberFromEnvironment(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

unsigned long currentState()
{
    KWEP::GameClient* client = dynamic_cast<KWEP::GameClient*>(KWEP::TheGame::instance());
    KWEP::ClientFSM* fsm = client ? client->getStateMachine() : nullptr;
    return fsm ? fsm->getCurState() : 0;
}

void raise(EVT::I_Event& event)
{
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// Outside play it takes the way back in (play, the story page, carry on, the
// end page), so the run never chooses to quit; in play every frame gets
// random events of every device.
class RandomPlayer {
public:
    RandomPlayer(unsigned long seed, long frames) : m_random(seed), m_frames(frames) {}

    void operator()(ScriptedWindowApp& window, int frame)
    {
        const unsigned long state = currentState();
        if (state != m_state) {
            m_state = state;
            m_framesInState = 0;
        }
        ++m_framesInState;
        if (frame == m_frames / 10)
            liveAtTenth = liveBytes();
        liveAtEnd = liveBytes();
        lastFrame = frame;
        if (state == KWEP::ClientFSM::STATE_RUNNING) {
            ++playFrames;
            randomEvents(window);
        } else if (m_framesInState % SETTLE_FRAMES == 0) {
            window.pressKey(Devices::Keyboard::KEY_RETURN);
        }
    }

    int lastFrame = 0;
    long playFrames = 0;
    std::size_t liveAtTenth = 0;
    std::size_t liveAtEnd = 0;

private:
    int below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    void randomEvents(ScriptedWindowApp& window)
    {
        switch (below(8)) {
        case 0: {
            // Escape pauses; the way back in follows from the pause page.
            EVT::Event_Key key(EVT::EVENT_KEY, static_cast<unsigned char>(below(256)), below(2) == 0, 0);
            raise(key);
            break;
        }
        case 1:
        case 2:
            // Now and then far outside the window, as a pointer leaving it.
            window.movePointer(below(WIDTH + 200) - 100, below(HEIGHT + 200) - 100);
            break;
        case 3: {
            EVT::Event_Mouse button(EVT::EVENT_MOUSE, below(WIDTH), below(HEIGHT), below(3), below(2) == 0);
            raise(button);
            break;
        }
        case 4: {
            EVT::Event_Joypad pad(EVT::EVENT_JOYPAD, below(16), below(2001) - 1000, below(2001) - 1000,
                                  below(2) == 0, below(2) == 0, below(2) == 0, below(2) == 0);
            raise(pad);
            break;
        }
        default:
            break;
        }
    }

    std::mt19937 m_random;
    long m_frames;
    unsigned long m_state = 0;
    int m_framesInState = 0;
};

class RandomBackends : public KWEP::ClientBackends {
public:
    RandomBackends(RandomPlayer& player, long frames) : m_player(player), m_frames(frames) {}

    Game::I_WindowApp* makeWindowApp(const char*, int width, int height, bool, int*, char**) override
    {
        return new ScriptedWindowApp(
            width, height, [this](ScriptedWindowApp& window, int frame) { m_player(window, frame); },
            static_cast<int>(m_frames));
    }
    Render::I_RenderController* makeRenderController(const Render::ViewData& view) override
    {
        return new RGL::rglController(view);
    }
    Sound::I_SoundController* makeSoundController() override { return new SAL::salController(); }

private:
    RandomPlayer& m_player;
    long m_frames;
};

// The run goes the full length without a sanitizer report (which would end
// it), spends most frames in play, and holds its live memory.
TEST(RandomInputRun, ManyFramesOfRandomEventsKeepTheGameWhole)
{
    const long frames = numberFromEnvironment("FRELMORY_RANDOM_FRAMES", SHORT_RUN_FRAMES);
    const unsigned long seed = static_cast<unsigned long>(numberFromEnvironment("FRELMORY_RANDOM_SEED", DEFAULT_SEED));
    RunFolder folder("random_run");
    ASSERT_TRUE(folder.ok());
    RandomPlayer player(seed, frames);
    RandomBackends backends(player, frames);
    std::string program = "frelmory";
    std::vector<char*> argv{&program[0], nullptr};
    KWEP::clientMain(1, argv.data(), backends);

    std::cout << "random run: seed " << seed << ", " << player.lastFrame + 1 << " frames, " << player.playFrames
              << " in play, live memory " << player.liveAtTenth << " bytes at frame " << frames / 10 << " and "
              << player.liveAtEnd << " at the end" << std::endl;
    EXPECT_EQ(player.lastFrame + 1, frames) << "the game ended before the stream did";
    EXPECT_GT(player.playFrames, frames / 2);
    EXPECT_LT(player.liveAtEnd, player.liveAtTenth + LIVE_MEMORY_ALLOWANCE);
}

} // namespace
