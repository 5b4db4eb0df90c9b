#ifndef SAL_SALCONTROLLER_H
#define SAL_SALCONTROLLER_H

#include <string>
#include <vector>

#include "shell/I_SoundController.h"

namespace SAL {

// The sound back end over OpenAL: one OpenAL source per channel and one buffer
// per sound, holding the whole decoded file (music too; nothing is streamed).
// The decoder follows the file's extension, compared case-sensitively: "wav",
// "ogg", and "xm", "it", "s3m", "mod" for modules. main owns it; the sound
// manager is its only user.
class salController : public Sound::I_SoundController {
public:
    salController();
    // Deletes the sources and buffers, then the context, and closes the device.
    ~salController() override;

    salController(const salController&) = delete;
    salController& operator=(const salController&) = delete;

    // Opens the default device; false when there is none (no sound card).
    bool init() override;
    // Opens an output that plays nothing by itself instead: render() mixes
    // the next samples when asked (mono floats at `rate` Hz), so what was
    // played can be measured without the wall clock. False when OpenAL lacks
    // such output or the controller is open already; init() then keeps it.
    bool initLoopback(int rate);
    // The next `count` samples of the output opened by initLoopback; none
    // for any other.
    std::vector<float> render(int count);
    bool addSource(int source, bool loop) override;
    // False, with one line on the error stream naming the file and the reason,
    // when no output is open (checked before anything is decoded), the file
    // does not decode or OpenAL refuses the data. The samples go to OpenAL
    // straight from the decoder, which is freed then; a sound loaded again
    // under its id frees the buffer it replaces.
    bool load(int sound, const std::string& file) override;
    // A pitch of 0 or less plays at 100; a negative volume plays at 0.
    void play(int source, int sound, int volume, int pitch) override;
    void pause(int source) override;
    void resume(int source) override;
    void stop(int source) override;
    bool isPlaying(int source) override;
    void setVolume(int source, int volume) override;
    void shutdown() override;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace SAL

#endif
