#ifndef PLAYTHROUGH_ONESWITCHPLAYER_H
#define PLAYTHROUGH_ONESWITCHPLAYER_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "SimPlayer.h"
#include "input/Keyboard.h"

namespace PlayThrough {

namespace Sim {

// One switch, the pointer hidden in the middle of the screen. It watches the
// swing, learns its period from the right turns it sees and presses as it
// expects the next one, when the leaves reach the hidden pointer; it holds
// while the carrot swings down and lets go as it swings up, at the angle it
// has learnt from where its throws came down (short: later; past the snowman
// or too softly: sooner). An anticipating player lets go when it expects the
// carrot at that angle; a reacting one a reaction time after it sees it
// there. It tries again whenever a carrot comes round once more.
class OneSwitchPlayer : public Player {
public:
    OneSwitchPlayer(unsigned seed, bool reacting) : Player(seed), m_reacting(reacting)
    {
        // "As it swings up towards the snowman", as each person reads it.
        m_aim = uniform(15.0f, 45.0f) * PI_F / 180.0f;
    }

protected:
    enum Phase { WATCH_SWING, PRESSING, HOLDING, RELEASING, WATCH_THROW, CONFIRM };

    void see(WholeRun& run, const Scene& scene) override
    {
        switch (m_phase) {
        case WATCH_SWING:
            watchSwing(scene);
            break;
        case HOLDING:
            if (scene.time >= m_pressedAt)
                watchHold(run, scene);
            break;
        case WATCH_THROW:
            watchThrow(scene);
            break;
        case CONFIRM:
            if (Landing::startedAgain(m_last, scene) || scene.top > m_standingTop + 15.0f * scene.scale)
                learnt(0.0f);
            else if (m_now > m_confirmUntil)
                learnt(-1.0f); // it hit too softly to knock the snowman down
            break;
        default:
            break;
        }
        m_last = scene;
    }

    void play(WholeRun& run) override
    {
        if (m_phase == PRESSING && m_now >= m_pressAt) {
            run.key(Devices::Keyboard::KEY_SPACE, true);
            m_pressedAt = m_now;
            m_pivotKnown = false;
            m_hold.clear();
            m_phase = HOLDING;
        } else if (m_phase == RELEASING && m_now >= m_releaseAt) {
            run.key(Devices::Keyboard::KEY_SPACE, false);
            m_landing.start(seen());
            m_standingTop = seen().top;
            m_phase = WATCH_THROW;
        }
    }

private:
    struct Sample {
        float time;
        float value;
    };

    // The leaves' right turns: their times give the swing's period, and
    // the press goes where the next one should come.
    void watchSwing(const Scene& scene)
    {
        if (!scene.carrot || scene.time < m_watchFrom) {
            m_track.clear();
            return;
        }
        m_track.push_back({scene.time, scene.leaves.x});
        m_lowest = m_track.size() == 1 ? scene.leaves.x : std::min(m_lowest, scene.leaves.x);
        const std::size_t n = m_track.size();
        if (n < 3 || !(m_track[n - 2].value > m_track[n - 1].value && m_track[n - 2].value >= m_track[n - 3].value))
            return;
        // A turn of the swing: well right of where the leaves were since the
        // last one, and near the middle, where the pointer is hidden.
        if (m_track[n - 2].value < m_lowest + 30.0f * scene.scale
            || scene.tip.x < WINDOW_WIDTH / 2.0f - 40.0f * scene.scale)
            return;
        m_lowest = scene.leaves.x;
        const float turn = turnTime(m_track[n - 3], m_track[n - 2], m_track[n - 1]);
        if (!m_turns.empty() && turn - m_turns.back() > 0.3f)
            m_period = m_period > 0.0f ? 0.5f * (m_period + turn - m_turns.back()) : turn - m_turns.back();
        m_turns.push_back(turn);
        if (m_period <= 0.0f)
            return;
        float next = turn + m_period;
        while (next < m_now + 0.2f)
            next += m_period;
        m_pressAt = next + normal(0.1f);
        m_phase = PRESSING;
    }

    // The time of the top of a parabola through three samples.
    static float turnTime(const Sample& a, const Sample& b, const Sample& c)
    {
        const float h = 0.5f * (c.time - a.time);
        const float curve = a.value - 2.0f * b.value + c.value;
        if (std::fabs(curve) < 1e-3f || h <= 0.0f)
            return b.time;
        return b.time + std::max(-h, std::min(h, 0.5f * h * (a.value - c.value) / curve));
    }

