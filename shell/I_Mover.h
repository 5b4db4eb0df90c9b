#ifndef GAME_I_MOVER_H
#define GAME_I_MOVER_H

#include <vector>

#include "core/Orientation.h"

namespace Game {

// Supplies the orientations of the bodies that carry an item (the physics
// layer's items implement it). Not owned by the items it moves.
class I_Mover {
public:
    virtual ~I_Mover() {}
    // Fills the list with one orientation per body, in the mover's body order.
    virtual void getPositions(std::vector<MathStuff::Orientation<float> >& positions) const = 0;
};

} // namespace Game

#endif
