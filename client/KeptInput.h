#ifndef KWEP_KEPTINPUT_H
#define KWEP_KEPTINPUT_H

#include <memory>

namespace EVT { class Event_Joypad; class Event_Mouse; }

namespace KWEP {

// The reference input of a page that waits for the player: the first mouse
// and joypad events seen are kept, and later ones are compared with them, so
// a pointer that merely trembles or a stick at rest does not leave the page.
// The kept events belong to one showing of the page: they are dropped when
// the page's showing number changes.
class KeptInput {
public:
    // Where the pointer was when a page opened; not known without a mouse.
    struct Place {
        bool known = false;
        int x = 0;
        int y = 0;
    };

    KeptInput();
    ~KeptInput();
    // A copy starts with nothing kept.
    KeptInput(const KeptInput& other);
    KeptInput& operator=(const KeptInput&) = delete;

    // Drops the kept events when the showing differs from the one they were
    // kept in.
    void follow(unsigned showing);
    // As above; then, while no mouse event is kept, the pointer's place when
    // the page opened stands as the first one (a motion, no button), so that
    // the first move is measured from there.
    void follow(unsigned showing, const Place& opened);
    void clear();

    // The first event is kept and answers false. A later one answers true when
    // its button mask or pressed flag differs from the kept one, or when it
    // lies further than the square root of maxSquared pixels from it.
    bool mouseMoved(const EVT::Event_Mouse& event, long maxSquared);
    // The first event is kept and answers false. A later one answers true for
    // another joystick, axes 2 or more apart (squared), or any other button.
    bool joypadMoved(const EVT::Event_Joypad& event);
    // As mouseMoved, with the position alone compared.
    bool mouseTravelled(const EVT::Event_Mouse& event, long maxSquared);
    // As joypadMoved, with the axes alone compared, and those of the kept
    // joystick only: another one answers false.
    bool joypadTravelled(const EVT::Event_Joypad& event);

    bool hasMouse() const { return m_mouse != nullptr; }
    bool hasJoypad() const { return m_joypad != nullptr; }

private:
    std::unique_ptr<EVT::Event_Mouse> m_mouse;   // null until one is seen
    std::unique_ptr<EVT::Event_Joypad> m_joypad; // null until one is seen
    unsigned m_showing;
};

} // namespace KWEP

#endif
