#ifndef RENDER_KEPTDRAWSTATE_H
#define RENDER_KEPTDRAWSTATE_H

#include "shell/I_RenderController.h"

namespace Render {

// Keeps the render controller's draw state for as long as it lives: a run of
// model draws inside it may leave their materials and arrays set for the next,
// and its end, however the scope is left, puts GL back as if each draw had
// unset its own. Nothing but model draws may use GL inside it. A null
// controller keeps nothing.
class KeptDrawState {
public:
    explicit KeptDrawState(I_RenderController* controller) : m_controller(controller)
    {
        if (m_controller != nullptr)
            m_controller->keepDrawState(true);
    }
    ~KeptDrawState()
    {
        if (m_controller != nullptr)
            m_controller->keepDrawState(false);
    }

    KeptDrawState(const KeptDrawState&) = delete;
    KeptDrawState& operator=(const KeptDrawState&) = delete;

private:
    I_RenderController* m_controller; // not owned; outlives the scope
};

} // namespace Render

#endif