    void watchHold(WholeRun& run, const Scene& scene)
    {
        if (!m_pivotKnown && scene.carrot) {
            m_pivot = scene.tip;
            m_pivotKnown = true;
        }
        if (!scene.carrot || (scene.time > m_pressedAt + 0.25f && distance(scene.tip, m_pivot) > 25.0f * scene.scale)) {
            // Missed the carrot: let go and watch the swing again.
            run.key(Devices::Keyboard::KEY_SPACE, false);
            watchAgain(0.5f);
            return;
        }
        m_hold.push_back({scene.time, scene.hangAngle()});
        if (m_hold.size() >= 3)
            planRelease();
        if (m_phase == HOLDING && m_now > m_pressedAt + 3.0f) {
            m_releaseAt = m_now;
            m_phase = RELEASING;
        }
    }

    // From the last three angles seen: the carrot slows as it swings up, so
    // the guess of when it gets there allows for that.
    void planRelease()
    {
        const std::size_t n = m_hold.size();
        const Sample& a = m_hold[n - 3];
        const Sample& b = m_hold[n - 2];
        const Sample& c = m_hold[n - 1];
        const float turning = (c.value - b.value) / std::max(0.001f, c.time - b.time);
        if (turning <= 0.5f || c.value < -0.3f)
            return;
        if (m_reacting) {
            if (c.value >= m_aim) {
                m_releaseAt = std::max(m_now, c.time + delay(0.3f, 0.15f));
                m_phase = RELEASING;
            }
            return;
        }
        const float before = (b.value - a.value) / std::max(0.001f, b.time - a.time);
        const float slowing = std::min(0.0f, (turning - before) / std::max(0.001f, 0.5f * (c.time - a.time)));
        const float there = c.time + timeToGo(m_aim - c.value, turning, slowing);
        if (there - c.time < 0.15f) {
            m_releaseAt = std::max(m_now, there + normal(0.1f));
            m_phase = RELEASING;
        }
    }

    // Seconds to turn `left` radians at `speed` slowing by `slowing` (<= 0).
    static float timeToGo(float left, float speed, float slowing)
    {
        if (left <= 0.0f)
            return 0.0f;
        const float disc = speed * speed + 2.0f * slowing * left;
        if (slowing > -1e-3f || disc < 0.0f)
            return disc < 0.0f ? 1.0f : left / speed;
        return (speed - std::sqrt(disc)) / -slowing;
    }

    void watchThrow(const Scene& scene)
    {
        const Landing::Outcome outcome = m_landing.follow(scene);
        if (outcome == Landing::SHORT)
            learnt(1.0f);
        else if (outcome == Landing::LONG)
            learnt(-1.0f);
        else if (outcome == Landing::HIT && m_landing.startedOver())
            learnt(0.0f);
        else if (outcome == Landing::HIT) {
            m_phase = CONFIRM; // a hit: did the snowman go down?
            m_confirmUntil = m_now + 3.0f;
        }
    }

    // Lets go later (+1), sooner (-1) or as before (0) next time.
    void learnt(float later)
    {
        m_aim += later * m_step;
        if (later == 0.0f || later != m_lastChange)
            m_step = std::max(3.0f * PI_F / 180.0f, m_step * 0.6f);
        if (later != 0.0f)
            m_lastChange = later;
        watchAgain(0.5f);
    }

    void watchAgain(float after)
    {
        m_phase = WATCH_SWING;
        m_track.clear();
        m_turns.clear();
        m_watchFrom = m_now + after;
    }

    bool m_reacting;
    Phase m_phase = WATCH_SWING;
    std::vector<Sample> m_track; // the leaves' x
    std::vector<float> m_turns;
    float m_period = 0.0f; // learnt: the swing's period (seconds)
    float m_watchFrom = 0.0f;
    float m_pressAt = 0.0f;
    float m_pressedAt = 0.0f;
    float m_releaseAt = 0.0f;
    bool m_pivotKnown = false;
    Pixel m_pivot;
    std::vector<Sample> m_hold; // the carrot's hanging angle while held
    float m_aim = 0.0f;          // learnt: the angle to let go at (radians)
    float m_step = 10.0f * PI_F / 180.0f;
    float m_lastChange = 0.0f;
    float m_confirmUntil = 0.0f;
    float m_standingTop = 0.0f; // the snowman's top as it stood at the throw
    float m_lowest = 0.0f;      // the leaves' leftmost since the last turn
    Landing m_landing;
    Scene m_last;
};

} // namespace Sim

} // namespace PlayThrough

#endif
