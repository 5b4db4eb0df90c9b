#ifndef GAME_MOVEABLEITEM_H
#define GAME_MOVEABLEITEM_H

#include "shell/WorldItem.h"

namespace EVT { class Event_Move; class Event_Update; }

namespace Game {

// A world item steered by move events (22) addressed to its unique id: twelve
// steady motions along or about its own axes are switched on and off, a fast
// mode picks the other speed of each option key, and three kinds turn, tilt or
// step once. On every update event (8) the switched-on motions are integrated
// over the elapsed milliseconds. Speeds come from the speed option keys
// (OPTION_DIRECTION_SPEED to OPTION_PITCH_SPEED), in world units or degrees
// per millisecond.
class MoveableItem : public WorldItem {
public:
    // Motion bits; each pair moves only while exactly one of its bits is set.
    enum Motion {
        MOVE_UP = 0x1, MOVE_DOWN = 0x2,
        MOVE_SIDE = 0x4, MOVE_OTHER_SIDE = 0x8,
        MOVE_FORWARD = 0x10, MOVE_BACK = 0x20,
        ROLL_MINUS = 0x40, ROLL_PLUS = 0x80,
        YAW_PLUS = 0x100, YAW_MINUS = 0x200,
        PITCH_MINUS = 0x400, PITCH_PLUS = 0x800
    };

    // Move kinds of the move event besides the set/clear pairs 2 to 25.
    enum MoveKind {
        KIND_FAST_START = 0, KIND_FAST_STOP = 1,
        KIND_TURN = 26, KIND_TILT = 27, KIND_STEP = 28
    };

    // The speeds are read at once, so the option keys must exist.
    explicit MoveableItem(I_Mover* mover);
    ~MoveableItem() override;

    // Updates go to updateEvent, moves to moveEvent; others, and events of an
    // unexpected class, are ignored.
    void handleEvent(EVT::I_Event* event) override;

    // Applies the kind when the event names this item.
    virtual void moveEvent(EVT::Event_Move* event);
    // Integrates the switched-on motions over the event's milliseconds.
    virtual void updateEvent(EVT::Event_Update* event);
    // Reads the six speeds again with the current fast index.
    virtual void setSpeeds();

    int getMotionFlags() const { return m_flags; }

private:
    void moveAlong(const MathStuff::Vector3<float>& axis, float amount);
    int m_flags;
    int m_fast;
    float m_directionSpeed;
    float m_sideSpeed;
    float m_upSpeed;
    float m_yawSpeed;
    float m_pitchSpeed;
    float m_rollSpeed;
};

} // namespace Game

#endif
