#ifndef PLAYTHROUGH_HEADTRACKERPLAYER_H
#define PLAYTHROUGH_HEADTRACKERPLAYER_H

#include <algorithm>

#include "SimPointer.h"

namespace PlayThrough {

namespace Sim {

// The pointer alone: resting on the carrot takes it; it carries the carrot
// high over the snowman, waits to see it hang still and lets go by leaving
// the top of the screen, so the carrot drops onto the snowman. It learns how
// long to rest on the carrot and where to hold it from what it saw happen.
class HeadTrackerPlayer : public PointerPlayer {
public:
    explicit HeadTrackerPlayer(unsigned seed) : PointerPlayer(seed, 400.0f, 8.0f) { restFor(uniform(0.4f, 0.9f)); }

protected:
    enum Phase { WAIT, REACH, CARRY, SETTLE, LEAVE, BACK };

    void see(WholeRun&, const Scene& scene) override
    {
        const bool carried = m_pointer.carries(scene, m_now);
        if (m_phase == CARRY && scene.time > m_liftedAt + 0.15f && !carried) {
            m_rest += 0.4f; // it did not take: rest longer next time
            startReach();
        } else if (m_phase == SETTLE) {
            m_stillFor = distance(scene.root, m_last.root) < 1.5f * scene.scale ? m_stillFor + scene.time - m_last.time : 0.0f;
        } else if (m_phase == LEAVE && !carried) {
            m_landing.start(scene);
            m_phase = BACK;
        } else if (m_phase == BACK && m_landing.follow(scene) != Landing::FLYING) {
            learn();
            m_phase = WAIT;
            restFor(delay(0.6f, 0.2f));
        }
        m_last = scene;
    }

    void play(WholeRun& run) override
    {
        if (m_phase == WAIT && rested(run))
            startReach();
        switch (m_phase) {
        case WAIT:
            break;
        case REACH:
            reach(run);
            break;
        case CARRY:
            carry(run);
            break;
        case SETTLE:
            m_pointer.show(run, m_random);
            if (m_stillFor > 0.3f || m_now > m_settleUntil)
                m_phase = LEAVE;
            break;
        case LEAVE:
            m_pointer.moveTowards(run, m_pointer.x(), -20.0f * SCALE, 120.0f, m_random);
            break;
        case BACK:
            // Back to the middle, clear of the pause area at the bottom.
            m_pointer.moveTowards(run, WINDOW_WIDTH / 2.0f, WINDOW_HEIGHT / 3.0f, 400.0f, m_random);
            break;
        }
    }

private:
    void startReach()
    {
        m_phase = REACH;
        m_errX = normal(6.0f * SCALE);
        m_errY = normal(6.0f * SCALE);
        m_restingSince = -1.0f;
    }

    // Follows the carrot's root; after resting on it as long as it has
    // learnt it takes, it starts to lift.
    void reach(WholeRun& run)
    {
        if (!seen().carrot) {
            m_pointer.show(run, m_random);
            return;
        }
        const bool there = m_pointer.moveTowards(run, seen().root.x + m_errX, seen().root.y + m_errY, 400.0f, m_random);
        if (there && m_restingSince < 0.0f)
            m_restingSince = m_now;
        if (m_restingSince >= 0.0f && m_now >= m_restingSince + m_rest) {
            m_phase = CARRY;
            m_liftedAt = m_now;
            m_aimX = m_shift + normal(6.0f * SCALE);
        }
    }

    void carry(WholeRun& run)
    {
        if (!seen().snowman) {
            m_pointer.show(run, m_random);
            return;
        }
        if (m_pointer.moveTowards(run, seen().body.x + m_aimX, 24.0f * SCALE, 400.0f, m_random)) {
            m_phase = SETTLE;
            m_stillFor = 0.0f;
            m_settleUntil = m_now + 3.0f;
        }
    }

    // Where a drop that missed came down: the next one goes that much the
    // other way.
    void learn()
    {
        const Landing::Outcome outcome = m_landing.follow(seen());
        if (outcome == Landing::SHORT || outcome == Landing::LONG)
            m_shift = std::max(-60.0f * SCALE, std::min(60.0f * SCALE, m_shift - 0.5f * m_landing.beyond()));
    }

    Landing m_landing;
    Scene m_last;
    Phase m_phase = WAIT;
    float m_errX = 0.0f, m_errY = 0.0f;
    float m_restingSince = -1.0f;
    float m_rest = 0.6f; // learnt: how long a rest on the carrot takes it
    float m_liftedAt = 0.0f;
    float m_aimX = 0.0f;
    float m_stillFor = 0.0f;
    float m_settleUntil = 0.0f;
    float m_shift = 0.0f; // learnt: where to hold the carrot against the snowman's middle
};

} // namespace Sim

} // namespace PlayThrough

#endif
