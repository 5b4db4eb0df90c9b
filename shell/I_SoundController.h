#ifndef SOUND_I_SOUNDCONTROLLER_H
#define SOUND_I_SOUNDCONTROLLER_H

#include <string>

namespace Sound {

// The sound back end. Channels (sources) and sounds are numbers the caller
// chooses; volume and pitch are per cent (100 = as recorded). Unknown channels
// and sounds are ignored.
class I_SoundController {
public:
    virtual ~I_SoundController() {}

    // Opens the audio output; true when it is usable (also on a repeated call).
    virtual bool init() = 0;
    // Makes channel number source; with loop set it repeats what it plays.
    virtual bool addSource(int source, bool loop) = 0;
    // Decodes the whole file as sound number sound; the decoder follows the extension.
    virtual bool load(int sound, const std::string& file) = 0;
    // Stops the channel, gives it the sound, sets volume and pitch and starts it.
    virtual void play(int source, int sound, int volume, int pitch) = 0;
    virtual void pause(int source) = 0;
    virtual void resume(int source) = 0;
    virtual void stop(int source) = 0;
    virtual bool isPlaying(int source) = 0;
    virtual void setVolume(int source, int volume) = 0;
    // Called as the sound manager goes, before the controller itself is deleted.
    virtual void shutdown() = 0;
};

} // namespace Sound

#endif
