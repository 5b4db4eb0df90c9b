#ifndef KWEP_THEGAME_H
#define KWEP_THEGAME_H

#include <string>
#include <vector>

#include "shell/I_Game.h"

namespace KWEP {

class Config;
class World;

// The game's root: the shell's game root with the game's options. Building it
// reads the options file and the command line. It never ends the process:
// when the options say the game must not run ("--help" was shown, or a flag
// or the options file is not valid) isReady() answers false and getExitCode()
// says how the program ends (0 after the help, 2 for an invalid line, whose
// message is already on the error stream).
class TheGame : public Game::I_Game {
public:
    enum ExitCode {
        EXIT_OK = 0,
        EXIT_FAILED = 1,  // a missing or unreadable file, no window, a bad level
        EXIT_INVALID = 2  // the command line or the options file is not valid
    };

    TheGame(int* argc, char** argv);
    ~TheGame() override;

    TheGame(const TheGame&) = delete;
    TheGame& operator=(const TheGame&) = delete;

    // The one game object; null before it is made and after it is destroyed.
    static TheGame* instance();

    // The game root's world as the game's world; null when there is none.
    World* getWorld() const;
    // The game's option keys.
    Config* getClientConfig() const;

    // Whether the options were accepted, so the game may start.
    bool isReady() const;
    int getExitCode() const;
    // Records how the program must end; the first failure is kept.
    void setExitCode(int code);
    // argv[0], for messages; "frelmory" when there is none.
    const std::string& getProgramName() const;

    // The ids of the current level's player items.
    std::vector<unsigned long>& getPlayerIds();

private:
    struct Impl;
    Impl* m_impl;
};

// The one game object (see TheGame::instance).
extern TheGame* g_pInstance;

} // namespace KWEP

#endif
