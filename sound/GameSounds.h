#ifndef SOUNDMAKER_GAMESOUNDS_H
#define SOUNDMAKER_GAMESOUNDS_H

#include <string>

namespace SoundMaker {

// The game's own music and effects, composed here and written into a folder:
// title.ogg and game.mod (music that loops cleanly), win.ogg and die.ogg
// (jingles), and the effects grab, release, throw_rock, snowman_fall,
// carrot_smash, snowman_smash and rock_hit (.wav).
class GameSounds {
public:
    // Writes every file into the folder (which must exist); false, with one
    // line on the error stream, when a file cannot be written.
    static bool writeAll(const std::string& folder);

private:
    static bool writeMusic(const std::string& folder);
    static bool writeJingles(const std::string& folder);
    static bool writeEffects(const std::string& folder);
    static bool check(bool written, const std::string& path);
};

} // namespace SoundMaker

#endif
