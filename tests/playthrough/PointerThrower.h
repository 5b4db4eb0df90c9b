#ifndef PLAYTHROUGH_POINTERTHROWER_H
#define PLAYTHROUGH_POINTERTHROWER_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "SimPointer.h"

namespace PlayThrough {

namespace Sim {

// What a thrower has learnt of how a throw flies, from its own throws: how
// fast things fall on the screen and how much of the hand's speed the carrot
// keeps. Before its first throw it goes by a guess of its own.
struct ThrowSense {
    float fall = 600.0f; // pixels per second squared, downwards
    float keep = 1.0f;   // the carrot's speed for the hand's
    int flightsSeen = 0;

    // Learns from the carrot's places in the scenes after letting go, thrown
    // with the hand at `handSpeed` pixels a second; whether it learnt.
    bool learn(const std::vector<Scene>& flight, float handSpeed)
    {
        std::vector<Scene> early;
        for (const Scene& scene : flight)
            if (scene.time - flight.front().time < 0.45f && scene.root.y < scene.groundY - 20.0f * scene.scale)
                early.push_back(scene);
        float a = 0.0f, b = 0.0f, c = 0.0f, speedX = 0.0f;
        if (early.size() < 5 || !fit(early, a, b, c, speedX) || c * 2.0f < 50.0f || c * 2.0f > 5000.0f)
            return false;
        const float weight = flightsSeen == 0 ? 1.0f : 0.5f;
        fall += weight * (2.0f * c - fall);
        const float launched = std::hypot(speedX, b);
        if (handSpeed > 1.0f)
            keep += weight * (std::max(0.2f, std::min(2.0f, launched / handSpeed)) - keep);
        ++flightsSeen;
        return true;
    }

    // The angle above the horizon that carries a carrot launched at `from`
    // with `speed` down onto `target` (the flatter of the two), or 45 degrees
    // when it cannot reach.
    float angleTo(const Pixel& from, const Pixel& target, float speed) const
    {
        const float dx = std::max(1.0f, target.x - from.x);
        const float rise = from.y - target.y;
        const float a = fall * dx * dx / (2.0f * speed * speed);
        const float disc = dx * dx - 4.0f * a * (rise + a);
        if (disc < 0.0f)
            return PI_F / 4.0f;
        return std::atan((dx - std::sqrt(disc)) / (2.0f * a));
    }

private:
    // Least squares: y = a + b t + c t^2 and x = x0 + speedX t over the
    // scenes' roots, t from the first scene.
    static bool fit(const std::vector<Scene>& s, float& a, float& b, float& c, float& speedX)
    {
        double m[3][4] = {{0}};
        double st = 0, sx = 0, stt = 0, stx = 0;
        for (const Scene& scene : s) {
            const double t = scene.time - s.front().time;
            const double p[3] = {1.0, t, t * t};
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j)
                    m[i][j] += p[i] * p[j];
                m[i][3] += p[i] * scene.root.y;
            }
            st += t;
            sx += scene.root.x;
            stt += t * t;
            stx += t * scene.root.x;
        }
        const double n = static_cast<double>(s.size());
        if (n * stt - st * st <= 1e-9)
            return false;
        speedX = static_cast<float>((n * stx - st * sx) / (n * stt - st * st));
        double solved[3];
        if (!solve(m, solved))
            return false;
        a = static_cast<float>(solved[0]);
        b = static_cast<float>(solved[1]);
        c = static_cast<float>(solved[2]);
        return true;
    }
    static bool solve(double m[3][4], double out[3])
    {
        for (int col = 0; col < 3; ++col) {
            int pivot = col;
            for (int row = col + 1; row < 3; ++row)
                if (std::fabs(m[row][col]) > std::fabs(m[pivot][col]))
                    pivot = row;
            if (std::fabs(m[pivot][col]) < 1e-12)
                return false;
            for (int k = 0; k < 4; ++k)
                std::swap(m[col][k], m[pivot][k]);
            for (int row = 0; row < 3; ++row) {
                if (row == col)
                    continue;
                const double f = m[row][col] / m[col][col];
                for (int k = 0; k < 4; ++k)
                    m[row][k] -= f * m[col][k];
            }
        }
        for (int i = 0; i < 3; ++i)
            out[i] = m[i][3] / m[i][i];
        return true;
    }
};

