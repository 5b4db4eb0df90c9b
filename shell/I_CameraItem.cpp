#include "shell/I_CameraItem.h"

namespace Game {

I_CameraItem::I_CameraItem(I_Mover* mover) : MoveableItem(mover) {}

I_CameraItem::~I_CameraItem() {}

float I_CameraItem::getZoomX() const { return 1.0f; }

float I_CameraItem::getZoomY() const { return 1.0f; }

} // namespace Game
