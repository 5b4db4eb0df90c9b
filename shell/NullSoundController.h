#ifndef SOUND_NULLSOUNDCONTROLLER_H
#define SOUND_NULLSOUNDCONTROLLER_H

#include "shell/I_SoundController.h"

namespace Sound {

// The silent back end used when no audio output could be opened: every set-up
// call succeeds, nothing is ever playing, everything else does nothing.
class NullSoundController : public I_SoundController {
public:
    ~NullSoundController() override;

    bool init() override;
    bool addSource(int source, bool loop) override;
    bool load(int sound, const std::string& file) override;
    void play(int source, int sound, int volume, int pitch) override;
    void pause(int source) override;
    void resume(int source) override;
    void stop(int source) override;
    bool isPlaying(int source) override;
    void setVolume(int source, int volume) override;
    void shutdown() override;
};

} // namespace Sound

#endif
