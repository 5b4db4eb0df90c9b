#ifndef PLAYTHROUGH_SIMPLAYERS_H
#define PLAYTHROUGH_SIMPLAYERS_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "WholeRun.h"
#include "core/CFG.h"
#include "core/Pi.h"
#include "core/Event.h"
#include "input/Keyboard.h"

namespace PlayThrough {

// Simulated players: each plays whole games through the game's own input
// (pointer positions, key and button presses) with the limits of a person
// using its kind of input, and sees only what the screen shows: where the
// carrot and the snowman stand, and what happened to its earlier throws.
namespace Sim {

enum Kind { MOUSE, SWITCH_POINTER, HEAD_TRACKER, ONE_SWITCH, IDLE, KIND_COUNT };

inline const char* kindName(int kind)
{
    static const char* const names[] = {"mouse", "switch + pointer", "head tracker", "one switch", "idle"};
    return kind >= 0 && kind < KIND_COUNT ? names[kind] : "?";
}

const float FRAME_S = 0.016f;
using MathStuff::PI_F;
const unsigned char SPACE = Devices::Keyboard::KEY_SPACE;
const unsigned char RETURN = Devices::Keyboard::KEY_RETURN;
const char* const MENU_ONESWITCH = "data/Config/Input/KWEP_MENU_INPUT_ONESWITCH.cfg";
const char* const GAME_ONESWITCH = "data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg";
const char* const MENU_HEADTRACKER = "data/Config/Input/KWEP_MENU_INPUT_HEADTRACKER.cfg";
const char* const GAME_HEADTRACKER = "data/Config/Input/KWEP_GAME_INPUT_HEADTRACKER.cfg";

// A body as the screen shows it: its place and the direction of its own x axis.
struct Seen {
    Vec at;
    Vec axis;
    // A point given in the body's own frame.
    Vec point(float x, float y) const
    {
        return Vec(at.x + x * axis.x - y * axis.y, at.y + x * axis.y + y * axis.x, 0.0f);
    }
};

inline bool see(const std::string& kind, Seen& seen)
{
    MathStuff::Orientation<float> body;
    if (!WholeRun::bodyOf(kind, body))
        return false;
    seen.at = body.position;
    seen.axis = body.direction;
    return true;
}

// The carrot's root, the fat part a pointer takes it by, in its own frame;
// and the tips of its leaves, which the swing brings under the hidden pointer.
const float ROOT_X = -12.0f;
const float LEAF_TIP_X = -60.0f;

// One player. Its act runs on every frame from the start of play to the end of
// the game; levels are told apart by the snowmen made.
class Player {
public:
    explicit Player(unsigned seed) : m_random(seed) {}
    virtual ~Player() {}

    void act(WholeRun& run)
    {
        const int level = static_cast<int>(run.heardOf(EVT::EVENT_SNOWMAN_MADE).size()) - 1;
        if (level < 0)
            return;
        if (level != m_level) {
            m_level = level;
            m_levelStart = run.frame();
            newLevel(run);
        }
        m_now = (run.frame() - m_levelStart) * FRAME_S;
        play(run);
    }

protected:
    virtual void newLevel(WholeRun&) {}
    virtual void play(WholeRun&) {}

    float normal(float sigma) { return std::normal_distribution<float>(0.0f, sigma)(m_random); }
    float uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(m_random); }

    int grabs(const WholeRun& run) const { return static_cast<int>(run.heardOf(EVT::EVENT_ITEM_GRABBED).size()); }
    int releases(const WholeRun& run) const { return static_cast<int>(run.heardOf(EVT::EVENT_ITEM_RELEASED).size()); }
    int hits(const WholeRun& run) const
    {
        return static_cast<int>(run.heardOf(EVT::EVENT_SCORE).size() + run.heardOf(EVT::EVENT_SNOWMAN_DOWN).size());
    }

