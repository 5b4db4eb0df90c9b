#ifndef FRELMORY_CORE_EVENT_SOUND_H
#define FRELMORY_CORE_EVENT_SOUND_H

#include <string>

#include "core/EventWithString.h"

namespace EVT {

// Play or stop a named sound effect or song; the name is the string. With
// play false, the name "ALL" stops every effect.
class Event_Sound : public EventWithString {
public:
    Event_Sound(int id, const std::string& name, bool play, int volume, int pitch)
        : EventWithString(id, name), play(play), volume(volume), pitch(pitch) {}

    I_Event* clone() const override { return new Event_Sound(*this); }

    bool play;   // true plays, false stops
    int volume;  // per cent; 0 keeps the effect's own
    int pitch;   // per cent; 0 keeps the effect's own
};

} // namespace EVT

#endif
