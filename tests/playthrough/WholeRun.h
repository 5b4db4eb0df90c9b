#ifndef PLAYTHROUGH_WHOLERUN_H
#define PLAYTHROUGH_WHOLERUN_H

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Picture.h"
#include "ScriptedWindowApp.h"
#include "WindowInput.h"
#include "client/ClientBackends.h"
#include "client/ClientFSM.h"
#include "client/GameClient.h"
#include "client/clientMain.h"
#include "core/CFG.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Score.h"
#include "core/I_EventConsumer.h"
#include "core/PointsString.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorldItem.h"
#include "render/rglController.h"
#include "shell/I_Config.h"
#include "shell/I_Game.h"
#include "shell/OptionKey.h"
#include "sound/salController.h"
#include "world/World.h"

namespace PlayThrough {

typedef MathStuff::Vector3<float> Vec;

// One play event heard during a run and the frame it came in.
struct Heard {
    int id;
    std::string text;
    int points;
    int frame;
};

// The whole program through clientMain on a hidden window (the render and
// sound back ends are the real ones) whose frame loop plays a list of steps.
// A step waits until the game is in its state, then acts once per frame,
// given the frames since it began, until it answers true (even when its own
// input has taken the game on to another state).
class WholeRun : public KWEP::ClientBackends, public EVT::I_EventConsumer {
public:
    typedef std::function<bool(WholeRun&, int frame)> Act;
    struct Step {
        unsigned long state;
        Act act;
    };

    WholeRun(std::vector<Step> steps, int frameLimit) : m_steps(std::move(steps)), m_frameLimit(frameLimit) {}
    ~WholeRun() override { EVT::EventBus::instance()->removeConsumer(this); }

