#ifndef GAME_OPTIONKEY_H
#define GAME_OPTIONKEY_H

namespace Game {

// Every key of the option store (I_Config), the shell's and the game's
// alike, so that no two meanings can share a number. The numbers stay as
// they are: the options-change event (21) carries them.
//
// key  type              shell default  meaning
//  0   int               14       diagnostic flags (see I_Config::getDebugFlags)
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
// Keys 27 to 29 are registered by the game's own configuration
// (KWEP::Config), not by the shell:
//
// 27   float             0.5      sensitivity (stored, saved and shown only)
// 28   float             4.0      tilt
// 29   bool              true     line smoothing
//
// The arrays of keys 13 to 18 are registered by their first element, so
// getFloatPtr(OPTION_DIRECTION_SPEED)[2] is the fast direction speed.
enum OptionKey {
    OPTION_DEBUG_FLAGS = 0,
    OPTION_VSYNC = 1,
    OPTION_UNUSED = 2,
    OPTION_SHOW_FRAME_RATE = 3,
    OPTION_CLEAR_COLOUR = 4,
    OPTION_WINDOW_WIDTH = 5,
    OPTION_WINDOW_HEIGHT = 6,
    OPTION_FULLSCREEN = 7,
    OPTION_REVERSE_Y = 8,
    OPTION_MENU_FOV = 9,
    OPTION_PLAY_FOV = 10,
    OPTION_NEAR_PLANE = 11,
    OPTION_FAR_PLANE = 12,
    OPTION_DIRECTION_SPEED = 13,
    OPTION_ROLL_SPEED = 14,
    OPTION_SIDE_SPEED = 15,
    OPTION_UP_SPEED = 16,
    OPTION_YAW_SPEED = 17,
    OPTION_PITCH_SPEED = 18,
    OPTION_MUSIC_ON = 19,
    OPTION_EFFECTS_ON = 20,
    OPTION_MUSIC_VOLUME = 21,
    OPTION_EFFECTS_VOLUME = 22,
    OPTION_OPTIONS_FILE = 23,
    OPTION_MENU_PROFILE = 24,
    OPTION_GAME_PROFILE = 25,
    OPTION_AUTO_PAUSE = 26,
    OPTION_SENSITIVITY = 27,
    OPTION_TILT = 28,
    OPTION_SMOOTH = 29,
    // The highest key in use.
    OPTION_LAST = OPTION_SMOOTH
};

} // namespace Game

#endif
