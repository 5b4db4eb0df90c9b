#ifndef KWEP_ST_RUNNINGFUNCTOR_H
#define KWEP_ST_RUNNINGFUNCTOR_H

#include "client/ClientFunctor.h"

namespace KWEP {

// Play (state 4): steps the world on each update, goes to the next level on
// 49, to the end page on 50 and back to the menus on 2.
class ST_RunningFunctor : public ClientFunctor {
public:
    explicit ST_RunningFunctor(GameClient* client);

    bool operator()(FSM::StatePair* pair) override;
    I_Functor* clone() const override;
};

} // namespace KWEP

#endif
