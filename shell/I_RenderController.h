#ifndef RENDER_I_RENDERCONTROLLER_H
#define RENDER_I_RENDERCONTROLLER_H

#include "core/I_EventConsumer.h"
#include "core/Vector3.h"
#include "core/ViewData.h"
#include "shell/I_CreateRenderBuffer.h"
#include "shell/I_CreateVertexArray.h"

namespace Render {

class I_RenderQueue;

// The render back end the game root holds. The program entry makes it with its
// first view data and deletes it after the game has ended; the game root never
// deletes it. Once init has run it answers the screen, viewport, scissor, view,
// camera and effect events.
class I_RenderController : public EVT::I_EventConsumer,
                           public I_CreateVertexArray,
                           public I_CreateRenderBuffer {
public:
    // The view record carried by view events; fields holding their keep value
    // leave the current value alone in a merge.
    typedef Render::ViewData ViewData;

    ~I_RenderController() override {}

    // Called once after the game's start-up succeeded, before the frame loop:
    // sets vertical sync and leaves the current perspective projection in force.
    virtual void init() = 0;
    // Saves a copy of the current view data / restores the last saved one
    // through setViewData (nothing when none is saved).
    virtual void pushViewData() = 0;
    virtual void popViewData() = 0;
    // Merges every field that does not hold its keep value into the current one.
    virtual void setViewData(const ViewData& data) = 0;
    virtual const ViewData& getViewData() const = 0;
    // From the point under window pixel (x, y), y from the top, on the near plane
    // to the point under it on the far plane; not normalised.
    virtual MathStuff::Vector3<float> getPickRay(int x, int y) const = 0;
    // The controller's own queue, owned by the controller.
    virtual I_RenderQueue* getRenderQueue() = 0;
    // Reads / draws w x h pixels (R, G, B, A bytes, rows bottom-up) whose
    // lower-left corner is window pixel (x, y); showScreen draws at the far depth
    // whatever projection is in force.
    virtual void copyScreen(unsigned char* rgba, int x, int y, int w, int h) = 0;
    virtual void showScreen(unsigned char* rgba, int x, int y, int w, int h) = 0;
    // The line state for the line models, as the effect events left it:
    // whether smoothing is on, and the width lines draw with from now on (no
    // wider than the effects' maximum; 0 leaves the width).
    virtual bool lineSmoothing() const { return false; }
    virtual void setLineWidth(float width) { (void)width; }
    // Smoothing on or off for the draws that follow, changed only where it
    // differs from what is in force. restoreLineSmoothing puts back what the
    // effects set; inside a KeptDrawState scope that waits for the scope's
    // end, so a run of models changes it only where their parts differ.
    virtual void smoothLines(bool on) { (void)on; }
    virtual void restoreLineSmoothing() {}

protected:
    // Turned on and off by a KeptDrawState scope. While on, models drawn one
    // after another may leave their material and vertex array set from one
    // draw to the next, so a run of draws alike sets them once; turning it off
    // puts GL back as if every draw had unset its own. Nothing else may draw
    // with GL while it is on.
    virtual void keepDrawState(bool on) { (void)on; }

private:
    friend class KeptDrawState;
};

} // namespace Render

#endif
