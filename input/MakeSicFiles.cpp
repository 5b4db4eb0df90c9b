// Writes the standard input profiles (.sic files) into the folder given on the
// command line (created when missing); the game ships them in data/Config/Input.

#include "input/CreateSicFiles.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace
{
    // Controller numbers of the standard profiles: the game client reads the menu
    // profile into slot 1, the text-page profile into slot 2 and play into slot 3,
    // and switches controllers on and off by these numbers.
    const int MENU_CONTROLLER = 1;
    const int TPAGE_CONTROLLER = 2;
    const int GAME_CONTROLLER = 3;
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " OUTPUT_FOLDER" << std::endl;
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    // The generators write into the working directory.
    std::filesystem::current_path(argv[1], error);
    if (error)
    {
        std::cerr << argv[0] << ": cannot write into " << argv[1] << ": " << error.message() << std::endl;
        return 1;
    }
    KWEP::CreateSicFiles().create(nullptr, MENU_CONTROLLER, TPAGE_CONTROLLER, GAME_CONTROLLER);
    return 0;
}
