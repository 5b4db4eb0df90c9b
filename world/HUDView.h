#ifndef KWEP_HUDVIEW_H
#define KWEP_HUDVIEW_H

#include "core/Vector3.h"

namespace KWEP {

// How the window maps onto the plane of play (z = 0) as the play camera sees
// it, so that a HUD text made of world letters can stand at a fixed place and
// size in the window whatever the field of view and the window's size. The
// camera looks along -z; the field of view is vertical and spans the whole
// window.
class HUDView {
public:
    // A 640 x 480 window over the origin, one world unit per pixel: the view
    // until the first one is known.
    HUDView();

    // The view of a camera at the position with the field of view in degrees
    // over a window of the size in pixels; false, and out untouched, for a
    // view that shows no plane of play (camera at or behind it, a field of
    // view outside 0..180, an empty window, a value that is not finite).
    static bool of(const MathStuff::Vector3<float>& camera, float fovDegrees, int width, int height, HUDView& out);

    // The point of the plane of play under the window point given in percent
    // of the window's width from the left and of its height from the top.
    MathStuff::Vector3<float> place(float xPercent, float yPercent) const;
    // The scale that makes a letter of the given height in world units as
    // tall as the percent of the window's height.
    float scaleFor(float letterUnits, float heightPercent) const;

    bool operator==(const HUDView& other) const;
    bool operator!=(const HUDView& other) const { return !(*this == other); }

private:
    float m_centreX;      // the plane point at the window's centre
    float m_centreY;
    float m_unitsPerPixel;
    int m_width;          // pixels
    int m_height;
};

} // namespace KWEP

#endif
