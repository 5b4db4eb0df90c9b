#ifndef GAME_CAMERAITEM_H
#define GAME_CAMERAITEM_H

#include "shell/I_CameraItem.h"

namespace Game {

// The simple camera: its own orientation is an offset riding on the position
// of one tracked world item, found again by unique id on every question, so the
// camera follows the item and stays where it was once the item is gone. Move
// events steer the own orientation; getOrientation() answers the view.
class CameraItem : public I_CameraItem {
public:
    CameraItem();
    ~CameraItem() override;

    // Sets both the own and the view orientation.
    void setOrientation(const MathStuff::Orientation<float>& orientation) override;
    // The view: the own orientation with the tracked item's position added,
    // or the last view when the item is not found.
    MathStuff::Orientation<float>& getOrientation() override;
    const MathStuff::Orientation<float>& getOrientation() const override;
    MathStuff::Orientation<float>& getCameraOrientation() override;
    // Follows the item by its unique id (null: follow nothing); the pointer is not kept.
    virtual void setTrackedItem(const WorldItem* item);

private:
    mutable MathStuff::Orientation<float> m_view; // cache brought up to date by getOrientation
    unsigned long m_trackedID;
    // Set while the view is being worked out: a camera asked again meanwhile
    // (cameras tracking each other) answers its last view.
    mutable bool m_answering = false;
};

} // namespace Game

#endif
