#ifndef FRELMORY_CORE_EVENT_EFFECT_H
#define FRELMORY_CORE_EVENT_EFFECT_H

#include "core/I_Event.h"

namespace EVT {

// Render effects for the next drawing. A zero field leaves that setting as
// it is.
class Event_Effect : public I_Event {
public:
    explicit Event_Effect(int id, int fogStart = 0, int fogEnd = 0, unsigned char red = 0,
                          unsigned char green = 0, unsigned char blue = 0,
                          unsigned char alpha = 0, float scaleX = 0.0f, float scaleY = 0.0f,
                          float scaleZ = 0.0f, int depthTest = 0, float maxLineWidth = 0.0f,
                          float lineWidth = 0.0f, int lineSmooth = 0)
        : I_Event(id), fogStart(fogStart), fogEnd(fogEnd), red(red), green(green), blue(blue),
          alpha(alpha), scaleX(scaleX), scaleY(scaleY), scaleZ(scaleZ), depthTest(depthTest),
          maxLineWidth(maxLineWidth), lineWidth(lineWidth), lineSmooth(lineSmooth) {}

    I_Event* clone() const override { return new Event_Effect(*this); }

    // Per cent of the far plane: start 0 keeps the fog, 100 switches it off,
    // anything else switches linear fog on with these distances.
    int fogStart;
    int fogEnd;
    unsigned char red;
    unsigned char green;
    unsigned char blue;
    unsigned char alpha;
    float scaleX;       // all three 0 keep the scale
    float scaleY;
    float scaleZ;
    int depthTest;      // 1 on, 2 off, other values keep
    float maxLineWidth; // negative restores 1000
    float lineWidth;    // applied no wider than the maximum
    int lineSmooth;     // 1 on, 2 off, other values keep
};

} // namespace EVT

#endif