    std::mt19937 m_random;
    int m_level = -1;
    int m_levelStart = 0;
    float m_now = 0.0f; // seconds since the level began
};

// The snowman's middle, where a thrower aims.
inline bool snowmanTarget(Vec& target)
{
    Seen snowman;
    if (!see("BOSS", snowman))
        return false;
    target = Vec(snowman.at.x, snowman.at.y + 45.0f, 0.0f);
    return true;
}

// Where a carrot let go at `from` with `speed` along the angle lands at the
// height of the target, less the target's x: positive when it flies past.
inline float passBy(const Vec& from, float speed, float angle, const Vec& target, float gravity)
{
    const float vx = speed * std::cos(angle);
    const float vy = speed * std::sin(angle);
    const float dy = target.y - from.y;
    const float disc = vy * vy - 2.0f * gravity * dy;
    if (disc < 0.0f)
        return -1000.0f; // never that high: short
    const float t = (vy + std::sqrt(disc)) / gravity;
    return from.x + vx * t - target.x;
}

// The lower angle at which a carrot let go at `speed`, after moving `seconds`
// from `start` along it, comes down onto the target; straight at it when out
// of reach.
inline float aimAngle(const Vec& start, float speed, float seconds, const Vec& target, float gravity)
{
    float best = std::atan2(target.y - start.y, target.x - start.x);
    float bestMiss = 1e9f;
    for (float degrees = -30.0f; degrees <= 60.0f; degrees += 0.5f) {
        const float angle = degrees * PI_F / 180.0f;
        const Vec from(start.x + speed * seconds * std::cos(angle), start.y + speed * seconds * std::sin(angle), 0.0f);
        const float miss = std::fabs(passBy(from, speed, angle, target, gravity));
        if (miss < bestMiss) {
            bestMiss = miss;
            best = angle;
        }
    }
    return best;
}

inline float gravityOfPlay()
{
    return 400.0f; // the level's GRAVITY, straight down
}

// A pointer with a person's limits: it moves towards its goal no faster than
// its top speed and shakes around it with a smooth tremor of the given size.
class Pointer {
public:
    Pointer(float maxSpeed, float tremor) : m_maxSpeed(maxSpeed), m_tremor(tremor) {}

    void start(WholeRun& run, std::pair<float, float> at)
    {
        m_x = at.first;
        m_y = at.second;
        (void)run;
    }
    // One frame towards the goal (window pixels); true once there.
    bool moveTowards(WholeRun& run, float gx, float gy, float speed, std::mt19937& random)
    {
        const float step = std::min(speed, m_maxSpeed) * FRAME_S;
        const float dx = gx - m_x, dy = gy - m_y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        if (distance <= step) {
            m_x = gx;
            m_y = gy;
        } else {
            m_x += dx / distance * step;
            m_y += dy / distance * step;
        }
        show(run, random);
        return distance <= step;
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
        run.pointer(static_cast<int>(std::lround(m_x + scale * m_shakeX)),
                    static_cast<int>(std::lround(m_y + scale * m_shakeY)));
    }
    float x() const { return m_x; }
    float y() const { return m_y; }
    float maxSpeed() const { return m_maxSpeed; }

private:
    float m_maxSpeed;
    float m_tremor;
    float m_x = 0.0f, m_y = 0.0f;
    float m_shakeX = 0.0f, m_shakeY = 0.0f;
    float m_driftX = 0.0f, m_driftY = 0.0f;
};

// A thrower with a pointer: it takes the carrot by its root, then moves the
// pointer up towards the snowman at the speed that should bring the carrot
// onto the snowman's middle, and lets go. How it presses and lets go is left
// to the kind of input.
class PointerThrower : public Player {
public:
    PointerThrower(unsigned seed, float maxSpeed, float tremor, float aimError, float angleError)
        : Player(seed), m_pointer(maxSpeed, tremor), m_aimError(aimError), m_angleError(angleError)
    {
    }

protected:
    enum Phase { WAIT, REACH, TAKE, THROW, LET_GO, WATCH };

    virtual bool pressToTake(WholeRun& run) = 0; // true once pressed
    virtual void notTaken(WholeRun&) {}
    virtual bool letGo(WholeRun& run) = 0; // true once let go
    virtual float throwSeconds() const { return 0.2f; }
    virtual float throwSpeed() const { return 500.0f; }

    void newLevel(WholeRun& run) override
    {
        m_phase = WAIT;
        m_wake = uniform(0.3f, 0.7f); // a person's start
        if (m_level == 0)
            m_pointer.start(run, {320.0f, 240.0f});
    }

