// The whole game through one level (run it under scripts/with-display): the
// program entry with the real window, render and sound back ends and the
// game's own frame loop, which each frame checks the focus, updates, draws,
// swaps and polls the window's events. A player presses the keys from inside
// the event polling, where real input arrives; its own time is kept out of
// every figure. The window library's timer reads a 60 Hz display's clock, so
// each frame moves the game on by one display frame (see FrameHooks).
//
// Once the level runs, the busiest moment is made (every snowman part smashed
// into its digits and snowballs, the rock thrown, the carrot burst) and the
// frames after it are timed, each from the end of one event polling to the
// end of the next:
// - on the wall clock, the frame as the player waits for it, the GL driver's
//   drawing threads and the X server included, against the 16.7 ms a frame
//   may take at 60 Hz;
// - on the game thread's CPU clock, split into the time inside the GL library
//   (every GL call and the swap timed from entering the library to its
//   return) and the rest, our own: the focus check, the event polling, the
//   world update, the draw walk and the cost of making the calls. Chipmunk's
//   steps are timed too, and the growth rows, after 4 and 16 smashes in all,
//   hold our own work without them beside Chipmunk's.
// The timing's own cost, measured on empty calls, is taken out of every
// figure. scripts/bench runs the program a second time on Mesa's no-op
// driver, which leaves out the driver's drawing but still runs its API layer
// (state tracking, validation, the swap).
//
// The GL calls of each timed frame are counted, the draws and the state
// changes, each held to what the scene needs, counted from the same frame's
// calls (see GlCallCount). The peak resident size after the first timed
// second is held against that of a window doing the same fixed work, started
// at the end of the run on the same display (see SceneWindow): it draws as
// many vertices a frame from as large a buffer, with as many texels, and
// opens an OpenAL context holding as many bytes of samples.

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "FrameHooks.h"
#include "GlCallCount.h"
#include "SampleBytes.h"
#include "client/ClientBackends.h"
#include "client/ClientFSM.h"
#include "client/GameClient.h"
#include "client/clientMain.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Key.h"
#include "input/Keyboard.h"
#include "physics/ChipmunkWorldItem.h"
#include "render/rglController.h"
#include "shell/GLFWApp.h"
#include "shell/I_Game.h"
#include "sound/salController.h"
#include "support/BenchPairs.h"
#include "support/GameFolder.h"
#include "world/GameStuff.h"
#include "world/World.h"

