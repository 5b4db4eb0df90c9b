// Writes the game's own music and effects into the folder given on the command
// line (created when missing); the game ships them in data/Sounds.

#include "sound/GameSounds.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_FOLDER" << std::endl;
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    if (error) {
        std::cerr << argv[0] << ": cannot write into " << argv[1] << ": " << error.message() << std::endl;
        return 1;
    }
    return SoundMaker::GameSounds::writeAll(argv[1]) ? 0 : 1;
}