    void play(WholeRun& run) override
    {
        Seen carrot;
        const bool seen = see("VEG", carrot);
        switch (m_phase) {
        case WAIT:
            m_pointer.show(run, m_random);
            if (m_now >= m_wake && seen) {
                m_phase = REACH;
                m_errX = normal(m_aimError);
                m_errY = normal(m_aimError);
            }
            break;
        case REACH:
        case TAKE: {
            if (!seen) {
                m_pointer.show(run, m_random);
                break;
            }
            const std::pair<float, float> root = run.pixelOf(carrot.point(ROOT_X, 0.0f));
            const bool there = m_pointer.moveTowards(run, root.first + m_errX, root.second + m_errY,
                                                     m_pointer.maxSpeed(), m_random);
            if (m_phase == REACH && there) {
                m_phase = TAKE;
                m_grabsBefore = grabs(run);
                m_pressFrame = run.frame();
            }
            if (m_phase == TAKE && pressToTake(run)) {
                if (grabs(run) > m_grabsBefore) {
                    startThrow(run, carrot);
                } else if (run.frame() - m_pressFrame > 30) {
                    notTaken(run);
                    m_phase = REACH;
                    m_errX = normal(m_aimError);
                    m_errY = normal(m_aimError);
                }
            }
            break;
        }
        case THROW:
        case LET_GO:
            m_pointer.moveTowards(run, m_pointer.x() + m_dirX * 1000.0f, m_pointer.y() + m_dirY * 1000.0f, m_speed,
                                  m_random);
            if (m_now >= m_letGoAt && letGo(run)) {
                m_phase = WATCH;
                m_learnt = false;
                m_watchUntil = m_now + 2.5f;
            }
            break;
        case WATCH:
            if (seen && m_flight.size() < 200)
                m_flight.push_back(carrot.at);
            m_pointer.show(run, m_random);
            // A carrot that came down whole is tried again.
            if (seen && m_now > m_watchUntil && hits(run) == m_hitsBefore) {
                learn(run);
                m_phase = REACH;
            } else if (!seen && !m_learnt) {
                learn(run);
                m_learnt = true;
            }
            break;
        }
    }

    void startThrow(WholeRun& run, const Seen& carrot)
    {
        m_hitsBefore = hits(run);
        Vec target;
        if (!snowmanTarget(target)) {
            m_phase = WATCH;
            return;
        }
        target.x += m_aimShift;
        // A firm throw at the snowman: the speed it likes, the angle that
        // should carry the carrot there, and the force it has learnt that takes.
        const float unitsPerPixel = run.unitsPerPixel();
        const float speed = std::min(throwSpeed(), m_pointer.maxSpeed() * unitsPerPixel * m_gain);
        const float seconds = throwSeconds();
        const float angle = aimAngle(carrot.at, speed, seconds, target, gravityOfPlay()) + normal(m_angleError) * PI_F / 180.0f;
        m_speed = speed / m_gain / unitsPerPixel;
        m_dirX = std::cos(angle);
        m_dirY = -std::sin(angle);
        m_letGoAt = m_now + seconds + m_releaseError;
        m_planned = speed;
        m_target = target.x - m_aimShift;
        m_flight.clear();
        m_phase = THROW;
    }

    // What the last throw did: how fast it flew against what was meant, and
    // where it came down against the snowman.
    void learn(const WholeRun& run)
    {
        if (m_flight.size() >= 6) {
            const Vec d = m_flight[5] - m_flight[1];
            const float seen = std::sqrt(d.x * d.x + d.y * d.y) / (4.0f * FRAME_S);
            if (seen > 20.0f)
                m_gain = std::max(0.3f, std::min(1.2f, 0.5f * m_gain + 0.5f * m_gain * seen / m_planned));
        }
        if (hits(run) == m_hitsBefore && !m_flight.empty())
            m_aimShift = std::max(-80.0f, std::min(80.0f, m_aimShift + 0.5f * (m_target - m_flight.back().x)));
    }

