#ifndef KWEP_METEOR_H
#define KWEP_METEOR_H

#include "physics/ChipmunkWorldItem.h"

namespace Game { class I_CameraItem; }

namespace KWEP {

class CarrotCamera;
class Player;

// The snowman's rock. The action camera frames it with the player; once it
// has landed, the game is lost after HIT_END_DELAY (event 50 with the phrase
// rule LOST_GAME_RULE).
class Meteor : public Physics::ChipmunkWorldItem {
public:
    // The camera is used only when it is the action camera; neither it nor the
    // player is owned or kept beyond the camera's tracking.
    Meteor(Physics::ChipmunkItem* item, Game::I_CameraItem* camera, Player* player);
    ~Meteor() override;

    void update(long ms) override;
    void draw(std::vector<MathStuff::Orientation<float> >& scratch) override;

private:
    CarrotCamera* m_camera;
    int m_endTimer; // 0 while flying
};

} // namespace KWEP

#endif
