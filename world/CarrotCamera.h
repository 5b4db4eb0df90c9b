#ifndef KWEP_CARROTCAMERA_H
#define KWEP_CARROTCAMERA_H

#include "shell/I_CameraItem.h"

namespace KWEP {

// The map camera: follows one tracked world item, or looks at the midpoint of
// two and widens its zoom as they move apart. Items are tracked by unique id,
// so a deleted item simply stops being found and the view stays where it was.
// The own orientation is an offset added to the tracked position.
class CarrotCamera : public Game::I_CameraItem {
public:
    CarrotCamera();
    ~CarrotCamera() override;

    // Sets both the offset and the view.
    void setOrientation(const MathStuff::Orientation<float>& orientation) override;
    // The view, brought up to date from the tracked items on every call.
    MathStuff::Orientation<float>& getOrientation() override;
    const MathStuff::Orientation<float>& getOrientation() const override;
    // The offset.
    MathStuff::Orientation<float>& getCameraOrientation() override;
    // The zoom of the last framing of two items, for both axes.
    float getZoomX() const override;
    float getZoomY() const override;
    // Null tracks nothing; the pointers are not kept.
    virtual void setTrackedItem1(const Game::WorldItem* item);
    virtual void setTrackedItem2(const Game::WorldItem* item);
    virtual void setTrackedItems(const Game::WorldItem* item1, const Game::WorldItem* item2);

private:
    struct Keys;
    void frame(const Game::WorldItem& item1, const Game::WorldItem& item2) const;

    mutable MathStuff::Orientation<float> m_view;
    mutable float m_zoom;
    // Set while the view is being worked out: a camera asked again meanwhile
    // (two cameras tracking each other) answers its last view.
    mutable bool m_answering;
    unsigned long m_tracked1;
    unsigned long m_tracked2;
    mutable Keys* m_keys; // the zoom keys, read at the first framing of two items
};

} // namespace KWEP

#endif
