#ifndef KWEP_ST_ENDINGFUNCTOR_H
#define KWEP_ST_ENDINGFUNCTOR_H

#include "client/ClientFunctor.h"
#include "client/KeptInput.h"

namespace KWEP {

// The end page (state 6): steps the world on each update and ignores all
// input for the first two seconds of updates. After that a key press, a mouse
// event that differs from the first one kept by a button, the pressed flag or
// a deliberate move (more than a tenth of the window's height), or a joypad
// event that differs from
// the first one kept asks for the menus by raising event 2 (queued); event 2
// then ends the game.
class ST_EndingFunctor : public ClientFunctor {
public:
    explicit ST_EndingFunctor(GameClient* client);
    ST_EndingFunctor(const ST_EndingFunctor& other);
    ~ST_EndingFunctor() override;

    bool operator()(FSM::StatePair* pair) override;
    I_Functor* clone() const override;

    // A new showing of the end page: the guard starts again and every ending
    // handler drops the events it kept on an earlier one.
    static void pageShown();

    // Milliseconds of updates on the end page, shared by every ending handler.
    static long m_totalTime;

private:
    bool askToLeave(bool leave) const;

    KeptInput m_kept;
    static unsigned s_showing;
    static KeptInput::Place s_opened; // the pointer when the page opened
};

} // namespace KWEP

#endif