// How a pointer player differs from another: its pointer, how well it
// aims and times, and the throw it likes.
// Sizes on the screen are given for a window 640 pixels wide.
struct PointerLimits {
    float maxSpeed;     // pixels a second
    float tremor;       // pixels
    float reachError;   // pixels off the point it reaches for
    float angleError;   // degrees off the angle it means to throw at
    float pressDelay;   // seconds from the pointer on the carrot to the press
    float pressSpread;
    float releaseSpread; // seconds off the moment it means to let go
    float throwSeconds;  // how long the hand moves before letting go
    float handSpeed;     // pixels a second it likes to throw with
};

// A thrower with a pointer: it takes the carrot by its root and lifts it,
// drawing it back from a snowman that stands near, then moves the
// pointer up towards the snowman along the angle and at the speed its sense
// of the throw says will bring the carrot down on the snowman, and lets go.
// How it presses and lets go is left to the kind of input.
class PointerThrower : public PointerPlayer {
public:
    PointerThrower(unsigned seed, const PointerLimits& limits)
        : PointerPlayer(seed, limits.maxSpeed, limits.tremor), m_limits(limits)
    {
        m_sense.fall = uniform(300.0f, 1000.0f) * SCALE; // a guess, different for each person
        restFor(uniform(0.3f, 0.7f));
    }

protected:
    enum Phase { WAIT, REACH, PRESS, LIFT, THROW, WATCH };

    virtual void press(WholeRun& run) = 0;
    virtual void release(WholeRun& run) = 0;

    void see(WholeRun& run, const Scene& scene) override
    {
        if (scene.carrot && m_before.carrot && scene.time > m_before.time)
            m_motion = Pixel{(scene.root.x - m_before.root.x) / (scene.time - m_before.time),
                             (scene.root.y - m_before.root.y) / (scene.time - m_before.time)};
        m_before = scene;
        if (m_phase == LIFT && m_liftedAt > 0.0f && scene.time > m_liftedAt) {
            if (m_pointer.carries(scene, m_now))
                startThrow();
            else
                release(run); // it did not take: try again
            if (m_phase == LIFT)
                startReach();
        } else if (m_phase == WATCH && m_landing.follow(scene) != Landing::FLYING) {
            learn();
            m_phase = WAIT;
            restFor(delay(0.5f, 0.2f));
        }
    }

    void play(WholeRun& run) override
    {
        switch (m_phase) {
        case WAIT:
            if (rested(run))
                startReach();
            break;
        case REACH:
        case PRESS:
            reach(run);
            break;
        case LIFT:
            if (m_pointer.moveTowards(run, m_liftTo.x, m_liftTo.y, 300.0f, m_random) && m_liftedAt < 0.0f)
                m_liftedAt = m_now;
            break;
        case THROW:
            m_pointer.moveTowards(run, m_pointer.x() + m_dirX * 1000.0f, m_pointer.y() + m_dirY * 1000.0f,
                                  m_handSpeed, m_random);
            if (m_now >= m_letGoAt) {
                release(run);
                m_landing.start(seen());
                m_phase = WATCH;
            }
            break;
        case WATCH:
            m_pointer.show(run, m_random);
            break;
        }
    }

private:
    void startReach()
    {
        m_phase = REACH;
        m_errX = normal(m_limits.reachError * SCALE);
        m_errY = normal(m_limits.reachError * SCALE);
    }

