#ifndef PLAYTHROUGH_SIMPLAYER_H
#define PLAYTHROUGH_SIMPLAYER_H

#include <algorithm>
#include <cmath>
#include <random>

#include "Eyes.h"
#include "WholeRun.h"
#include "core/Pi.h"

namespace PlayThrough {

namespace Sim {

const float FRAME_S = 0.016f; // the scripted window's frame
// The window the players play in; a person's sizes on the screen (pointer
// error, tremor, speed) are given for a window 640 pixels wide and shrink
// with it.
const int WINDOW_WIDTH = 320;
const int WINDOW_HEIGHT = 240;
const float SCALE = WINDOW_WIDTH / 640.0f;
using MathStuff::PI_F;

// One simulated player. It sees the pictures the game draws through its eyes
// and acts once a frame through the window's input; nothing else of the game
// reaches it.
class Player {
public:
    explicit Player(unsigned seed) : m_random(seed), m_eyes(0.1f, 0.02f) {}
    virtual ~Player() {}

    // A picture was drawn at the frame.
    void look(const Picture& picture, int frame) { m_eyes.look(picture, frame * FRAME_S, m_random); }

    void act(WholeRun& run)
    {
        m_now = run.frame() * FRAME_S;
        if (m_eyes.newSight(m_now))
            see(run, m_eyes.seen());
        play(run);
    }

protected:
    // A scene newly seen, and every frame after it.
    virtual void see(WholeRun&, const Scene&) {}
    virtual void play(WholeRun&) {}

    float normal(float sigma) { return std::normal_distribution<float>(0.0f, sigma)(m_random); }
    float uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(m_random); }
    // A person's delay: no shorter than the quickest a person manages.
    float delay(float mean, float sigma) { return std::max(0.1f, mean + normal(sigma)); }

    const Scene& seen() const { return m_eyes.seen(); }
    bool seenAny() const { return m_eyes.seenAny(); }

    std::mt19937 m_random;
    Eyes m_eyes;
    float m_now = 0.0f; // seconds of play
};

// Where a throw came down against the snowman, as a person judges it from
// the scenes after letting go: it knocked the snowman (the score changed or
// a new level began), or it came down short of it or past it.
class Landing {
public:
    enum Outcome { FLYING, HIT, SHORT, LONG };

    void start(const Scene& at)
    {
        m_score = at.scoreLook;
        m_last = at;
        m_since = at.time;
        m_restFor = 0.0f;
        m_flight.clear();
        m_outcome = FLYING;
        m_startedOver = false;
    }

    // Follows the carrot in a newly seen scene; the outcome once it is known.
    Outcome follow(const Scene& now)
    {
        if (m_outcome != FLYING)
            return m_outcome;
        m_startedOver = startedAgain(m_last, now);
        if (now.scoreLook != m_score || m_startedOver)
            m_outcome = HIT;
        else if (!now.carrot)
            m_outcome = m_last.carrot ? sideOf(m_last, m_last.root.x) : HIT;
        else if (cameToRest(now) || now.time > m_since + 4.0f)
            m_outcome = sideOf(now, now.root.x);
        if (now.carrot && m_outcome == FLYING)
            m_flight.push_back(now);
        m_last = now;
        return m_outcome;
    }
    // How far past the snowman's middle it came down (pixels).
    float beyond() const { return m_beyond; }
    const std::vector<Scene>& flight() const { return m_flight; }
    // Whether the level began again: the snowman fell.
    bool startedOver() const { return m_startedOver; }

    // A new level shows a fresh snowman standing taller, or the carrot back
    // far from where it just was.
    static bool startedAgain(const Scene& before, const Scene& now)
    {
        if (before.snowman && now.snowman && now.top < before.top - 15.0f * now.scale)
            return true;
        return before.carrot && now.carrot && distance(before.root, now.root) > 120.0f * now.scale;
    }

private:
    bool cameToRest(const Scene& now)
    {
        const float moved = distance(now.root, m_last.root);
        m_restFor = moved < 2.0f * now.scale ? m_restFor + (now.time - m_last.time) : 0.0f;
        return m_restFor > 0.4f || now.root.y > now.groundY - 8.0f * now.scale;
    }
    Outcome sideOf(const Scene& scene, float x)
    {
        m_beyond = x - scene.body.x;
        if (!scene.snowman)
            return HIT;
        if (x < scene.left - 4.0f * scene.scale)
            return SHORT;
        return x > scene.right + 4.0f * scene.scale ? LONG : (x < scene.body.x ? SHORT : LONG);
    }

    std::uint32_t m_score = 0;
    Scene m_last;
    float m_since = 0.0f; // when it was let go
    float m_restFor = 0.0f;
    float m_beyond = 0.0f;
    Outcome m_outcome = FLYING;
    bool m_startedOver = false;
    std::vector<Scene> m_flight;
};

} // namespace Sim

} // namespace PlayThrough

#endif
