#ifndef KWEP_ST_MENUSFUNCTOR_H
#define KWEP_ST_MENUSFUNCTOR_H

#include "client/ClientFunctor.h"

namespace KWEP {

// The menus (state 2): play (1) opens the story page.
class ST_MenusFunctor : public ClientFunctor {
public:
    explicit ST_MenusFunctor(GameClient* client);

    bool operator()(FSM::StatePair* pair) override;
    I_Functor* clone() const override;
};

} // namespace KWEP

#endif