    // Follows the carrot's root where it should be by now and presses once
    // there while the carrot is slow, as at the swing's turns.
    void reach(WholeRun& run)
    {
        if (!seen().carrot) {
            m_pointer.show(run, m_random);
            return;
        }
        const float ahead = m_now - seen().time;
        const bool there = m_pointer.moveTowards(run, seen().root.x + m_errX + m_motion.x * ahead,
                                                 seen().root.y + m_errY + m_motion.y * ahead, m_limits.maxSpeed, m_random);
        const bool slow = std::hypot(m_motion.x, m_motion.y) < 60.0f * SCALE;
        if (m_phase == REACH && there && slow) {
            m_phase = PRESS;
            m_pressAt = m_now + delay(m_limits.pressDelay, m_limits.pressSpread);
        } else if (m_phase == PRESS && m_now >= m_pressAt) {
            press(run);
            m_phase = LIFT;
            m_liftTo = windUp();
            m_liftedAt = -1.0f;
        }
    }

    // Where to carry the carrot before throwing: up off where it was taken,
    // and back from the snowman far enough for the hand's throw to end well
    // before it, as a person draws back rather than push the carrot into
    // the snow at the snowman's feet.
    Pixel windUp() const
    {
        Pixel to{m_pointer.x(), m_pointer.y() - 60.0f * SCALE};
        if (seen().snowman)
            to.x = std::min(to.x, seen().left - 2.0f * m_limits.handSpeed * SCALE * m_limits.throwSeconds);
        to.x = std::max(to.x, 20.0f * SCALE);
        return to;
    }

    // Plans the throw from the latest scene: the snowman's middle, moved by
    // what earlier landings taught, with the hand at the speed it likes.
    void startThrow()
    {
        const Scene& scene = seen();
        const Pixel target{scene.body.x + m_aimShift, scene.body.y};
        m_handSpeed = std::min(m_limits.handSpeed, m_limits.maxSpeed);
        const float travel = m_handSpeed * SCALE * m_limits.throwSeconds;
        Pixel from{m_pointer.x(), m_pointer.y()};
        float angle = PI_F / 4.0f;
        for (int i = 0; i < 3; ++i) {
            const Pixel launch{from.x + std::cos(angle) * travel, from.y - std::sin(angle) * travel};
            angle = m_sense.angleTo(launch, target, m_handSpeed * SCALE * m_sense.keep);
        }
        angle += normal(m_limits.angleError) * PI_F / 180.0f;
        m_dirX = std::cos(angle);
        m_dirY = -std::sin(angle);
        m_letGoAt = m_now + m_limits.throwSeconds + normal(m_limits.releaseSpread);
        m_phase = THROW;
    }

    // After a throw: how it flew, and where it came down when the model of
    // the flight was already one learnt.
    void learn()
    {
        const bool knewFlight = m_sense.flightsSeen > 0;
        const bool learnt = !m_landing.flight().empty() && m_sense.learn(m_landing.flight(), m_handSpeed * SCALE);
        const Landing::Outcome outcome = m_landing.follow(seen());
        const float most = 150.0f * SCALE;
        // A flight just learnt already mends the next throw; one too short to
        // learn from would otherwise be thrown again the same way.
        if ((knewFlight || !learnt) && (outcome == Landing::SHORT || outcome == Landing::LONG))
            m_aimShift = std::max(-most, std::min(most, m_aimShift - 0.5f * m_landing.beyond()));
    }

    PointerLimits m_limits;
    ThrowSense m_sense;
    Landing m_landing;
    Phase m_phase = WAIT;
    float m_errX = 0.0f, m_errY = 0.0f;
    float m_pressAt = 0.0f;
    Pixel m_liftTo;
    float m_liftedAt = -1.0f;
    Scene m_before; // the scene seen before the latest
    Pixel m_motion; // the carrot's root, pixels a second, as last seen
    float m_handSpeed = 0.0f; // pixels a second in a window 640 pixels wide
    float m_dirX = 1.0f, m_dirY = 0.0f;
    float m_letGoAt = 0.0f;
    float m_aimShift = 0.0f; // learnt: how far past the snowman's middle to aim (pixels)
};

} // namespace Sim

} // namespace PlayThrough

#endif
