#ifndef GAME_I_RENDERVIAEVENT_H
#define GAME_I_RENDERVIAEVENT_H

#include "core/I_EventConsumer.h"
#include "shell/I_Renderable.h"

namespace Game {

// Anything that draws itself whenever the render event (12) is raised.
class I_RenderViaEvent : public EVT::I_EventConsumer, public I_Renderable {
public:
    // Subscribes to the render event.
    I_RenderViaEvent();
    ~I_RenderViaEvent() override;

    // Calls render() on the render event; ignores everything else.
    void handleEvent(EVT::I_Event* event) override;
};

} // namespace Game

#endif
