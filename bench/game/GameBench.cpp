// The whole game through one level on a hidden window (run it under
// scripts/with-display): the program entry with the real render and sound
// back ends, driven by the scripted frame loop. Once the level runs, the
// busiest moment is made (every snowman part smashed into its digits and
// snowballs, the rock thrown, the carrot burst) and the frames after it are
// timed: the CPU time of the game's own thread per frame, one update and the
// frame's drawing, against the 16.7 ms a frame may take at 60 Hz; then the
// same after 4 and 16 smashes in all, for the growth rows. The peak resident
// size (VmHWM) after the first timed second is held against that of a bare GL
// window started at the end of the run on the same display. Both figures include
// what the GL driver does and holds in the game's thread; scripts/bench runs
// the program a second time on Mesa's no-op driver, which leaves out the
// driver's drawing but still runs its API layer (state tracking, validation,
// the swap). Every GL call and the swap are timed from entering the library
// to its return, so there the frame splits into the time inside the GL
// library and the rest, our own work: the world update, the draw walk and the
// cost of making the calls. The timing's own cost, measured on empty calls, is
// taken out of both. Our own part is held to a tenth of a millisecond, with
// its growth rows; the whole no-op frame is shown beside it. The GL calls of
// each timed frame are counted too: the draws and the state changes, each
// held to what the scene needs.

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <list>
#include <string>
#include <vector>

#include "GlCallCount.h"
#include "ScriptedWindowApp.h"
#include "client/ClientBackends.h"
#include "client/ClientFSM.h"
#include "client/GameClient.h"
#include "client/clientMain.h"
#include "input/Keyboard.h"
#include "physics/ChipmunkWorldItem.h"
#include "render/rglController.h"
#include "shell/I_Game.h"
#include "sound/salController.h"
#include "support/BenchPairs.h"
#include "support/GameFolder.h"
#include "world/GameStuff.h"
#include "world/World.h"

namespace {

const int FRAME_LIMIT = 3000;
// Frames to stay in a state before pressing keys, so every page is drawn.
const int SETTLE_FRAMES = 5;
// Frames of play before the smash, so the level stands.
const int PLAY_FRAMES = 60;
// Frames timed after the smash: one second of the game.
const int TIMED_FRAMES = 60;
const double FRAME_BUDGET_MS = 1000.0 / 60.0;
const double OWN_FRAME_LIMIT_MS = 0.1;
// The whole frame on the no-op driver: the GL library's work for the calls
// the frame makes may cost as much again as our own; past that, fewer calls
// (the draw and state rows) are the way down, not our own code.
const double NOOP_FRAME_LIMIT_MS = 2.0 * OWN_FRAME_LIMIT_MS;
// The GL calls the busiest frame needs. In sight are some 35 letters and 60
// parts of line models, which in a row at one placement draw together (about
// 30 draws); the play view and the map view each draw all of them (65 draws
// each), and the clear and the on-screen areas add a few.
const double DRAW_CALL_LIMIT = 140.0;
// Each draw needs its placement (push, multiply, pop), and each model its
// vertex array (a bind, then where its positions and colours are): five calls
// a draw, the views and line widths included.
const double STATE_CALL_LIMIT = 5.0 * DRAW_CALL_LIMIT;

const unsigned char DOWN = Devices::Keyboard::KEY_DOWN;
const unsigned char RETURN = Devices::Keyboard::KEY_RETURN;
const unsigned char ESC = Devices::Keyboard::KEY_ESC;

double threadMs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The peak resident size of this process so far, in MB.
double peakResidentMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, 6, "VmHWM:") == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

unsigned long currentState()
{
    KWEP::GameClient* client = dynamic_cast<KWEP::GameClient*>(KWEP::TheGame::instance());
    KWEP::ClientFSM* fsm = client ? client->getStateMachine() : nullptr;
    return fsm ? fsm->getCurState() : 0;
}

// The item of that kind in the game's world, or null.
Physics::ChipmunkWorldItem* itemOfKind(KWEP::World* world, const std::string& kind)
{
    std::vector<unsigned long> ids;
    world->getItems(kind, ids);
    return ids.empty() ? nullptr : dynamic_cast<Physics::ChipmunkWorldItem*>(world->findItem(ids[0]));
}

