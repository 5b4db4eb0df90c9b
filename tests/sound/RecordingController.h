#ifndef TESTS_SOUND_RECORDINGCONTROLLER_H
#define TESTS_SOUND_RECORDINGCONTROLLER_H

#include <set>
#include <string>
#include <vector>

#include "shell/I_SoundController.h"

namespace SoundTest {

// A sound controller that writes each call into a log ("addSource 1 loop",
// "load 2 dir/file.wav", "play 1 2 80 100", "stop 1", "setVolume 1 50").
// isPlaying answers from the busy set; init and load answer as set.
class RecordingController : public Sound::I_SoundController {
public:
    bool init() override
    {
        log.push_back("init");
        return initResult;
    }
    bool addSource(int source, bool loop) override
    {
        log.push_back("addSource " + std::to_string(source) + (loop ? " loop" : ""));
        return true;
    }
    bool load(int sound, const std::string& file) override
    {
        log.push_back("load " + std::to_string(sound) + " " + file);
        return file != failingFile;
    }
    void play(int source, int sound, int volume, int pitch) override
    {
        log.push_back("play " + std::to_string(source) + " " + std::to_string(sound) + " " +
                      std::to_string(volume) + " " + std::to_string(pitch));
    }
    void pause(int source) override { log.push_back("pause " + std::to_string(source)); }
    void resume(int source) override { log.push_back("resume " + std::to_string(source)); }
    void stop(int source) override { log.push_back("stop " + std::to_string(source)); }
    bool isPlaying(int source) override { return busy.count(source) != 0; }
    void setVolume(int source, int volume) override
    {
        log.push_back("setVolume " + std::to_string(source) + " " + std::to_string(volume));
    }
    void shutdown() override { log.push_back("shutdown"); }

    // The calls of the given kind ("play", "stop", ...), in order.
    std::vector<std::string> calls(const std::string& kind) const
    {
        std::vector<std::string> found;
        for (const std::string& entry : log)
            if (entry.compare(0, kind.size() + 1, kind + " ") == 0)
                found.push_back(entry);
        return found;
    }

    std::vector<std::string> log;
    std::set<int> busy;
    bool initResult = true;
    std::string failingFile;
};

} // namespace SoundTest

#endif
