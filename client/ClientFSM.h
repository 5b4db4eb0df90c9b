#ifndef KWEP_CLIENTFSM_H
#define KWEP_CLIENTFSM_H

#include <deque>
#include <vector>

#include "core/I_EventConsumer.h"
#include "core/StateMachine.h"

namespace EVT { class I_Event; }

namespace KWEP {

class GameClient;

// The game's flow: splash (1), menus (2), story page (3), play (4), pause (5),
// end page (6) and exit (7). Every event it hears is queued and acted on at
// the next update, so each change of the game's state happens inside the
// update tick. The next-level (49) and game-over (50) events that arrive
// during the pause are held and acted on once play resumes; a way back to the
// menus drops them.
class ClientFSM : public FSM::StateMachine, public EVT::I_EventConsumer {
public:
    enum State {
        STATE_SPLASH = 1,
        STATE_MENUS = 2,
        STATE_STARTING = 3,
        STATE_RUNNING = 4,
        STATE_PAUSED = 5,
        STATE_ENDING = 6,
        STATE_EXIT = 7
    };

    ClientFSM();
    // Deletes the queued and held events and the handlers; unsubscribes.
    ~ClientFSM() override;

    ClientFSM(const ClientFSM&) = delete;
    ClientFSM& operator=(const ClientFSM&) = delete;

    // Builds the handlers (holding the client, not owned), the states and the
    // transitions, and subscribes to 18, 16, 19, 1, 2, 3, 4, 8, 50 and 49.
    virtual void create(GameClient* client);
    void handleEvent(EVT::I_Event* event) override;

    std::size_t queuedCount() const { return m_queue.size(); }
    std::size_t heldCount() const { return m_held.size(); }

private:
    void processQueue();
    void processOne(EVT::I_Event* event);
    void releaseHeld(unsigned long before);
    static void deleteAll(std::deque<EVT::I_Event*>& events);

    std::vector<FSM::StateMachine::I_Functor*> m_handlers; // owned
    std::deque<EVT::I_Event*> m_queue;                     // owned copies, oldest first
    std::deque<EVT::I_Event*> m_held;                      // owned copies held during the pause
};

} // namespace KWEP

#endif
