#ifndef KWEP_PAGEPRESSES_H
#define KWEP_PAGEPRESSES_H

#include <bitset>
#include <map>

namespace EVT { class Event_Joypad; class Event_Key; class Event_Mouse; }

namespace KWEP {

// The presses seen while a page waits for the player. A release counts only
// when its press came while the page was shown: the release of the key,
// button or switch that opened the page must not close it at once. The
// presses belong to one showing of the page: they are forgotten when the
// page's showing number changes.
class PagePresses {
public:
    PagePresses();

    // Forgets the presses when the showing differs from the one they were
    // seen in.
    void follow(unsigned showing);
    void clear();

    // Each answers true for the release of a key or button whose press was
    // seen in this showing, and notes presses.
    bool keyReleased(const EVT::Event_Key& event);
    // Motions (button 0) answer false.
    bool mouseReleased(const EVT::Event_Mouse& event);
    // A joypad event carries the state of its buttons on every frame: the
    // first one of a joystick is its reference, and a press is a button going
    // down after it.
    bool joypadReleased(const EVT::Event_Joypad& event);

private:
    struct Pad {
        bool down[4];
        bool pressedHere[4];
    };

    std::bitset<256> m_keys; // keys pressed in this showing
    int m_mouseButtons;      // mask of the buttons pressed in this showing
    std::map<int, Pad> m_pads; // by joystick number
    unsigned m_showing;
};

} // namespace KWEP

#endif
