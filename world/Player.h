#ifndef KWEP_PLAYER_H
#define KWEP_PLAYER_H

#include "core/Vector3.h"
#include "physics/ChipmunkWorldItem.h"

namespace KWEP {

class World;

// The player's invisible grab hand. The grab action (37) takes hold of the
// physical item under the pointer on the plane z = 0, every update drags the
// physics world's mouse body to the pointer, the release action (38) lets go.
class Player : public Physics::ChipmunkWorldItem {
public:
    explicit Player(Physics::ChipmunkItem* item);
    ~Player() override;

    void handleEvent(EVT::I_Event* event) override;
    // Draws nothing: the hand is invisible.
    void draw(std::vector<MathStuff::Orientation<float> >& scratch) override;

    // Subscribes to 8, 37 and 38 and forgets any grab; the world is not owned.
    virtual void setWorld(World* world);

    // A world with a camera item and a physics world, not in stasis.
    bool upAndRunning() const;
    // The point on z = 0 under the window point; false when there is none
    // (the pick line runs along the plane, or the view cannot be unprojected).
    bool getPickForZ0(int x, int y, MathStuff::Vector3<float>& pick) const;
    void moveGrabbed(int x, int y);
    void grabItem(int x, int y, bool locked);
    void releaseItem();

private:
    World* m_world;
    bool m_grabbing;
};

} // namespace KWEP

#endif
