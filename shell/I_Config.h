#ifndef GAME_I_CONFIG_H
#define GAME_I_CONFIG_H

#include "core/KeyPtrMapper.h"

#include <functional>
#include <string>

namespace Game {

// The player's options as typed members, each registered under a fixed key
// (see OptionKey.h for the keys, their types and defaults) and read
// everywhere through the typed pointer of its key, dereferenced on every use;
// a change made through a pointer is announced with event 21.
//
// The game derives its own configuration, which sets other defaults,
// registers further keys and fills the options in initialise. The owner (the
// game root) deletes the object.
class I_Config : public Util::KeyPtrMapper<int, std::less<int> > {
public:
    I_Config();
    virtual ~I_Config();

    I_Config(const I_Config&) = delete;
    I_Config& operator=(const I_Config&) = delete;

    // Reads the options file and the command line into the options; stores
    // the result as the status and returns it.
    virtual bool initialise(int* argc, char** argv) = 0;

    // The result of initialise; true until initialise has run.
    bool getStatus() const { return m_status; }

    // Flag names: "ERROR" 8, "WARN" 4, "INFO" 2, "DEBUG" 1, "STACK" 16.
    // The set bits named in that order, joined by "+"; other bits are not
    // named, and 0 gives "".
    static std::string getDebugFlags(int flags);
    // "NONE" alone gives 0; otherwise the names between "+" (empty pieces
    // skipped, case and blanks significant), plus "ALL" for 0xffff, are or-ed
    // together and unknown names add nothing.
    static int getDebugFlags(const std::string& text);

protected:
    void setStatus(bool status) { m_status = status; }

private:
    bool m_status;
    int m_debugFlags;
    bool m_vsync;
    bool m_fps;
    bool m_unused;
    unsigned long m_clearColour;
    int m_width;
    int m_height;
    bool m_fullScreen;
    bool m_reverseY;
    float m_menuFov;
    float m_playFov;
    float m_nearPlane;
    float m_farPlane;
    float m_directionSpeed[3];
    float m_rollSpeed[2];
    float m_sideSpeed[2];
    float m_upSpeed[2];
    float m_yawSpeed[2];
    float m_pitchSpeed[2];
    bool m_music;
    bool m_effects;
    unsigned int m_musicVolume;
    unsigned int m_effectsVolume;
    std::string m_optionsFile;
    std::string m_menuInputFile;
    std::string m_gameInputFile;
    int m_autoPause;
};

} // namespace Game

#endif
