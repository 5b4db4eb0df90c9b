#ifndef KWEP_SOUNDPRELOADER_H
#define KWEP_SOUNDPRELOADER_H

#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "shell/I_SoundController.h"

namespace KWEP {

// Decodes every sound of the sound configuration on a thread of its own while
// the window and its GL context open, then stands in for the controller it
// wraps. The thread opens the controller and loads the files in the order
// the configuration lists them, stopping at the first module that may render
// in a helper process (left to the game thread); a MOD that renders in this
// process loads on the thread like the rest. A file that fails is
// left out with its message naming it, as a load from the game thread would
// be, and the rest go on. Every call joins the
// thread first, so the wrapped controller is only ever used by one thread at
// a time. A load answers what the early load of that file answered; a file
// the thread did not load is loaded then. Sound numbers are translated to the
// controller's own.
class SoundPreloader : public Sound::I_SoundController {
public:
    // Starts the thread over the files named by the configuration file.
    SoundPreloader(std::unique_ptr<Sound::I_SoundController> controller, const std::string& configFile);
    // Joins the thread, then the wrapped controller goes.
    ~SoundPreloader() override;

    SoundPreloader(const SoundPreloader&) = delete;
    SoundPreloader& operator=(const SoundPreloader&) = delete;

    // The paths of the sounds the configuration file lists, in its order.
    static std::vector<std::string> soundFiles(const std::string& configFile);

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

private:
    struct Early {
        std::string file;
        int sound;
        bool loaded;
        bool claimed;
    };

    void preload();
    Sound::I_SoundController* ready();

    std::unique_ptr<Sound::I_SoundController> m_controller;
    std::vector<Early> m_early;
    bool m_opened = false;
    bool m_initAnswered = false;
    int m_nextSound = 1;
    // Sound numbers of the caller to those of the wrapped controller.
    std::map<int, int> m_sounds;
    std::thread m_thread;
};

} // namespace KWEP

#endif
