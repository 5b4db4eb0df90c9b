#ifndef PHYSICS_I_COLLISIONHANDLER_H
#define PHYSICS_I_COLLISIONHANDLER_H

#include <cstdint>

#include "physics/ChipmunkTypes.h"

namespace Physics {

class ChipmunkItem;

// A game rule for contacts between two collision types. It runs after the
// sub-step whose contact it gets, never inside the engine's step, so it may
// add and remove items, bodies and joints freely.
class I_CollisionHandler {
public:
    // One contact: the shapes and items in the order of the registered type
    // pair (side a has the pair's first type) and the contact's impulse.
    struct Info {
        cpShape* shapeA;
        cpShape* shapeB;
        ChipmunkItem* itemA;
        ChipmunkItem* itemB;
        // Length of the contact's normal impulse.
        double impulse;
    };

    // Results: item a removed, item b removed (or-ed for both).
    static const std::uint16_t REMOVED_A = 0x0001;
    static const std::uint16_t REMOVED_B = 0x0100;

    virtual ~I_CollisionHandler() {}

    // a or b is null when an earlier handler of the same sub-step removed that
    // item. The low byte of the result is non-zero when this rule removed a,
    // the high byte when it removed b.
    virtual std::uint16_t collision(ChipmunkItem* a, ChipmunkItem* b, const Info& info) = 0;
};

} // namespace Physics

#endif
