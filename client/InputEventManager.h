#ifndef KWEP_INPUTEVENTMANAGER_H
#define KWEP_INPUTEVENTMANAGER_H

#include "core/I_EventConsumer.h"

namespace KWEP {

// The input consumer of one level: made when the level begins and deleted
// when it ends. It hears nothing yet; per-level input handling hooks in here.
class InputEventManager : public EVT::I_EventConsumer {
public:
    InputEventManager();
    ~InputEventManager() override;
    void handleEvent(EVT::I_Event* event) override;
};

} // namespace KWEP

#endif
