#ifndef FRELMORY_CORE_EVENT_VIEW_H
#define FRELMORY_CORE_EVENT_VIEW_H

#include "core/I_Event.h"
#include "core/ViewData.h"

namespace EVT {

// The projection for the next drawing.
class Event_View : public I_Event {
public:
    enum { ORTHOGRAPHIC = 0, PERSPECTIVE = 1 };

    Event_View(int id, int mode, const Render::ViewData& view)
        : I_Event(id), mode(mode), view(view) {}

    I_Event* clone() const override { return new Event_View(*this); }

    int mode;              // 0 orthographic, 1 perspective
    Render::ViewData view; // fields at their keep value leave the current view's
};

} // namespace EVT

#endif
