// frelmory-module-render FILE RATE DEPTH CHANNELS: renders one tracker module
// to the standard output as raw samples. The game runs it for a song whose
// render might never end, so that it can stop the render without harm to
// itself (see Media::MODFile).
#include "sound/MODFile.h"

#include <cstdlib>
#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: " << argv[0] << " FILE RATE DEPTH CHANNELS" << std::endl;
        return Media::MODFile::RENDER_FAILED;
    }
    return Media::MODFile::renderTo(STDOUT_FILENO, argv[1], std::atol(argv[2]), std::atoi(argv[3]),
                                    std::atoi(argv[4]));
}
