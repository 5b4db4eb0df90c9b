#ifndef FRELMORY_CORE_TGA_H
#define FRELMORY_CORE_TGA_H

namespace Media {

// Reads and writes TGA images: true colour of 24 or 32 bits and grey of 8 bits,
// uncompressed or run-length encoded. In memory an image is width x height
// pixels, bottom row first, no row padding, channels red-green-blue(-alpha) or
// grey; the block is a new[] array that the caller releases with delete[].
class TGA {
public:
    // On success *data is a new image block and the three numbers are set;
    // on failure *data is null (the numbers are set once the header is accepted).
    static bool loadFromFile(const char* fileName, unsigned int* width, unsigned int* height,
                             unsigned int* bitsPerPixel, unsigned char** data);

    // Writes an uncompressed file; true when all of it was written and closed.
    static bool saveToFile(const char* fileName, unsigned int width, unsigned int height,
                           unsigned int bitsPerPixel, const unsigned char* data);

    // A new width x height x 4 block: each 3-byte pixel followed by alpha 255.
    static unsigned char* RGBtoRGBA(const unsigned char* data, unsigned int width, unsigned int height);
};

} // namespace Media

#endif
