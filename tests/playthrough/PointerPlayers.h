#ifndef PLAYTHROUGH_POINTERPLAYERS_H
#define PLAYTHROUGH_POINTERPLAYERS_H

#include "PointerThrower.h"
#include "input/Keyboard.h"

namespace PlayThrough {

namespace Sim {

// The mouse: the left button held on the carrot, a quick throw.
class MousePlayer : public PointerThrower {
public:
    explicit MousePlayer(unsigned seed)
        : PointerThrower(seed, PointerLimits{1500.0f, 2.0f, 4.0f, 6.0f, 0.2f, 0.05f, 0.04f, 0.15f, 800.0f})
    {
    }

protected:
    void press(WholeRun& run) override { run.button(1, true); }
    void release(WholeRun& run) override { run.button(1, false); }
};

// A head tracker moves the pointer; a switch takes and lets go, each press a
// switch user's delay after the pointer is on the carrot and each release
// some way off the moment it aims at.
class SwitchPointerPlayer : public PointerThrower {
public:
    explicit SwitchPointerPlayer(unsigned seed)
        : PointerThrower(seed, PointerLimits{600.0f, 8.0f, 6.0f, 8.0f, 0.3f, 0.1f, 0.1f, 0.25f, 500.0f})
    {
    }

protected:
    void press(WholeRun& run) override { run.key(Devices::Keyboard::KEY_SPACE, true); }
    void release(WholeRun& run) override { run.key(Devices::Keyboard::KEY_SPACE, false); }
};

} // namespace Sim

} // namespace PlayThrough

#endif
