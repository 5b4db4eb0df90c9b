#ifndef KWEP_ST_STARTINGFUNCTOR_H
#define KWEP_ST_STARTINGFUNCTOR_H

#include "client/ClientFunctor.h"
#include "client/KeptInput.h"
#include "client/PagePresses.h"

namespace KWEP {

// The story page (state 3): steps the world on each update and starts the
// first level on the release of a key, mouse button or joypad button pressed
// while the page was shown (the release of the one that chose to play does
// not count), on a pointer moved more than a tenth of the window's height
// from the first mouse event kept on this page, or on a stick moved from the
// first joypad event kept.
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
    PagePresses m_presses;
    static unsigned s_showing;
    static KeptInput::Place s_opened; // the pointer when the page opened
};

} // namespace KWEP

#endif