    Pointer m_pointer;
    float m_aimError;
    float m_angleError;
    Phase m_phase = WAIT;
    float m_wake = 0.0f;
    float m_errX = 0.0f, m_errY = 0.0f;
    int m_grabsBefore = 0;
    int m_pressFrame = 0;
    int m_hitsBefore = 0;
    float m_speed = 0.0f, m_dirX = 1.0f, m_dirY = 0.0f;
    float m_letGoAt = 0.0f;
    float m_releaseError = 0.0f;
    float m_watchUntil = 0.0f;
    float m_gain = 0.7f;     // the carrot's speed for the pointer's, as learnt
    float m_aimShift = 0.0f; // how far past the snowman it has learnt to aim
    float m_planned = 1.0f;
    float m_target = 0.0f;
    bool m_learnt = false;
    std::vector<Vec> m_flight;
};

// The mouse: the left button held on the carrot, a quick throw.
class MousePlayer : public PointerThrower {
public:
    explicit MousePlayer(unsigned seed) : PointerThrower(seed, 1500.0f, 0.0f, 5.0f, 8.0f) {}

protected:
    bool pressToTake(WholeRun& run) override
    {
        if (!m_down) {
            run.button(1, true);
            m_down = true;
            m_releaseError = normal(0.06f);
        }
        return true;
    }
    void notTaken(WholeRun& run) override { up(run); }
    bool letGo(WholeRun& run) override
    {
        up(run);
        return true;
    }
    float throwSeconds() const override { return 0.15f; }
    float throwSpeed() const override { return 800.0f; }

private:
    void up(WholeRun& run)
    {
        if (m_down)
            run.button(1, false);
        m_down = false;
    }
    bool m_down = false;
};

// A head tracker moves the pointer; a switch takes and lets go, each press
// and release some way off the moment it aims at.
class SwitchPointerPlayer : public PointerThrower {
public:
    explicit SwitchPointerPlayer(unsigned seed) : PointerThrower(seed, 600.0f, 8.0f, 0.0f, 8.0f) {}

protected:
    bool pressToTake(WholeRun& run) override
    {
        if (m_down)
            return true;
        if (m_pressAt < 0.0f)
            m_pressAt = m_now + std::max(0.0f, 0.15f + normal(0.1f));
        if (m_now < m_pressAt)
            return false;
        run.key(SPACE, true);
        m_down = true;
        m_pressAt = -1.0f;
        m_releaseError = normal(0.1f);
        return true;
    }
    void notTaken(WholeRun& run) override { up(run); }
    bool letGo(WholeRun& run) override
    {
        up(run);
        return true;
    }
    float throwSeconds() const override { return 0.25f; }

private:
    void up(WholeRun& run)
    {
        if (m_down)
            run.key(SPACE, false);
        m_down = false;
    }
    bool m_down = false;
    float m_pressAt = -1.0f;
};

// The pointer alone: resting on the carrot takes it; it carries the carrot
// high over the snowman, waits for it to hang still and lets go by leaving
// the top of the screen, so the carrot drops onto the snowman.
class HeadTrackerPlayer : public Player {
public:
    explicit HeadTrackerPlayer(unsigned seed) : Player(seed), m_pointer(400.0f, 8.0f) {}

protected:
    enum Phase { WAIT, REACH, CARRY, SETTLE, LEAVE, BACK };

    void newLevel(WholeRun& run) override
    {
        m_phase = WAIT;
        m_wake = uniform(0.4f, 0.9f);
        if (m_level == 0)
            m_pointer.start(run, {320.0f, 240.0f});
    }

    void play(WholeRun& run) override
    {
        Seen carrot;
        const bool seen = see("VEG", carrot);
        const bool held = grabs(run) > releases(run);
        switch (m_phase) {
        case WAIT:
            m_pointer.show(run, m_random);
            if (m_now >= m_wake && seen)
                m_phase = REACH;
            break;
        case REACH:
            if (held) {
                m_phase = CARRY;
                m_aimX = m_shift + normal(6.0f);
            } else if (seen) {
                const std::pair<float, float> root = run.pixelOf(carrot.point(ROOT_X, 0.0f));
                m_pointer.moveTowards(run, root.first, root.second, 400.0f, m_random);
            } else {
                m_pointer.show(run, m_random);
            }
            break;
        case CARRY: {
            Vec target;
            if (!snowmanTarget(target)) {
                m_phase = BACK;
                break;
            }
            const std::pair<float, float> over = run.pixelOf(Vec(target.x + m_aimX, target.y, 0.0f));
            if (m_pointer.moveTowards(run, over.first, 24.0f, 400.0f, m_random)) {
                m_phase = SETTLE;
                m_settleUntil = m_now + 1.0f;
            }
            break;
        }
        case SETTLE:
            m_pointer.show(run, m_random);
            if (m_now >= m_settleUntil)
                m_phase = LEAVE;
            break;
        case LEAVE:
            m_pointer.moveTowards(run, m_pointer.x(), -20.0f, 120.0f, m_random);
            if (!held) {
                m_phase = BACK;
                m_backUntil = m_now + 3.0f;
                m_hitsBefore = hits(run);
                m_landed = false;
            }
            break;
        case BACK:
            // Where a drop that missed came down: the next one goes that much
            // the other way.
            if (!m_landed && seen && carrot.at.y < 20.0f && hits(run) == m_hitsBefore) {
                Vec target;
                if (snowmanTarget(target))
                    m_shift = std::max(-40.0f, std::min(40.0f, m_shift + 0.5f * (target.x - carrot.at.x)));
                m_landed = true;
            }
            // Back to the middle, clear of the pause area at the bottom.
            m_pointer.moveTowards(run, 320.0f, 160.0f, 400.0f, m_random);
            if (m_now >= m_backUntil && seen && !held)
                m_phase = REACH;
            break;
        }
    }

private:
    Pointer m_pointer;
    Phase m_phase = WAIT;
    float m_wake = 0.0f;
    float m_aimX = 0.0f;
    float m_settleUntil = 0.0f;
    float m_backUntil = 0.0f;
    float m_shift = 0.0f; // learnt: where to hold the carrot against the snowman
    int m_hitsBefore = 0;
    bool m_landed = false;
};

// One switch, the pointer hidden in the middle of the screen: it watches the
// swing bring the tips of the carrot's leaves towards the middle and presses
// as they get there, then holds for as long as it has learnt works and lets go.
// Each press and release is off the moment it aims at. It learns from what
// its throws did: one that went down at once was let go too soon, one that
// flew up and came down short too late.
class OneSwitchPlayer : public Player {
public:
    explicit OneSwitchPlayer(unsigned seed) : Player(seed) {}

protected:
    enum Phase { WATCH_SWING, PRESSING, HOLDING, WATCH_THROW, DONE };

