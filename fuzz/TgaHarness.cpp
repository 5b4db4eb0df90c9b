#include "fuzz/Harness.h"

#include "core/TGA.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

// A TGA picture read as the textures are, and widened to RGBA as the
// texture loader does with 24-bit pictures.
int fuzzTga(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("picture.tga", data, size);
    unsigned int width = 0, height = 0, bits = 0;
    unsigned char* pixels = nullptr;
    if (!Media::TGA::loadFromFile(file.path().c_str(), &width, &height, &bits, &pixels))
        return 0;
    if (bits == 24)
        delete[] Media::TGA::RGBtoRGBA(pixels, width, height);
    delete[] pixels;
    return 0;
}

} // namespace Fuzz
