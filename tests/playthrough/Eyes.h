#ifndef PLAYTHROUGH_EYES_H
#define PLAYTHROUGH_EYES_H

#include <algorithm>
#include <deque>
#include <random>

#include "Scene.h"

namespace PlayThrough {

// A person's sight of the window: each picture it looks at is read as a
// scene and reaches the player a perception delay later (with some spread),
// never before the scene looked at before it.
class Eyes {
public:
    Eyes(float delay, float spread) : m_delay(delay), m_spread(spread) {}

    void look(const Picture& picture, float time, std::mt19937& random)
    {
        const float late = std::max(0.04f, m_delay + std::normal_distribution<float>(0.0f, m_spread)(random));
        m_readyAt = std::max(m_readyAt, time + late);
        m_coming.push_back({m_readyAt, readScene(picture, time)});
    }

    // Whether a scene reached the player by `now` that it had not seen yet;
    // the newest one is then `seen()`.
    bool newSight(float now)
    {
        bool fresh = false;
        while (!m_coming.empty() && m_coming.front().readyAt <= now) {
            m_seen = m_coming.front().scene;
            m_coming.pop_front();
            fresh = true;
        }
        m_any = m_any || fresh;
        return fresh;
    }
    const Scene& seen() const { return m_seen; }
    bool seenAny() const { return m_any; }

private:
    struct Coming {
        float readyAt;
        Scene scene;
    };
    float m_delay;
    float m_spread;
    float m_readyAt = 0.0f;
    std::deque<Coming> m_coming;
    Scene m_seen;
    bool m_any = false;
};

} // namespace PlayThrough

#endif