    void newLevel(WholeRun&) override
    {
        m_phase = WATCH_SWING;
        m_history.clear();
    }

    void play(WholeRun& run) override
    {
        Seen carrot;
        const bool seen = see("VEG", carrot);
        switch (m_phase) {
        case WATCH_SWING:
            if (seen)
                watchSwing(run, carrot);
            break;
        case PRESSING:
            if (m_now >= m_pressAt) {
                run.key(SPACE, true);
                m_grabsBefore = grabs(run);
                m_phase = HOLDING;
                m_releaseAt = m_now + std::max(0.05f, m_hold + normal(0.1f));
                m_hitsBefore = hits(run);
            }
            break;
        case HOLDING:
            if (m_now >= m_releaseAt) {
                run.key(SPACE, false);
                if (grabs(run) == m_grabsBefore) {
                    // Missed the carrot: watch for its next pass.
                    m_phase = WATCH_SWING;
                    m_history.clear();
                    m_waitUntil = m_now + 0.8f;
                } else {
                    m_phase = WATCH_THROW;
                    m_firstY = seen ? carrot.at.y : 0.0f;
                    m_watchFrames = 0;
                    m_wentDown = false;
                    m_peak = m_firstY;
                }
            }
            break;
        case WATCH_THROW:
            ++m_watchFrames;
            if (seen) {
                if (m_watchFrames == 6)
                    m_wentDown = carrot.at.y < m_firstY - 2.0f;
                m_peak = std::max(m_peak, carrot.at.y);
            }
            if (hits(run) > m_hitsBefore) {
                m_phase = DONE;
            } else if (!seen || m_watchFrames > 150) {
                // It missed: let go later after a throw that went down at
                // once, sooner after one that climbed.
                m_hold += m_wentDown ? 0.08f : -0.08f;
                m_phase = DONE;
            }
            break;
        case DONE:
            break;
        }
    }

private:
    void watchSwing(WholeRun& run, const Seen& carrot)
    {
        if (m_now < m_waitUntil)
            return;
        // The leaf tips on the screen: once they come near the middle, heading
        // right, they turn there a moment later.
        const std::pair<float, float> tip = run.pixelOf(carrot.point(LEAF_TIP_X, 0.0f));
        m_history.push_back(tip.first);
        if (m_history.size() < 3)
            return;
        const std::size_t n = m_history.size();
        if (m_history[n - 1] <= m_history[n - 3] || tip.first < 320.0f - 20.0f)
            return;
        const float toTurn = 0.5f;
        m_pressAt = m_now + toTurn + m_early + normal(0.1f);
        m_phase = PRESSING;
    }

