#ifndef FRELMORY_CORE_VIEWDATA_H
#define FRELMORY_CORE_VIEWDATA_H

namespace Render {

// The viewport and projection a render controller works with, carried by the
// view event. The render controller interface names this same record as its
// own ViewData. Every field starts at its keep value: merged into the current
// view, a default record changes nothing.
struct ViewData {
    float near = 0.0f;   // near clipping plane; 0 keeps
    float far = 0.0f;    // far clipping plane; 0 keeps
    float fov = 0.0f;    // vertical field of view in degrees; 0 keeps
    int x = -1;          // left edge in window pixels; -1 keeps
    int y = -1;          // bottom edge in window pixels; -1 keeps
    int w = 0;           // width in pixels; 0 keeps
    int h = 0;           // height in pixels; 0 keeps
    float zoomX = 0.0f;  // 1 is no zoom; 0 keeps
    float zoomY = 0.0f;  // 1 is no zoom; 0 keeps
    int vsync = -1;      // 0 off, other values on; -1 keeps
};

} // namespace Render

#endif