// Smashes every snowman part, throws the rock and bursts the carrot, as the
// game's rules do at their busiest. False when the level has no snowman.
bool smash()
{
    KWEP::World* world = dynamic_cast<KWEP::World*>(Game::I_Game::instance()->getWorld());
    Physics::ChipmunkWorldItem* snowman = world ? itemOfKind(world, "BOSS") : nullptr;
    Physics::ChipmunkWorldItem* carrot = world ? itemOfKind(world, "VEG") : nullptr;
    if (!snowman || !carrot)
        return false;
    const Physics::ChipmunkItem* body = snowman->getChipmunkItem();
    for (const char* part : {"BASE", "MIDDLE", "HEAD"})
        KWEP::GameStuff::explodeSnowmanBit(part, body, world, 100);
    KWEP::GameStuff::makeMeteor(body, world);
    KWEP::GameStuff::makeCarrotExplosion(carrot->getChipmunkItem(), world);
    return true;
}

// The timed frames of one stage: the game thread's CPU time per frame, the
// part of it inside the GL library, and the rest, our own; the timing's cost
// is in none of them.
struct Stage {
    std::vector<double> wholeMs;
    std::vector<double> insideMs;
    std::vector<double> windowMs; // the clear and the swap, of insideMs
    std::vector<double> ownMs;

    size_t size() const { return wholeMs.size(); }
};

// Plays into a level, smashes, times the frames after, pauses, ends the game
// and quits; one key per frame once the game has settled in each state.
class Player {
public:
    void operator()(ScriptedWindowApp& window, int)
    {
        const double now = threadMs();
        Stage* stage = timing();
        const Bench::GlCallCount::Counts calls = Bench::GlCallCount::sinceStart();
        if (m_timing && m_lastMs >= 0.0 && stage) {
            record(*stage, now, calls);
            if (stage == &stages[0]) {
                drawCalls.push_back(calls.draws - m_lastCalls.draws);
                stateCalls.push_back(calls.state - m_lastCalls.state);
            }
            // The memory row is the game's at its busiest, before the growth stages.
            if (stage == &stages[0] && stages[0].size() == static_cast<size_t>(TIMED_FRAMES))
                busiestMb = peakResidentMb();
            if (stage == &stages[0]) {
                const struct mallinfo2 heap = mallinfo2();
                heapMb = (heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
            }
        }
        const unsigned long state = currentState();
        if (state != m_state) {
            m_state = state;
            m_frames = 0;
        }
        ++m_frames;
        if (state == KWEP::ClientFSM::STATE_MENUS && startMb == 0.0)
            startMb = peakResidentMb();
        if (state == KWEP::ClientFSM::STATE_RUNNING)
            play();
        else
            press(window, state);
        m_lastCalls = Bench::GlCallCount::sinceStart();
        m_lastMs = threadMs();
    }

    // The frames timed after the smash, then after 4 and 16 smashes in all.
    Stage stages[3];
    // The GL draws and state calls of each frame after the smash.
    std::vector<double> drawCalls;
    std::vector<double> stateCalls;
    bool smashed = false;

    bool finished() const { return stages[2].size() >= static_cast<size_t>(TIMED_FRAMES); }
    // The peak resident size when the menus first show, and the malloc heap
    // in use at the last timed frame, in MB. The heap is the whole process's:
    // Mesa's llvmpipe keeps each frame's binned commands and draw state there,
    // and OpenAL Soft its voices and its copies of the samples, beside ours.
    double startMb = 0.0;
    double busiestMb = 0.0;
    double heapMb = 0.0;

private:
    // The stage the next frame goes to, or null once all are full.
    Stage* timing()
    {
        for (Stage& stage : stages)
            if (stage.size() < static_cast<size_t>(TIMED_FRAMES))
                return &stage;
        return nullptr;
    }

    // The frame since the last call: the thread's time without the timing's
    // cost (the frame clock's reads and the GL calls' timing), and the part
    // of it inside the GL library.
    void record(Stage& stage, double now, const Bench::GlCallCount::Counts& calls)
    {
        const double whole = now - m_lastMs - m_clockMs - (calls.timingMs - m_lastCalls.timingMs);
        const double inside = calls.insideMs - m_lastCalls.insideMs;
        stage.wholeMs.push_back(whole);
        stage.insideMs.push_back(inside);
        stage.windowMs.push_back(calls.windowMs - m_lastCalls.windowMs);
        stage.ownMs.push_back(whole - inside);
    }

    // Smashes once after the level stands, then again up to 4 and 16 smashes
    // as each list of timed frames fills, for the growth rows.
    void play()
    {
        if (!smashed && m_frames != PLAY_FRAMES)
            return;
        const Stage* timed = timing();
        const int wanted = timed == &stages[0] ? 1 : timed == &stages[1] ? 4 : 16;
        while (timed && m_smashes < wanted && smash())
            ++m_smashes;
        smashed = m_smashes > 0;
        m_timing = smashed;
    }

    void press(ScriptedWindowApp& window, unsigned long state)
    {
        if (m_frames < SETTLE_FRAMES)
            return;
        const bool done = finished();
        if (state == KWEP::ClientFSM::STATE_MENUS)
            pressNext(window, done ? std::vector<unsigned char>{DOWN, DOWN, RETURN} : std::vector<unsigned char>{RETURN});
        else if (state == KWEP::ClientFSM::STATE_STARTING)
            pressNext(window, {RETURN}); // the story page leaves on a key pressed on it
        else if (state == KWEP::ClientFSM::STATE_PAUSED)
            pressNext(window, {DOWN, DOWN, RETURN});
    }

    void pressNext(ScriptedWindowApp& window, const std::vector<unsigned char>& keys)
    {
        const size_t next = static_cast<size_t>(m_frames - SETTLE_FRAMES);
        if (next < keys.size())
            window.pressKey(keys[next]);
    }

    bool m_timing = false;
    int m_smashes = 0;
    double m_lastMs = -1.0;
    // The part of two reads of the frame clock that falls between them.
    const double m_clockMs = Bench::GlCallCount::threadClockOverhead().insideNs / 1e6;
    Bench::GlCallCount::Counts m_lastCalls;
    unsigned long m_state = 0;
    int m_frames = 0;
};

class Backends : public KWEP::ClientBackends {
public:
    explicit Backends(Player& player) : m_player(player) {}

