#include "world/GameStuff.h"

#include <climits>
#include <cmath>
#include <iostream>
#include <set>
#include <vector>

#include "core/Event.h"
#include "core/Event_Score.h"
#include "core/Spurt.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorld.h"
#include "physics/ChipmunkWorldItem.h"
#include "world/CarrotCamera.h"
#include "world/PlayKeys.h"
#include "world/World.h"

namespace KWEP {

using namespace PlayKeys;

namespace {

typedef Physics::ChipmunkItem::XYPart XY;
typedef std::vector<MathStuff::Orientation<float> > Orientations;

const float RADIANS_TO_DEGREES = 57.29577951308232f;

// The rock's tuning, read on the first throw.
struct ThrowKeys {
    ThrowKeys()
        : item(CFG::get("SNOWMAN_ROCK_ITEM_NAME")), yAdjust(floatKey("ROCK_Y_ADJUST")), xVel(floatKey("ROCK_X_VEL")),
          spin(floatKey("ROCK_SPIN")), distAdjust(floatKey("THROW_DIST_ADJUST")),
          heightAdjust(floatKey("THROW_HEIGHT_ADJUST"))
    {
    }
    std::string item;
    float yAdjust, xVel, spin, distAdjust, heightAdjust;
};

// The carrot explosion's tuning, read on the first explosion.
struct BangKeys {
    BangKeys()
        : rule(CFG::get("CARROT_BANG_RULE")), item(CFG::get("CARROT_BANG_ITEM_NAME")),
          veloMult(floatKey("CARROT_TO_BANG_VELO_MULT")), spinMult(floatKey("CARROT_TO_BANG_SPIN_MULT")),
          textYVel(floatKey("CARROT_BANG_ADJUST_YVEL"))
    {
    }
    std::string rule, item;
    float veloMult, spinMult, textYVel;
};

// A snowman part explosion's tuning, read on the first explosion.
struct BitKeys {
    BitKeys()
        : ballItem(CFG::get("SNOWMAN_BALL_ITEM_NAME")), ballRange(intKey("BALL_VEL_RANGE")),
          spinRange(floatKey("SCORE_SPIN_RANGE")), yVelMin(floatKey("SCORE_YVEL_MIN")),
          yVelMax(floatKey("SCORE_YVEL_MAX")), xVelLimit(floatKey("SCORE_XVEL_LIMIT")),
          spacing(pointKey("TEXT_SPACING"))
    {
        // A negative range would draw outside itself: such balls rest. The
        // draw counts 2 x range + 1 values, which must fit an int.
        if (ballRange < 0)
            ballRange = 0;
        if (ballRange > (INT_MAX - 1) / 2)
            ballRange = (INT_MAX - 1) / 2;
    }
    std::string ballItem;
    int ballRange;
    float spinRange, yVelMin, yVelMax, xVelLimit;
    MathStuff::Vector3<float> spacing;
};

// The first extra camera, when it is the action camera.
CarrotCamera* actionCamera(const World* world)
{
    const std::list<Game::I_CameraItem*>& cameras = world->getCameraList();
    return cameras.empty() ? nullptr : dynamic_cast<CarrotCamera*>(cameras.front());
}

// Every body of the item gets the velocity and the spin; values that are not
// finite are never handed to the physics.
void launch(Physics::ChipmunkItem* item, const XY& velocity, float spin)
{
    if (!item || !isFinite(velocity.x) || !isFinite(velocity.y) || !isFinite(spin))
        return;
    for (const std::string& body : item->getBodyNames()) {
        item->setBodyVelocity(body, velocity);
        item->setBodySpin(body, spin);
    }
}

// Flight time of a throw towards -x covering the distance at the speed, under
// the horizontal gravity; NaN when the throw cannot reach.
float flightTime(float distance, float speed, float gx)
{
    if (gx == 0.0f)
        return distance / speed;
    return (-2.0f * speed + std::sqrt(4.0f * speed * speed - 8.0f * gx * distance)) / (-2.0f * gx);
}

// A flying text whose motion is finite (a tuning value may read as infinite).
void addFlyingText(World* world, const std::string& text, const MathStuff::Vector3<float>& at, const XY& velocity,
                   float spin)
{
    world->addText(text, at, 1.0f, 0.0f, XY(finiteOr0(velocity.x), finiteOr0(velocity.y)), finiteOr0(spin));
}

// The whole numbers -range to range, drawn.
float ballComponent(int range) { return static_cast<float>(randomBelow(2 * range + 1) - range); }

// Every snowball is a body in the physics world, and a pile of them costs
// every step: thousands make a frame of many seconds.
const int MOST_BALLS_PER_PART = 50;

// The snowballs of the part; a count above the most is cut to it, with a
// message once per key.
int ballCountOf(const std::string& bodyName)
{
    static std::set<std::string> l_told;
    const std::string key = "NUM_BALLS_" + bodyName;
    const int count = intKey(key);
    if (count <= MOST_BALLS_PER_PART)
        return count;
    if (l_told.insert(key).second)
        std::cerr << key << " asks for " << count << " snowballs, more than the " << MOST_BALLS_PER_PART
                  << " a part may throw: " << MOST_BALLS_PER_PART << " are made" << std::endl;
    return MOST_BALLS_PER_PART;
}

} // namespace

int GameStuff::m_levelCount = 0;
Stuff::Spurt* GameStuff::m_pSpurter = nullptr;

int GameStuff::getLevelCount() { return m_levelCount; }

void GameStuff::setLevelCount(int level) { m_levelCount = level; }

void GameStuff::setSpurter(Stuff::Spurt* spurter) { m_pSpurter = spurter; }

void GameStuff::createSnowman(World* world)
{
    if (!world)
        return;
    const float min = floatKey("SNOWMAN_MIN_X");
    const float max = floatKey("SNOWMAN_MAX_X");
    const float range = floatKey("SNOWMAN_XRANGE");
    const float step = floatKey("SNOWMAN_XCHG_PER_LEVEL");
    const float centre = range + min + static_cast<float>(m_levelCount) * step;
    float x = 0.0f;
    if (max > centre + range)
        x = centre - range + random() * 2.0f * range;
    else
        x = centre + min + random() * (max - min);
    // Finite keys can still overflow here.
    x = finiteOr0(Util::CLAMP(x, min, max));

    const MathStuff::Vector3<float> position(x, floatKey("SNOWMAN_Y"), 0.0f);
    Physics::ChipmunkWorldItem* snowman = world->addItem(CFG::get("SNOWMAN_ITEM"), position, 0.0f);
    CarrotCamera* camera = actionCamera(world);
    if (camera && snowman)
        camera->setTrackedItem2(snowman);
    EVT::Event made(EVT::EVENT_SNOWMAN_MADE);
    raise(made);
}

Physics::ChipmunkWorldItem* GameStuff::makeMeteor(const Physics::ChipmunkItem* snowman, World* world)
{
    static const ThrowKeys l_keys;
    Orientations bodies;
    if (snowman)
        snowman->getPositions(bodies);
    if (!world || bodies.empty())
        return nullptr;
    const MathStuff::Vector3<float>& last = bodies.back().position;
    const MathStuff::Vector3<float> start(last.x, finiteOr0(last.y + l_keys.yAdjust), last.z);
    Physics::ChipmunkWorldItem* rock = world->addItem(l_keys.item, start, 0.0f);
    if (!rock || !world->getPhysicsWorld())
        return rock;

    const float distance = l_keys.distAdjust + last.x;
    const float speed = l_keys.xVel;
    float gx = 0.0f;
    float gy = 0.0f;
    world->getPhysicsWorld()->getGravity(gx, gy);
    const float t = flightTime(distance, speed, gx);
    // A throw that cannot reach its target (no speed, or against too strong a
    // wind) leaves the rock to fall as it is.
    if (!isFinite(t) || t <= 0.0f)
        return rock;
    const float vy = ((l_keys.heightAdjust - start.y) - gy * t * t / 2.0f) / t;
    launch(rock->getChipmunkItem(), XY(-speed, vy), l_keys.spin);
    return rock;
}

Physics::ChipmunkWorldItem* GameStuff::makeCarrotExplosion(const Physics::ChipmunkItem* carrot, World* world)
{
    static const BangKeys l_keys;
    Orientations positions;
    std::vector<XY> velocities;
    std::vector<float> spins;
    std::vector<float> angles;
    if (carrot) {
        carrot->getPositions(positions);
        carrot->getVelocities(velocities);
        carrot->getSpins(spins);
        carrot->getAngles(angles);
    }
    if (!world || positions.empty() || velocities.empty() || spins.empty() || angles.empty())
        return nullptr;
    const MathStuff::Vector3<float>& p0 = positions[0].position;
    const XY& v0 = velocities[0];

    std::string text;
    if (!m_pSpurter || !m_pSpurter->get(text, l_keys.rule))
        text = CFG::get("CARROT_DEFAULT_BANG_TEXT");
    if (!text.empty())
        addFlyingText(world, text, p0, XY(0.0f, l_keys.textYVel - v0.y), 0.0f);

    Physics::ChipmunkWorldItem* bang = world->addItem(l_keys.item, p0, angles[0] * RADIANS_TO_DEGREES);
    if (bang)
        launch(bang->getChipmunkItem(), XY(v0.x * l_keys.veloMult, v0.y * l_keys.veloMult),
               spins[0] * l_keys.spinMult);
    return bang;
}

std::list<Physics::ChipmunkWorldItem*> GameStuff::explodeSnowmanBit(const std::string& bodyName,
                                                                    const Physics::ChipmunkItem* snowman,
                                                                    World* world, int score)
{
    static const BitKeys l_keys;
    std::list<Physics::ChipmunkWorldItem*> balls;
    // The part's place is taken before the score goes out: the snowman is not
    // touched after the score's consumers have run.
    Orientations bodies;
    if (snowman)
        snowman->getPositions(bodies);
    const int index = bodies.empty() ? -1 : snowman->getBodyIndex(bodyName);
    const std::size_t slot = index < 0 || static_cast<std::size_t>(index) >= bodies.size() ? 0 : static_cast<std::size_t>(index);
    EVT::Event_Score scored(EVT::EVENT_SCORE, score);
    raise(scored);
    if (!world || bodies.empty())
        return balls;
    const MathStuff::Vector3<float> part = bodies[slot].position;

    const std::string digits = Util::numToStr<int>(score, 10, 0);
    const int count = static_cast<int>(digits.size());
    const float gaps = static_cast<float>(count - 1);
    MathStuff::Vector3<float> at(part.x - l_keys.spacing.x * gaps / 2.0f, part.y, part.z);
    float xVel = count > 1 ? -l_keys.xVelLimit : 0.0f;
    const float xStep = count > 1 ? 2.0f * l_keys.xVelLimit / gaps : 0.0f;
    for (char digit : digits) {
        const float yVel = l_keys.yVelMin + random() * (l_keys.yVelMax - l_keys.yVelMin);
        const float spin = -l_keys.spinRange + random() * 2.0f * l_keys.spinRange;
        addFlyingText(world, std::string(1, digit), at, XY(xVel, yVel), spin);
        at += l_keys.spacing;
        xVel += xStep;
    }

    const int ballCount = ballCountOf(bodyName);
    for (int n = 0; n < ballCount; ++n) {
        Physics::ChipmunkWorldItem* ball = world->addItem(l_keys.ballItem, part, 0.0f);
        if (!ball)
            continue;
        balls.push_back(ball);
        Physics::ChipmunkItem* item = ball->getChipmunkItem();
        for (const std::string& body : item->getBodyNames()) {
            const float vx = ballComponent(l_keys.ballRange);
            const float vy = ballComponent(l_keys.ballRange);
            item->setBodyVelocity(body, XY(vx, vy));
        }
    }
    return balls;
}

} // namespace KWEP