namespace {

// Frames (event pollings) after which a run that has not quit is ended.
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

const unsigned char DOWN = Devices::Keyboard::KEY_DOWN;
const unsigned char RETURN = Devices::Keyboard::KEY_RETURN;
const unsigned char ESC = Devices::Keyboard::KEY_ESC;

double clockMs(clockid_t clock)
{
    timespec now;
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double threadMs() { return clockMs(CLOCK_THREAD_CPUTIME_ID); }
double wallMs() { return clockMs(CLOCK_MONOTONIC); }

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

void raiseKey(unsigned char key, bool pressed)
{
    EVT::Event_Key event(EVT::EVENT_KEY, key, pressed, 0);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// Where the clocks and counters stood at a moment.
struct Marks {
    double wallMs = -1.0;
    double cpuMs = -1.0;
    double physicsMs = 0.0;
    unsigned long physicsSteps = 0;
    double pollMs = 0.0;
    Bench::GlCallCount::Counts calls;
};

// The timed frames of one stage, in ms: the wall clock's frame and the game
// thread's, the part of it inside the GL library, the clear and the swap of
// that, and the rest, our own; Chipmunk's steps, of our own, and our own
// without them; the event polling, of that. The timing's cost is in none of
// them.
struct Stage {
    std::vector<double> wallMs;
    std::vector<double> wholeMs;
    std::vector<double> insideMs;
    std::vector<double> windowMs;
    std::vector<double> ownMs;
    std::vector<double> physicsMs;
    std::vector<double> oursMs;
    std::vector<double> pollMs;

    size_t size() const { return wallMs.size(); }
};

// Plays into a level, smashes, times the frames after, pauses, ends the game
// and quits; one key per frame once the game has settled in each state.
// Runs after each event polling of the frame loop.
class Player {
public:
    void frame()
    {
        Marks now;
        now.wallMs = wallMs();
        now.cpuMs = threadMs();
        now.physicsMs = Bench::FrameHooks::physicsMs();
        now.physicsSteps = Bench::FrameHooks::physicsSteps();
        now.pollMs = Bench::FrameHooks::pollMs();
        now.calls = Bench::GlCallCount::sinceStart();
        Stage* stage = timing();
        if (m_timing && m_last.cpuMs >= 0.0 && stage)
            record(*stage, now);
        releaseKeys();
        act();
        m_last.calls = Bench::GlCallCount::sinceStart();
        m_last.physicsMs = Bench::FrameHooks::physicsMs();
        m_last.physicsSteps = Bench::FrameHooks::physicsSteps();
        m_last.pollMs = Bench::FrameHooks::pollMs();
        m_last.cpuMs = threadMs();
        m_last.wallMs = wallMs();
    }

    // The frames timed after the smash, then after 4 and 16 smashes in all.
    Stage stages[3];
    // The GL draws and state calls of each frame after the smash, what the
    // scene needed of each, and the vertices drawn.
    std::vector<double> drawCalls;
    std::vector<double> stateCalls;
    std::vector<double> drawsNeeded;
    std::vector<double> stateNeeded;
    std::vector<double> vertices;
    bool smashed = false;
    bool stopped = false;

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

    void record(Stage& stage, const Marks& now)
    {
        const Bench::GlCallCount::Overhead clock = Bench::GlCallCount::threadClockOverhead();
        const unsigned long steps = now.physicsSteps - m_last.physicsSteps;
        // What the timing cost: the frame clock's reads, the GL calls',
        // Chipmunk's steps' and the event polling's timing.
        const double timingMs = clock.insideNs / 1e6 + (now.calls.timingMs - m_last.calls.timingMs)
            + (steps + 1) * clock.wholeNs / 1e6;
        const double whole = now.cpuMs - m_last.cpuMs - timingMs;
        const double inside = now.calls.insideMs - m_last.calls.insideMs;
        const double physics = now.physicsMs - m_last.physicsMs - steps * clock.insideNs / 1e6;
        stage.wallMs.push_back(now.wallMs - m_last.wallMs - timingMs);
        stage.wholeMs.push_back(whole);
        stage.insideMs.push_back(inside);
        stage.windowMs.push_back(now.calls.windowMs - m_last.calls.windowMs);
        stage.ownMs.push_back(whole - inside);
        stage.physicsMs.push_back(physics);
        stage.oursMs.push_back(whole - inside - physics);
        stage.pollMs.push_back(now.pollMs - m_last.pollMs - clock.insideNs / 1e6);
        if (&stage == &stages[0])
            countCalls(now.calls);
        // The memory row is the game's at its busiest, before the growth stages.
        if (&stage == &stages[0] && stages[0].size() == static_cast<size_t>(TIMED_FRAMES))
            busiestMb = peakResidentMb();
        if (&stage == &stages[0]) {
            const struct mallinfo2 heap = mallinfo2();
            heapMb = (heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
        }
    }

    void countCalls(const Bench::GlCallCount::Counts& calls)
    {
        const Bench::GlCallCount::Counts& last = m_last.calls;
        drawCalls.push_back(calls.draws - last.draws);
        stateCalls.push_back(calls.state - last.state);
        drawsNeeded.push_back(calls.drawsNeeded - last.drawsNeeded);
        stateNeeded.push_back(calls.stateNeeded - last.stateNeeded);
        vertices.push_back(calls.vertices - last.vertices);
    }

    void act()
    {
        const unsigned long state = currentState();
        if (state != m_state) {
            m_state = state;
            m_frames = 0;
        }
        ++m_frames;
        if (++m_polls >= FRAME_LIMIT && !stopped) {
            stopped = true;
            EVT::Event quit(EVT::EVENT_QUIT);
            EVT::EventBus::instance()->raiseEvent(&quit, false);
        }
        if (state == KWEP::ClientFSM::STATE_MENUS && startMb == 0.0)
            startMb = peakResidentMb();
        if (state == KWEP::ClientFSM::STATE_RUNNING)
            play();
        else
            press(state);
    }

    // Smashes once after the level stands, then again up to 4 and 16 smashes
    // as each list of timed frames fills, for the growth rows; once all are
    // full, pauses.
    void play()
    {
        if (finished()) {
            if (!m_paused)
                pressKey(ESC);
            m_paused = true;
            return;
        }
        if (!smashed && m_frames != PLAY_FRAMES)
            return;
        const Stage* timed = timing();
        const int wanted = timed == &stages[0] ? 1 : timed == &stages[1] ? 4 : 16;
        while (timed && m_smashes < wanted && smash())
            ++m_smashes;
        smashed = m_smashes > 0;
        m_timing = smashed;
    }

    void press(unsigned long state)
    {
        if (m_frames < SETTLE_FRAMES)
            return;
        const bool done = finished();
        if (state == KWEP::ClientFSM::STATE_MENUS)
            pressNext(done ? std::vector<unsigned char>{DOWN, DOWN, RETURN} : std::vector<unsigned char>{RETURN});
        else if (state == KWEP::ClientFSM::STATE_STARTING)
            pressNext({RETURN}); // the story page leaves on a key pressed on it
        else if (state == KWEP::ClientFSM::STATE_PAUSED)
            pressNext({DOWN, DOWN, RETURN});
    }

    void pressNext(const std::vector<unsigned char>& keys)
    {
        const size_t next = static_cast<size_t>(m_frames - SETTLE_FRAMES);
        if (next < keys.size())
            pressKey(keys[next]);
    }

    // A key is held for one frame, as a quick press would be.
    void pressKey(unsigned char key)
    {
        raiseKey(key, true);
        m_held.push_back(key);
    }

    void releaseKeys()
    {
        for (unsigned char key : m_held)
            raiseKey(key, false);
        m_held.clear();
    }

    bool m_timing = false;
    bool m_paused = false;
    int m_smashes = 0;
    int m_polls = 0;
    Marks m_last;
    unsigned long m_state = 0;
    int m_frames = 0;
    std::vector<unsigned char> m_held;
};

class Backends : public KWEP::ClientBackends {
public:
    Game::I_WindowApp* makeWindowApp(const char* title, int width, int height, bool fullScreen, int* argc,
                                     char** argv) override
    {
        this->width = width;
        this->height = height;
        return new Game::GLFWApp(title, width, height, fullScreen, argc, argv);
    }
    Render::I_RenderController* makeRenderController(const Render::ViewData& view) override
    {
        return new RGL::rglController(view);
    }
    Sound::I_SoundController* makeSoundController() override { return new SAL::salController(); }

    int width = 0;
    int height = 0;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The peak resident size of a window doing the same fixed work as the game
// on the same display, in MB; 0 when it could not be read.
double sceneWindowPeakMb(const Backends& window, const Player& player)
{
    const Bench::GlCallCount::Counts loaded = Bench::GlCallCount::sinceStart();
    const std::string command = std::string(FRELMORY_SCENE_WINDOW) + " " + std::to_string(window.width) + " "
        + std::to_string(window.height) + " " + std::to_string(static_cast<long>(median(player.vertices))) + " "
        + std::to_string(loaded.bufferBytes) + " " + std::to_string(loaded.texels) + " "
        + std::to_string(Bench::SampleBytes::held()) + " " + std::to_string(Bench::SampleBytes::buffers()) + " "
        + std::to_string(PLAY_FRAMES + TIMED_FRAMES) + " 2>/dev/null";
    std::fprintf(stderr, "game: the memory floor runs %s\n", command.c_str());
    FILE* scene = popen(command.c_str(), "r");
    if (!scene)
        return 0.0;
    double kilobytes = 0.0;
    char line[256];
    while (std::fgets(line, sizeof line, scene))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            kilobytes = std::atof(line + 6);
    return pclose(scene) == 0 ? kilobytes / 1024.0 : 0.0;
}

// The run's figures, with those that have no row, and what the timing cost.
void printNotes(benchmark::State& state, const Player& player)
{
    const Stage& busiest = player.stages[0];
    std::fprintf(stderr, "game: %zu frames after the smash, median %.3f ms on the wall clock, %.3f ms of the "
                 "game thread (ours %.3f ms, of it Chipmunk's steps %.3f ms and the event polling %.3f ms; inside GL %.3f ms, %.3f ms of it "
                 "the clear and the swap), worst %.3f ms on the wall clock; peak resident %.1f MB (%.1f MB when "
                 "the menus showed, %.1f MB after 16 smashes), heap in use %.1f MB; the scene window's peak "
                 "%.1f MB; GL calls per frame: %.0f draws (%.0f needed), %.0f state changes (%.0f needed), "
                 "%.0f vertices\n",
                 busiest.size(), state.counters["ms_wall"].value, state.counters["ms"].value,
                 state.counters["ms_own"].value, state.counters["ms_physics"].value,
                 state.counters["ms_poll"].value, state.counters["ms_gl"].value,
                 state.counters["ms_gl_window"].value, state.counters["ms_wall_worst"].value, player.busiestMb,
                 player.startMb, peakResidentMb(), player.heapMb, state.counters["floor_MB"].value,
                 state.counters["n_draws"].value, state.counters["n_draws_needed"].value,
                 state.counters["n_state"].value, state.counters["n_state_needed"].value, median(player.vertices));
    const Bench::GlCallCount::Overhead call = Bench::GlCallCount::callOverhead();
    const Bench::GlCallCount::Overhead swap = Bench::GlCallCount::threadClockOverhead();
    std::fprintf(stderr, "game: timing costs %.1f ns a GL call (%.1f ns of it inside the time read) and "
                 "%.1f ns a clear, swap, Chipmunk step or frame (%.1f ns inside), taken out of every figure\n",
                 call.wholeNs, call.insideNs, swap.wholeNs, swap.insideNs);
}

void setCounters(benchmark::State& state, const Player& player)
{
    const Stage* stages = player.stages;
    state.counters["ms_wall"] = median(stages[0].wallMs);
    state.counters["ms_wall_worst"] = *std::max_element(stages[0].wallMs.begin(), stages[0].wallMs.end());
    state.counters["ms"] = median(stages[0].wholeMs);
    state.counters["ms_own"] = median(stages[0].ownMs);
    state.counters["ms_gl"] = median(stages[0].insideMs);
    state.counters["ms_gl_window"] = median(stages[0].windowMs);
    state.counters["ms_poll"] = median(stages[0].pollMs);
    const char* const suffixes[] = {"", "_4x", "_16x"};
    for (int i = 0; i < 3; ++i) {
        state.counters[std::string("ms_ours") + suffixes[i]] = median(stages[i].oursMs);
        state.counters[std::string("ms_physics") + suffixes[i]] = median(stages[i].physicsMs);
    }
    state.counters["MB"] = player.busiestMb;
    state.counters["MB_after_growth"] = peakResidentMb();
    state.counters["MB_at_menus"] = player.startMb;
    state.counters["heap_MB"] = player.heapMb;
    state.counters["n_draws"] = median(player.drawCalls);
    state.counters["n_state"] = median(player.stateCalls);
    state.counters["n_draws_needed"] = median(player.drawsNeeded);
    state.counters["n_state_needed"] = median(player.stateNeeded);
}

void runGame(benchmark::State& state)
{
    for (auto _ : state) {
        Bench::GameFolder folder;
        Player player;
        Backends backends;
        Bench::FrameHooks::onPoll([&player] { player.frame(); });
        char name[] = "frelmory";
        char* argv[] = {name, nullptr};
        const bool inFolder = folder.ok() && chdir(folder.path().c_str()) == 0;
        const int result = inFolder ? KWEP::clientMain(1, argv, backends) : -1;
        Bench::FrameHooks::onPoll(nullptr);
        if (result != 0 || player.stopped || !player.smashed || !player.finished()) {
            state.SkipWithError("the game did not play through the level and quit");
            break;
        }
        setCounters(state, player);
        const double floorMb = sceneWindowPeakMb(backends, player);
        if (floorMb > 0.0)
            state.counters["floor_MB"] = floorMb;
        printNotes(state, player);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The game keeps tuning values for the rest of a process: one run only.
    Bench::addRun("game", runGame)->Iterations(1)->Repetitions(1);
    // On the no-op driver our own work, the frame without the time inside the
    // GL library, is held to a tenth of a millisecond; the whole frame there
    // (our work and Mesa's API layer, which still runs) to twice that. The
    // growth rows hold our own work without Chipmunk's steps to no worse than
    // linear; Chipmunk's own rows show how its steps grew beside it, to no
    // worse than the square of the work (the contacts of a pile of n parts
    // may grow so).
    if (std::getenv("GALLIUM_NOOP") != nullptr) {
        Bench::addLimit("frame-own", "game", "ms_own", OWN_FRAME_LIMIT_MS, 1.0);
        Bench::addCounterPair("ours-4x", "game", "ms_ours_4x", "ms_ours", 5.0);
        Bench::addCounterPair("ours-16x", "game", "ms_ours_16x", "ms_ours", 20.0);
        Bench::addCounterPair("chipmunk-4x", "game", "ms_physics_4x", "ms_physics", 16.0);
        Bench::addCounterPair("chipmunk-16x", "game", "ms_physics_16x", "ms_physics", 256.0);
        Bench::addLimit("frame-noop", "game", "ms", NOOP_FRAME_LIMIT_MS, 1.0);
        Bench::addCounterPair("draw-calls", "game", "n_draws", "n_draws_needed", 1.0);
        Bench::addCounterPair("gl-state", "game", "n_state", "n_state_needed", 1.0);
    } else {
        // On the software driver the frame the player waits for fits twice in
        // a 60 Hz frame, so a machine half as fast still keeps up; our own
        // work is at most half of it, the rest being the driver's drawing.
        Bench::addLimit("frame", "game", "ms_wall", FRAME_BUDGET_MS, 0.5);
        Bench::addCounterPair("frame-share", "game", "ms_own", "ms_wall", 0.5);
        Bench::addCounterPair("memory", "game", "MB", "floor_MB", 1.2);
    }
    return Bench::runPairs(argc, argv, nullptr);
}
