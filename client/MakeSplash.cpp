// make-splash FILE: draws the splash picture and writes it as a TGA file.
#include <cstdio>

#include "client/SplashPicture.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-splash FILE.tga\n");
        return 1;
    }
    if (!KWEP::SplashPicture().save(argv[1])) {
        std::fprintf(stderr, "make-splash: %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
