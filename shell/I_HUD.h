#ifndef GAME_I_HUD_H
#define GAME_I_HUD_H

#include "core/I_EventConsumer.h"

namespace Game {

// The base of the heads-up display: while switched on it draws itself on every
// render event (12). Off at start.
class I_HUD : public EVT::I_EventConsumer {
public:
    I_HUD();
    ~I_HUD() override;

    void handleEvent(EVT::I_Event* event) override;
    virtual void setOn(bool on);
    virtual void renderHUD() = 0;

private:
    bool m_on;
};

} // namespace Game

#endif
