#include "shell/MoveableItem.h"

#include <iostream>

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Move.h"
#include "core/Event_Update.h"
#include "core/Matrix4x4.h"
#include "shell/I_Config.h"
#include "shell/I_Game.h"
#include "shell/OptionKey.h"

namespace Game {

namespace {

typedef MathStuff::Vector3<float> Vec;

// Bits switched by the move kinds 2 to 25: kind 2k + 2 sets, 2k + 3 clears bit k.
const int KIND_BITS[12] = {
    MoveableItem::MOVE_FORWARD, MoveableItem::MOVE_BACK,
    MoveableItem::MOVE_UP, MoveableItem::MOVE_DOWN,
    MoveableItem::MOVE_SIDE, MoveableItem::MOVE_OTHER_SIDE,
    MoveableItem::ROLL_MINUS, MoveableItem::ROLL_PLUS,
    MoveableItem::YAW_PLUS, MoveableItem::YAW_MINUS,
    MoveableItem::PITCH_MINUS, MoveableItem::PITCH_PLUS};

// +1 or -1 when exactly one bit of the pair is set, else 0.
float pairSign(int flags, int plusBit, int minusBit)
{
    const bool plus = (flags & plusBit) != 0;
    const bool minus = (flags & minusBit) != 0;
    if (plus == minus)
        return 0.0f;
    return plus ? 1.0f : -1.0f;
}

// Element index of the float list of an option key; 0 when the key is absent.
float speedOf(int key, int index)
{
    I_Game* game = I_Game::instance();
    I_Config* config = game ? game->getConfig() : nullptr;
    const float* speeds = config ? config->getFloatPtr(key) : nullptr;
    return speeds ? speeds[index] : 0.0f;
}

void turn(Vec& v, float degrees, const Vec& axis)
{
    MathStuff::Matrix4x4<float> rotation;
    rotation.loadRotation(degrees, axis);
    v = rotation.rotate(v);
}

// Turns up, then direction, with one rotation about the axis.
void turnBoth(MathStuff::Orientation<float>& o, float degrees, const Vec& axis)
{
    MathStuff::Matrix4x4<float> rotation;
    rotation.loadRotation(degrees, axis);
    o.up = rotation.rotate(o.up);
    o.direction = rotation.rotate(o.direction);
}

} // namespace

MoveableItem::MoveableItem(I_Mover* mover)
    : WorldItem(mover), m_flags(0), m_fast(0), m_directionSpeed(0), m_sideSpeed(0), m_upSpeed(0),
      m_yawSpeed(0), m_pitchSpeed(0), m_rollSpeed(0)
{
    setSpeeds();
    EVT::EventBus::instance()->addConsumer(EVT::EVENT_MOVE, this);
}

MoveableItem::~MoveableItem() {}

void MoveableItem::handleEvent(EVT::I_Event* event)
{
    if (!event)
        return;
    if (event->getEventID() == EVT::EVENT_UPDATE) {
        if (EVT::Event_Update* update = EVT::eventCast<EVT::Event_Update>(event))
            updateEvent(update);
    } else if (event->getEventID() == EVT::EVENT_MOVE) {
        if (EVT::Event_Move* move = EVT::eventCast<EVT::Event_Move>(event))
            moveEvent(move);
    }
}

void MoveableItem::setSpeeds()
{
    m_directionSpeed = speedOf(OPTION_DIRECTION_SPEED, m_fast + 1);
    m_sideSpeed = speedOf(OPTION_SIDE_SPEED, m_fast);
    m_upSpeed = speedOf(OPTION_UP_SPEED, m_fast);
    m_yawSpeed = speedOf(OPTION_YAW_SPEED, m_fast);
    m_pitchSpeed = speedOf(OPTION_PITCH_SPEED, m_fast);
    m_rollSpeed = speedOf(OPTION_ROLL_SPEED, m_fast);
}

void MoveableItem::moveAlong(const Vec& axis, float amount)
{
    ownOrientation().position += axis * amount;
}

void MoveableItem::moveEvent(EVT::Event_Move* event)
{
    if (!event || event->itemID != getID())
        return;
    MathStuff::Orientation<float>& o = ownOrientation();
    const int kind = event->move;
    if (kind == KIND_FAST_START || kind == KIND_FAST_STOP) {
        std::cout << (kind == KIND_FAST_START ? "FAST START\n" : "FAST STOP\n");
        m_fast = kind == KIND_FAST_START ? 1 : 0;
        setSpeeds();
    } else if (kind >= 2 && kind <= 25) {
        const int bit = KIND_BITS[(kind - 2) / 2];
        if (kind % 2 == 0)
            m_flags |= bit;
        else
            m_flags &= ~bit;
    } else if (kind == KIND_TURN) {
        turn(o.direction, -event->value, o.up);
    } else if (kind == KIND_TILT) {
        turnBoth(o, -event->value, MathStuff::crossProduct(o.up, o.direction));
    } else if (kind == KIND_STEP) {
        moveAlong(o.direction, event->value);
    }
}

void MoveableItem::updateEvent(EVT::Event_Update* event)
{
    if (!event)
        return;
    // The item's own field, whatever a derived getOrientation() answers.
    MathStuff::Orientation<float>& o = ownOrientation();
    const float t = static_cast<float>(event->ms);
    float sign = pairSign(m_flags, MOVE_FORWARD, MOVE_BACK);
    if (sign != 0.0f)
        moveAlong(o.direction, sign * (t * m_directionSpeed));
    sign = pairSign(m_flags, MOVE_UP, MOVE_DOWN);
    if (sign != 0.0f)
        moveAlong(o.up, sign * (t * m_upSpeed));
    sign = pairSign(m_flags, MOVE_SIDE, MOVE_OTHER_SIDE);
    if (sign != 0.0f)
        moveAlong(MathStuff::crossProduct(o.up, o.direction), sign * (t * m_sideSpeed));
    sign = pairSign(m_flags, ROLL_PLUS, ROLL_MINUS);
    if (sign != 0.0f)
        turn(o.up, sign * (t * m_rollSpeed), o.direction);
    sign = pairSign(m_flags, YAW_PLUS, YAW_MINUS);
    if (sign != 0.0f)
        turn(o.direction, sign * (t * m_yawSpeed), o.up);
    sign = pairSign(m_flags, PITCH_PLUS, PITCH_MINUS);
    if (sign != 0.0f)
        turnBoth(o, sign * (t * m_pitchSpeed), MathStuff::crossProduct(o.up, o.direction));
}

} // namespace Game
