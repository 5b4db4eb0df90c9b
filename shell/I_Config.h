#ifndef GAME_I_CONFIG_H
#define GAME_I_CONFIG_H

#include "core/KeyPtrMapper.h"

#include <functional>
#include <string>

namespace Game {

// The player's options as typed members, each registered under a fixed key
// and read everywhere through the typed pointer of its key, dereferenced on
// every use; a change made through a pointer is announced with event 21.
//
// key  type              default  meaning
//  0   int               14       diagnostic flags (see getDebugFlags)
//  1   bool              true     vertical sync
//  2   bool              false    read by nothing
//  3   bool              false    frame rate in the window title
//  4   unsigned long     0        clear colour, 0xRRGGBBAA
//  5,6 int               640,480  window width, height in pixels
//  7   bool              false    full screen
//  8   bool              false    reverse the vertical axis
//  9   float             33.0     field of view in the menus, degrees
// 10   float             33.0     field of view in play, degrees
// 11   float             1.0      near plane distance
// 12   float             50000.0  far plane distance
// 13   float[3]          zeros    direction speed of movable items, per ms:
//                                 element 1 normally, element 2 in fast mode
// 14-18 float[2] each    zeros    roll, side, up, yaw, pitch speeds, per ms:
//                                 element 0 normally, element 1 in fast mode
// 19   bool              true     music on
// 20   bool              true     sound effects on
// 21   unsigned int      80       music volume, per cent
// 22   unsigned int      100      effects volume, per cent
// 23   std::string       ""       options file
// 24   std::string       ""       menu input-profile file
// 25   std::string       ""       game input-profile file
// 26   int               0        auto-pause time, seconds
//
// The arrays of keys 13 to 18 are registered by their first element, so
// getFloatPtr(13)[2] is the fast direction speed. The game derives its own
// configuration, which sets other defaults, registers further keys and fills
// the options in initialise. The owner (the game root) deletes the object.
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
    int m_debugFlags;        // key 0
    bool m_vsync;            // key 1
    bool m_fps;              // key 3
    bool m_unused;           // key 2
    unsigned long m_clearColour; // key 4
    int m_width;             // key 5
    int m_height;            // key 6
    bool m_fullScreen;       // key 7
    bool m_reverseY;         // key 8
    float m_menuFov;         // key 9
    float m_playFov;         // key 10
    float m_nearPlane;       // key 11
    float m_farPlane;        // key 12
    float m_directionSpeed[3]; // key 13
    float m_rollSpeed[2];    // key 14
    float m_sideSpeed[2];    // key 15
    float m_upSpeed[2];      // key 16
    float m_yawSpeed[2];     // key 17
    float m_pitchSpeed[2];   // key 18
    bool m_music;            // key 19
    bool m_effects;          // key 20
    unsigned int m_musicVolume;   // key 21
    unsigned int m_effectsVolume; // key 22
    std::string m_optionsFile;    // key 23
    std::string m_menuInputFile;  // key 24
    std::string m_gameInputFile;  // key 25
    int m_autoPause;         // key 26
};

} // namespace Game

#endif