    Game::I_WindowApp* makeWindowApp(const char*, int width, int height, bool, int*, char**) override
    {
        return new ScriptedWindowApp(width, height, [this](ScriptedWindowApp& window, int frame) {
            m_player(window, frame);
            // Once timed, the level is left: pause, then the pause menu ends the game.
            if (m_player.finished() && !m_paused
                && currentState() == KWEP::ClientFSM::STATE_RUNNING) {
                window.pressKey(ESC);
                m_paused = true;
            }
        }, FRAME_LIMIT);
    }
    Render::I_RenderController* makeRenderController(const Render::ViewData& view) override
    {
        return new RGL::rglController(view);
    }
    Sound::I_SoundController* makeSoundController() override { return new SAL::salController(); }

private:
    Player& m_player;
    bool m_paused = false;
};

// The peak resident size of a bare GL window on the same display, in MB; 0
// when it could not be read.
double bareWindowPeakMb()
{
    FILE* bare = popen(FRELMORY_BARE_WINDOW " --peak 2>/dev/null", "r");
    if (!bare)
        return 0.0;
    double kilobytes = 0.0;
    char line[256];
    while (std::fgets(line, sizeof line, bare))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kilobytes = std::atof(line + 6);
    pclose(bare);
    return kilobytes / 1024.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The run's figures, with those that have no row, and what the timing cost.
void printNotes(benchmark::State& state, const Player& player, const std::vector<double>& frames, double total)
{
    std::fprintf(stderr, "game: %zu frames after the smash, median %.3f ms (ours %.3f ms, inside GL %.3f ms, "
                 "%.3f ms of it the clear and the swap), "
                 "mean %.3f ms, worst %.3f ms; peak resident %.1f MB (%.1f MB when the menus showed, %.1f MB "
                 "after 16 smashes), heap in use %.1f MB; a bare window's peak %.1f MB; GL calls per frame: "
                 "%.0f draws, %.0f state changes\n",
                 frames.size(), frames[frames.size() / 2], state.counters["ms_own"].value,
                 state.counters["ms_gl"].value, state.counters["ms_gl_window"].value, total / frames.size(),
                 frames.back(), player.busiestMb, player.startMb, peakResidentMb(), player.heapMb,
                 state.counters["bare_MB"].value,
                 state.counters["n_draws"].value, state.counters["n_state"].value);
    const Bench::GlCallCount::Overhead call = Bench::GlCallCount::callOverhead();
    const Bench::GlCallCount::Overhead swap = Bench::GlCallCount::threadClockOverhead();
    std::fprintf(stderr, "game: timing costs %.1f ns a GL call (%.1f ns of it inside the time read) and "
                 "%.1f ns a clear, swap or frame (%.1f ns inside), taken out of every figure\n",
                 call.wholeNs, call.insideNs, swap.wholeNs, swap.insideNs);
}

void runGame(benchmark::State& state)
{
    for (auto _ : state) {
        Bench::GameFolder folder;
        Player player;
        Backends backends(player);
        char name[] = "frelmory";
        char* argv[] = {name, nullptr};
        const bool inFolder = folder.ok() && chdir(folder.path().c_str()) == 0;
        const int result = inFolder ? KWEP::clientMain(1, argv, backends) : -1;
        if (result != 0 || !player.smashed || !player.finished()) {
            state.SkipWithError("the game did not play through the level and quit");
            break;
        }
        const Stage& busiest = player.stages[0];
        std::vector<double> frames = busiest.wholeMs;
        std::sort(frames.begin(), frames.end());
        double total = 0.0;
        for (double ms : frames)
            total += ms;
        // The median frame: a busy machine's odd slow frame does not move it.
        state.counters["ms"] = frames[frames.size() / 2];
        state.counters["ms_4x"] = median(player.stages[1].wholeMs);
        state.counters["ms_16x"] = median(player.stages[2].wholeMs);
        state.counters["ms_own"] = median(busiest.ownMs);
        state.counters["ms_own_4x"] = median(player.stages[1].ownMs);
        state.counters["ms_own_16x"] = median(player.stages[2].ownMs);
        state.counters["ms_gl"] = median(busiest.insideMs);
        state.counters["ms_gl_window"] = median(busiest.windowMs);
        state.counters["ms_mean"] = total / frames.size();
        state.counters["ms_worst"] = frames.back();
        state.counters["MB"] = player.busiestMb;
        state.counters["MB_after_growth"] = peakResidentMb();
        state.counters["bare_MB"] = bareWindowPeakMb();
        state.counters["MB_at_menus"] = player.startMb;
        state.counters["heap_MB"] = player.heapMb;
        state.counters["n_draws"] = median(player.drawCalls);
        state.counters["n_state"] = median(player.stateCalls);
        printNotes(state, player, frames, total);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The game keeps tuning values for the rest of a process: one run only.
    Bench::addRun("game", runGame)->Iterations(1)->Repetitions(1);
    // On the no-op driver our own work, the frame without the time inside the
    // GL library, is held to a tenth of a millisecond; the whole frame there
    // (our work and Mesa's API layer, which still runs) to twice that.
    if (std::getenv("GALLIUM_NOOP") != nullptr) {
        Bench::addLimit("frame-own", "game", "ms_own", OWN_FRAME_LIMIT_MS, 1.0);
        Bench::addCounterPair("frame-own-4x", "game", "ms_own_4x", "ms_own", 5.0);
        Bench::addCounterPair("frame-own-16x", "game", "ms_own_16x", "ms_own", 20.0);
        Bench::addLimit("frame-noop", "game", "ms", NOOP_FRAME_LIMIT_MS, 1.0);
        Bench::addLimit("draw-calls", "game", "n_draws", DRAW_CALL_LIMIT, 1.0);
        Bench::addLimit("gl-state", "game", "n_state", STATE_CALL_LIMIT, 1.0);
    } else {
        Bench::addLimit("frame", "game", "ms", FRAME_BUDGET_MS, 0.06);
        Bench::addCounterPair("frame-4x", "game", "ms_4x", "ms", 5.0);
        Bench::addCounterPair("frame-16x", "game", "ms_16x", "ms", 20.0);
        Bench::addCounterPair("memory", "game", "MB", "bare_MB", 1.4);
    }
    return Bench::runPairs(argc, argv, nullptr);
}
