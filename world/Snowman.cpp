#include "world/Snowman.h"

#include <vector>

#include "core/Event.h"
#include "core/Event_Score.h"
#include "physics/ChipmunkItem.h"
#include "world/GameStuff.h"
#include "world/PlayKeys.h"
#include "world/World.h"

namespace KWEP {

using namespace PlayKeys;

namespace {

// Milliseconds as an int, held to the int range.
int clampedMs(long ms) { return saturatingInt(static_cast<double>(ms)); }

// a - b held to the int range.
int minus(int a, int b) { return saturatingInt(static_cast<double>(a) - static_cast<double>(b)); }

void raisePlain(int id)
{
    EVT::Event event(id);
    raise(event);
}

} // namespace

Snowman::Snowman(Physics::ChipmunkItem* item, World* world)
    : Physics::ChipmunkWorldItem(item), m_world(world), m_bonusPosition(pointKey("BONUS_POS")),
      m_bonusPrefix(CFG::get("BONUS_PREFIX")), m_ending(false), m_endTimer(0), m_bonusTimer(0), m_throwTimer(0)
{
    const double level = GameStuff::getLevelCount();
    m_throwTimer = saturatingInt(intKey("SNOWMAN_THROW_DELAY_MAX") - intKey("SNOWMAN_THROW_DELAY_DEC") * level);
    const int shortest = intKey("SNOWMAN_THROW_DELAY_MIN");
    if (m_throwTimer < shortest)
        m_throwTimer = shortest;
}

Snowman::~Snowman() {}

void Snowman::draw(std::vector<MathStuff::Orientation<float> >& scratch)
{
    Physics::ChipmunkWorldItem::draw(scratch);
}

void Snowman::setBossConfig(const std::string&) {}

int Snowman::getThrowTimer() const { return m_throwTimer; }

void Snowman::startEnd(int delay)
{
    m_ending = true;
    m_endTimer = delay;
    m_bonusTimer = minus(delay, intKey("SHOW_BONUS_TIMER"));
}

void Snowman::update(long ms)
{
    if (m_ending) {
        updateEnding(ms);
        return;
    }
    const Physics::ChipmunkItem* item = getChipmunkItem();
    // A fall after the throw changes nothing: the rock decides. A part lost
    // then still ends the level, also while fallen parts touch the ground.
    if (item && item->hasCollision(1) && m_throwTimer >= 1) {
        startEnd(intKey("SNOWMAN_FALL_END_DELAY"));
        raisePlain(EVT::EVENT_SNOWMAN_FELL);
        raiseSound("SNOWMAN_FALL");
    } else if (item && item->hasCollision(0)) {
        startEnd(intKey("SNOWMAN_BANG_END_DELAY"));
    } else if (m_throwTimer >= 1) {
        m_throwTimer = minus(m_throwTimer, clampedMs(ms));
        if (m_throwTimer > 0)
            return;
        GameStuff::makeMeteor(item, m_world);
        raisePlain(EVT::EVENT_ROCK_THROWN);
        raiseSound("THROW_ROCK");
    }
}

void Snowman::updateEnding(long ms)
{
    const int elapsed = clampedMs(ms);
    m_bonusTimer = minus(m_bonusTimer, elapsed);
    if (m_bonusTimer < 0) {
        showBonus();
        // Far beyond the end: shown once.
        m_bonusTimer = saturatingInt(2.0 * m_endTimer);
    }
    m_endTimer = minus(m_endTimer, elapsed);
    if (m_endTimer < 0) {
        raisePlain(EVT::EVENT_SNOWMAN_DOWN);
        setDeleteMe(true);
    }
}

void Snowman::showBonus()
{
    const int level = GameStuff::getLevelCount();
    std::vector<unsigned long> carrots;
    const int vegetables = m_world ? m_world->getItems("VEG", carrots) : 0;
    int bonus = m_throwTimer / 10;
    if (bonus < 1)
        bonus = 1;
    bonus = saturatingInt(static_cast<double>(bonus) * (level + 1.0) * (vegetables + 1.0));
    EVT::Event_Score scored(EVT::EVENT_SCORE, bonus);
    raise(scored);
    if (m_world)
        m_world->addFloatingText(m_bonusPrefix + Util::numToStr<int>(bonus, 10, 0), m_bonusPosition, 1.0f,
                                 Physics::ChipmunkItem::XYPart(0.0f, floatKey("BONUS_YVEL")));
}

} // namespace KWEP
