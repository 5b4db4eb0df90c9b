#ifndef KWEP_ST_PAUSEDFUNCTOR_H
#define KWEP_ST_PAUSEDFUNCTOR_H

#include "client/ClientFunctor.h"

namespace KWEP {

// The pause (state 5), as its enter and exit handler and as the handler of
// its own events: entering pauses the game, leaving resumes it (and ends it on
// the way back to the menus). The world stands still meanwhile.
class ST_PausedFunctor : public ClientFunctor {
public:
    explicit ST_PausedFunctor(GameClient* client);

    bool operator()(FSM::StatePair* pair) override;
    I_Functor* clone() const override;
};

} // namespace KWEP

#endif
