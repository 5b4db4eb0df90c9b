#ifndef KWEP_EXPLOPIECE_H
#define KWEP_EXPLOPIECE_H

#include "world/ShrinkingItem.h"

namespace KWEP {

// The burst carrot: flies for BANG_SECS_LIMIT seconds or until it comes to
// rest, then shrinks by BANG_SCALE_MOVE per update until below BANG_SCALE_LIMIT.
class ExploPiece : public ShrinkingItem {
public:
    explicit ExploPiece(Physics::ChipmunkItem* item);
    ~ExploPiece() override;

protected:
    // At rest: the squared speeds of all bodies add up to less than 1.
    bool isDone() const override;
};

} // namespace KWEP

#endif
