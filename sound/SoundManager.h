#ifndef KWEP_SOUNDMANAGER_H
#define KWEP_SOUNDMANAGER_H

#include <string>

#include "core/I_EventConsumer.h"

namespace Sound {
class I_SoundController;
}

namespace KWEP {

// The game's sound policy. It reads the sound configuration (channels, sound
// files and named effect records), then follows the event bus: the game state
// switches the music ("TITLE_MUSIC" in the menus and the pause, "GAME_MUSIC" in
// play), sound events start and stop named effects, and option changes switch
// music and effects on and off. Effects play at their volume scaled by the
// effects volume (option 22); music plays at option 21.
//
// Without a controller, or when its init fails, the manager runs silent on the
// shell's do-nothing controller. The game client owns the manager; the
// controller belongs to main.
class SoundManager : public EVT::I_EventConsumer {
public:
    SoundManager(Sound::I_SoundController* controller, const std::string& configFile);
    // Calls the controller's shutdown; the base unsubscribes from every event.
    ~SoundManager() override;

    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    void handleEvent(EVT::I_Event* event) override;
    // Reads the sound configuration into the controller and the records. False
    // for an empty file name or when the controller refuses a channel (the
    // reading stops there). A sound file the controller refuses is left out
    // and the rest load; the records of that sound do nothing. A missing file
    // loads nothing and is not a failure.
    virtual bool loadSounds(const std::string& configFile);
    // Plays the named music (or the current one for ""), or stops it when
    // music is off (option 19).
    virtual void setMusic(const std::string& name);
    // Effects on or off from option 20.
    virtual void setEffects();

private:
    class Impl;
    Impl* m_impl;

    void soundEvent(EVT::I_Event* event);
    void configChange(EVT::I_Event* event);
    void backToMenus(bool always);
};

} // namespace KWEP

#endif