    // Runs the game with the arguments; its exit code.
    int run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "frelmory");
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(&arg[0]);
        argv.push_back(nullptr);
        const int code = KWEP::clientMain(static_cast<int>(args.size()), argv.data(), *this);
        m_window = nullptr; // deleted by clientMain
        return code;
    }

    Game::I_WindowApp* makeWindowApp(const char*, int width, int height, bool, int*, char**) override
    {
        m_width = width;
        m_height = height;
        m_window = new ScriptedWindowApp(
            width, height, [this](ScriptedWindowApp&, int frame) { tick(frame); }, m_frameLimit);
        m_window->drawEvery = drawEvery;
        WindowInput::install(*m_window);
        if (onPicture)
            m_window->afterDraw = [this](int) { onPicture(Picture::read(m_width, m_height)); };
        return m_window;
    }
    Render::I_RenderController* makeRenderController(const Render::ViewData& view) override
    {
        return new RGL::rglController(view);
    }
    Sound::I_SoundController* makeSoundController() override { return new SAL::salController(); }

    void handleEvent(EVT::I_Event* event) override
    {
        Heard heard{event->getEventID(), "", 0, m_frame};
        if (const EVT::EventWithString* text = EVT::eventCast<EVT::EventWithString>(event))
            heard.text = text->getString();
        if (const EVT::Event_Score* score = EVT::eventCast<EVT::Event_Score>(event))
            heard.points = score->points;
        heard_.push_back(heard);
    }

    // Input as the window library hands it to the window's callbacks: the
    // game's key code, the button mask (1 left, 2 right, 4 middle), pixels.
    void key(unsigned char code, bool pressed)
    {
        WindowInput::key(m_window->window(), WindowInput::keyToken(code), pressed ? GLFW_PRESS : GLFW_RELEASE);
    }
    void pointer(int x, int y) { WindowInput::pointer(m_window->window(), x, y); }
    void button(int mask, bool pressed)
    {
        const int button = mask == 2 ? GLFW_MOUSE_BUTTON_RIGHT : mask == 4 ? GLFW_MOUSE_BUTTON_MIDDLE : GLFW_MOUSE_BUTTON_LEFT;
        WindowInput::button(m_window->window(), button, pressed ? GLFW_PRESS : GLFW_RELEASE);
    }
    // Window pixels given in percent of its size.
    void pointerPercent(float x, float y)
    {
        pointer(static_cast<int>(std::lround(x * m_width / 100.0f)), static_cast<int>(std::lround(y * m_height / 100.0f)));
    }

    // The first body of the level's item of the kind; false without one.
    static bool bodyOf(const std::string& kind, MathStuff::Orientation<float>& body)
    {
        Game::I_Game* game = Game::I_Game::instance();
        KWEP::World* world = game ? dynamic_cast<KWEP::World*>(game->getWorld()) : nullptr;
        std::vector<unsigned long> ids;
        if (!world || world->getItems(kind, ids) < 1)
            return false;
        auto* item = dynamic_cast<Physics::ChipmunkWorldItem*>(world->findItem(ids[0]));
        std::vector<MathStuff::Orientation<float> > bodies;
        if (item)
            item->getChipmunkItem()->getPositions(bodies);
        if (bodies.empty())
            return false;
        body = bodies[0];
        return true;
    }
    static bool placeOf(const std::string& kind, Vec& place)
    {
        MathStuff::Orientation<float> body;
        if (!bodyOf(kind, body))
            return false;
        place = body.position;
        return true;
    }

    // The window point over a point of the plane of play: the play camera
    // stands CAMERA_XYZ from the hand and looks along -z with the play field
    // of view (OPTION_PLAY_FOV) across the window's height.
    std::pair<float, float> pixelOf(const Vec& point) const
    {
        Vec hand;
        placeOf("PLAYER", hand);
        const Vec camera = MathStuff::PointsString(0.0f, false).stringToPoint(CFG::get("CAMERA_XYZ"));
        const float* fov = Game::I_Game::instance()->getConfig()->getFloatPtr(Game::OPTION_PLAY_FOV);
        const float halfHeight = camera.z * std::tan((fov ? *fov : 33.0f) * static_cast<float>(M_PI) / 360.0f);
        const float unitsPerPixel = 2.0f * halfHeight / static_cast<float>(m_height);
        return {m_width / 2.0f + (point.x - hand.x - camera.x) / unitsPerPixel,
                m_height / 2.0f - (point.y - hand.y - camera.y) / unitsPerPixel};
    }
    float unitsPerPixel() const
    {
        const std::pair<float, float> a = pixelOf(Vec(0, 0, 0));
        const std::pair<float, float> b = pixelOf(Vec(100, 0, 0));
        return 100.0f / (b.first - a.first);
    }

    // What was heard, in order; the frames of one kind.
    const std::vector<Heard>& heard() const { return heard_; }
    std::vector<Heard> heardOf(int id) const
    {
        std::vector<Heard> some;
        for (const Heard& heard : heard_)
            if (heard.id == id)
                some.push_back(heard);
        return some;
    }
    int score() const
    {
        int total = 0;
        for (const Heard& heard : heardOf(EVT::EVENT_SCORE))
            total += heard.points;
        return total;
    }
    // Frames since the current level began (its snowman was made).
    int levelFrame() const
    {
        const std::vector<Heard> made = heardOf(EVT::EVENT_SNOWMAN_MADE);
        return made.empty() ? -1 : m_frame - made.back().frame;
    }
    int frame() const { return m_frame; }
    // The states visited and the events heard, for failure messages.
    std::string describe() const
    {
        std::string text = "states";
        for (unsigned long state : visited)
            text += " " + std::to_string(state);
        text += "; heard";
        for (const Heard& heard : heard_)
            text += " " + std::to_string(heard.id) + "@" + std::to_string(heard.frame) +
                    (heard.text.empty() ? "" : "(" + heard.text + ")") +
                    (heard.points ? "[" + std::to_string(heard.points) + "]" : "");
        return text + "; step " + std::to_string(m_step) + "; frame " + std::to_string(m_frame);
    }
    // Whether the run was cut at the frame limit.
    bool reachedLimit() const { return m_frame + 1 >= m_frameLimit; }
    bool finishedSteps() const { return m_step >= m_steps.size(); }

    static unsigned long currentState()
    {
        KWEP::GameClient* client = dynamic_cast<KWEP::GameClient*>(KWEP::TheGame::instance());
        KWEP::ClientFSM* fsm = client ? client->getStateMachine() : nullptr;
        return fsm ? fsm->getCurState() : 0;
    }

    std::vector<unsigned long> visited;
    std::map<unsigned long, int> framesIn; // frames spent in each state
    // Passed on to the window: runs that judge no pictures draw seldom.
    int drawEvery = 1;
    // Given every picture drawn, read back from the window.
    std::function<void(const Picture&)> onPicture;

