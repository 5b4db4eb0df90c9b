#ifndef KWEP_ST_STARTINGFUNCTOR_H
#define KWEP_ST_STARTINGFUNCTOR_H

#include "client/ClientFunctor.h"
#include "client/KeptInput.h"

namespace KWEP {

// The story page (state 3): steps the world on each update and starts the
// first level on a key press or release, a mouse event that differs from the
// first one kept on this page by a button, the pressed flag or more than one
// pixel, or a joypad event that differs from the first one kept.
class ST_StartingFunctor : public ClientFunctor {
public:
    explicit ST_StartingFunctor(GameClient* client);
    ~ST_StartingFunctor() override;

    bool operator()(FSM::StatePair* pair) override;
    I_Functor* clone() const override;

    // A new showing of the story page: every starting handler drops the
    // events it kept on an earlier one.
    static void pageShown();

private:
    bool leave();

    KeptInput m_kept;
    static unsigned s_showing;
};

} // namespace KWEP

#endif