    Phase m_phase = WATCH_SWING;
    std::vector<float> m_history;
    float m_pressAt = 0.0f;
    float m_releaseAt = 0.0f;
    float m_hold = 1.05f;   // seconds held, learnt
    float m_early = 0.0f;   // pressing a little after the turn
    float m_waitUntil = 0.0f;
    int m_grabsBefore = 0;
    int m_hitsBefore = 0;
    float m_firstY = 0.0f;
    float m_peak = 0.0f;
    int m_watchFrames = 0;
    bool m_wentDown = false;
};

inline std::unique_ptr<Player> makePlayer(int kind, unsigned seed)
{
    switch (kind) {
    case MOUSE:
        return std::unique_ptr<Player>(new MousePlayer(seed));
    case SWITCH_POINTER:
        return std::unique_ptr<Player>(new SwitchPointerPlayer(seed));
    case HEAD_TRACKER:
        return std::unique_ptr<Player>(new HeadTrackerPlayer(seed));
    case ONE_SWITCH:
        return std::unique_ptr<Player>(new OneSwitchPlayer(seed));
    default:
        return std::unique_ptr<Player>(new Player(seed));
    }
}

// The command line of the kind's profiles.
inline std::vector<std::string> argsOf(int kind)
{
    if (kind == SWITCH_POINTER)
        return {"--menu-input", MENU_ONESWITCH, "--game-input", "data/Config/Input/KWEP_GAME_INPUT_SWITCHPOINTER.cfg"};
    if (kind == ONE_SWITCH)
        return {"--menu-input", MENU_ONESWITCH, "--game-input", GAME_ONESWITCH};
    if (kind == HEAD_TRACKER)
        return {"--menu-input", MENU_HEADTRACKER, "--game-input", GAME_HEADTRACKER};
    return {};
}

struct Result {
    bool finished = false; // the game reached its end page
    bool wonGame = false;
    int cleared = 0; // levels won
    int score = 0;
};

// One whole game of the kind with the seed: from the main menu through every
// level it reaches to the end page, or only until it has won `levels` levels
// when that is above 0.
inline Result playGame(int kind, unsigned seed, int levels = 0)
{
    using namespace Acts;
    typedef KWEP::ClientFSM States;
    std::shared_ptr<Player> player(makePlayer(kind, seed));
    auto lostRule = std::make_shared<std::string>();
    const WholeRun::Act quit = [](WholeRun&, int) {
        EVT::Event quitEvent(EVT::EVENT_QUIT);
        EVT::EventBus::instance()->raiseEvent(&quitEvent, false);
        return true;
    };
    const WholeRun::Act play = [player, lostRule, levels, quit](WholeRun& run, int frame) {
        *lostRule = CFG::get("LOST_GAME_RULE");
        player->act(run);
        if (levels > 0 && static_cast<int>(run.heardOf(EVT::EVENT_SNOWMAN_DOWN).size()) >= levels)
            return quit(run, frame);
        return !run.heardOf(EVT::EVENT_GAME_OVER).empty();
    };
    std::vector<WholeRun::Step> steps;
    if (kind == HEAD_TRACKER) {
        steps.push_back({States::STATE_MENUS, [](WholeRun& run, int frame) {
                             if (frame == 4)
                                 run.pointerPercent(90, 50); // the select area
                             return frame >= 4;
                         }});
        steps.push_back({States::STATE_STARTING, [](WholeRun& run, int frame) {
                             // One deliberate move from where the page opened leaves it.
                             if (frame == 5)
                                 run.pointerPercent(50, 41);
                             return frame >= 5;
                         }});
    } else if (kind == SWITCH_POINTER || kind == ONE_SWITCH) {
        steps.push_back({States::STATE_MENUS, then({wait(4), tap(SPACE)})});
        steps.push_back({States::STATE_STARTING, then({wait(4), tap(SPACE)})});
    } else {
        // The story page stays until a key pressed on it comes up.
        steps.push_back({States::STATE_MENUS, taps({RETURN})});
        steps.push_back({States::STATE_STARTING, taps({RETURN})});
    }
    steps.push_back({States::STATE_RUNNING, play});
    steps.push_back({States::STATE_ENDING, quit});
    WholeRun run(steps, 12000);
    // The players look at the world, not at pictures: a picture a half second
    // keeps the drawing code running at a fraction of the cost.
    run.drawEvery = 30;
    Result result;
    if (run.run(argsOf(kind)) != 0)
        return result;
    const std::vector<Heard> over = run.heardOf(EVT::EVENT_GAME_OVER);
    result.cleared = static_cast<int>(run.heardOf(EVT::EVENT_SNOWMAN_DOWN).size());
    result.finished = (!over.empty() || (levels > 0 && result.cleared >= levels)) && !run.reachedLimit();
    result.wonGame = !over.empty() && over[0].text != *lostRule;
    result.score = run.score();
    return result;
}

} // namespace Sim

} // namespace PlayThrough

#endif