private:
    void tick(int frame)
    {
        m_frame = frame;
        if (frame == 0) {
            EVT::EventBus* bus = EVT::EventBus::instance();
            for (int id : {EVT::EVENT_GRAB, EVT::EVENT_RELEASE, EVT::EVENT_SCORE, EVT::EVENT_SNOWMAN_DOWN, EVT::EVENT_SNOWMAN_MADE,
                           EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ITEM_RELEASED, EVT::EVENT_NEXT_LEVEL,
                           EVT::EVENT_GAME_OVER})
                bus->addConsumer(id, this);
        }
        const unsigned long state = currentState();
        if (visited.empty() || visited.back() != state)
            visited.push_back(state);
        ++framesIn[state];
        // A step starts in its state and then runs on to its end wherever its
        // input takes the game.
        if (m_step >= m_steps.size() || (m_stepFrame == 0 && m_steps[m_step].state != state))
            return;
        if (m_steps[m_step].act(*this, m_stepFrame++)) {
            ++m_step;
            m_stepFrame = 0;
        }
    }

    std::vector<Step> m_steps;
    int m_frameLimit;
    ScriptedWindowApp* m_window = nullptr; // owned by clientMain
    int m_width = 0;
    int m_height = 0;
    int m_frame = 0;
    std::size_t m_step = 0;
    int m_stepFrame = 0;
    std::vector<Heard> heard_;
};

// Acts shared by the scenarios.
namespace Acts {

// Nothing for the frames given.
inline WholeRun::Act wait(int frames)
{
    return [frames](WholeRun&, int frame) { return frame >= frames; };
}

// A key pressed for the frames given (at least one), then let go.
inline WholeRun::Act hold(unsigned char code, int frames)
{
    return [code, frames](WholeRun& run, int frame) {
        if (frame == 0)
            run.key(code, true);
        if (frame >= frames)
            run.key(code, false);
        return frame >= frames;
    };
}

inline WholeRun::Act tap(unsigned char code) { return hold(code, 1); }

// The player leaves the game: the run ends after this frame.
inline WholeRun::Act quit()
{
    return [](WholeRun&, int) {
        EVT::Event quitEvent(EVT::EVENT_QUIT);
        EVT::EventBus::instance()->raiseEvent(&quitEvent, false);
        return true;
    };
}

// The acts one after the other, all in the same state.
inline WholeRun::Act then(std::vector<WholeRun::Act> acts)
{
    auto next = std::make_shared<std::size_t>(0);
    auto start = std::make_shared<int>(0);
    return [acts, next, start](WholeRun& run, int frame) {
        while (*next < acts.size()) {
            if (!acts[*next](run, frame - *start))
                return false;
            ++*next;
            *start = frame + 1;
            return *next >= acts.size();
        }
        return true;
    };
}

// Keys tapped one after another, a few frames apart so every page is drawn.
inline WholeRun::Act taps(std::vector<unsigned char> codes)
{
    std::vector<WholeRun::Act> acts;
    for (unsigned char code : codes) {
        acts.push_back(wait(4));
        acts.push_back(tap(code));
    }
    return then(acts);
}

} // namespace Acts

} // namespace PlayThrough

#endif
