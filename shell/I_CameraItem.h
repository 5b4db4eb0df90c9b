#ifndef GAME_I_CAMERAITEM_H
#define GAME_I_CAMERAITEM_H

#include "shell/MoveableItem.h"

namespace Game {

// A camera: a movable world item whose getOrientation() const gives the eye's
// position, direction and up for a render pass, with zoom factors for the
// views that use them.
class I_CameraItem : public MoveableItem {
public:
    explicit I_CameraItem(I_Mover* mover = nullptr);
    ~I_CameraItem() override;

    // The camera's own orientation, open to change.
    virtual MathStuff::Orientation<float>& getCameraOrientation() = 0;
    // 1.0 here.
    virtual float getZoomX() const;
    virtual float getZoomY() const;
};

} // namespace Game

#endif
