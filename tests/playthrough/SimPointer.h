#ifndef PLAYTHROUGH_SIMPOINTER_H
#define PLAYTHROUGH_SIMPOINTER_H

#include <cmath>
#include <deque>
#include <random>

#include "SimPlayer.h"

namespace PlayThrough {

namespace Sim {

// A pointer with a person's limits: it moves towards its goal no faster than
// its top speed and shakes around it with a smooth tremor of the given size.
// It remembers where it was lately, so the player can match a scene it sees
// late with where its hand was then.
class Pointer {
public:
    // Speed (pixels a second) and tremor (pixels) in a window 640 pixels wide.
    Pointer(float maxSpeed, float tremor) : m_maxSpeed(maxSpeed * SCALE), m_tremor(tremor * SCALE) {}

    void start(float x, float y)
    {
        m_x = x;
        m_y = y;
    }
    // One frame towards the goal (window pixels) at a speed given for a
    // window 640 pixels wide; true once there.
    bool moveTowards(WholeRun& run, float gx, float gy, float speed, std::mt19937& random)
    {
        const float step = std::min(speed * SCALE, m_maxSpeed) * FRAME_S;
        const float dx = gx - m_x, dy = gy - m_y;
        const float away = std::sqrt(dx * dx + dy * dy);
        if (away <= step) {
            m_x = gx;
            m_y = gy;
        } else {
            m_x += dx / away * step;
            m_y += dy / away * step;
        }
        show(run, random);
        return away <= step;
    }
    void show(WholeRun& run, std::mt19937& random)
    {
        // The tremor is white noise smoothed twice with a third of a second's
        // memory: it wanders about its size without sudden jumps.
        const float keep = std::exp(-FRAME_S / 0.3f);
        const float fresh = std::sqrt(1.0f - keep * keep);
        std::normal_distribution<float> shake(0.0f, 1.0f);
        m_driftX = keep * m_driftX + fresh * shake(random);
        m_driftY = keep * m_driftY + fresh * shake(random);
        m_shakeX = keep * m_shakeX + fresh * m_driftX;
        m_shakeY = keep * m_shakeY + fresh * m_driftY;
        // Unit noise smoothed twice in this way wanders about 4.3 either side.
        const float scale = m_tremor / 4.3f;
        const Pixel shown{m_x + scale * m_shakeX, m_y + scale * m_shakeY};
        run.pointer(static_cast<int>(std::lround(shown.x)), static_cast<int>(std::lround(shown.y)));
        m_past.push_back(shown);
        if (m_past.size() > 60)
            m_past.pop_front();
    }
    float x() const { return m_x; }
    float y() const { return m_y; }
    // Whether the carrot of a scene seen at `now` hung on the pointer where
    // it was shown when that picture was drawn.
    bool carries(const Scene& scene, float now) const
    {
        if (!scene.carrot)
            return false;
        const Pixel hand = shownAgo(static_cast<int>(std::lround((now - scene.time) / FRAME_S)));
        const float dx = scene.tip.x - scene.root.x, dy = scene.tip.y - scene.root.y;
        const float length2 = std::max(1.0f, dx * dx + dy * dy);
        const float t = std::max(0.0f, std::min(1.0f, ((hand.x - scene.root.x) * dx + (hand.y - scene.root.y) * dy) / length2));
        return distance(Pixel{scene.root.x + t * dx, scene.root.y + t * dy}, hand) < 25.0f * scene.scale;
    }

private:
    // Where the pointer was shown `frames` frames ago (the oldest it keeps).
    Pixel shownAgo(int frames) const
    {
        if (m_past.empty())
            return Pixel{m_x, m_y};
        const int back = std::min(static_cast<int>(m_past.size()) - 1, std::max(0, frames));
        return m_past[m_past.size() - 1 - back];
    }

    float m_maxSpeed;
    float m_tremor;
    float m_x = 0.0f, m_y = 0.0f;
    float m_shakeX = 0.0f, m_shakeY = 0.0f;
    float m_driftX = 0.0f, m_driftY = 0.0f;
    std::deque<Pixel> m_past;
};

// A player with a pointer, which starts in the middle of the window and rests
// between its tries.
class PointerPlayer : public Player {
public:
    PointerPlayer(unsigned seed, float maxSpeed, float tremor) : Player(seed), m_pointer(maxSpeed, tremor)
    {
        m_pointer.start(WINDOW_WIDTH / 2.0f, WINDOW_HEIGHT / 2.0f);
    }

protected:
    // Holds the pointer still; true once rested and a carrot is in sight.
    bool rested(WholeRun& run)
    {
        m_pointer.show(run, m_random);
        return m_now >= m_wakeAt && seen().carrot;
    }
    void restFor(float seconds) { m_wakeAt = m_now + seconds; }

    Pointer m_pointer;

private:
    float m_wakeAt = 0.0f;
};

} // namespace Sim

} // namespace PlayThrough

#endif
