#ifndef KWEP_SPLASHFUNCTOR_H
#define KWEP_SPLASHFUNCTOR_H

#include "client/ClientFunctor.h"

namespace KWEP {

// The splash picture (state 1): leaves on any key, mouse or joypad event, and
// once the updates after the first add up to more than a second. Leaving drops
// the picture and shows the main menu.
class SplashFunctor : public ClientFunctor {
public:
    explicit SplashFunctor(GameClient* client);
    // The milliseconds counted so far, shared by every splash handler of the run.
    static long getTotalTime();

    bool operator()(FSM::StatePair* pair) override;
    I_Functor* clone() const override;
};

} // namespace KWEP

#endif
