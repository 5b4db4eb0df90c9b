#include "core/TGA.h"

#include "core/FileLimit.h"

#include <cstddef>
#include <cstring>
#include <fstream>
#include <vector>

namespace Media {

namespace {

const std::size_t k_headerSize = 18;
const unsigned int k_maxDimension = 0xFFFF;
// The largest image the game takes: 8192 x 8192 pixels.
const std::size_t k_maxPixels = 8192u * 8192u;

// Header fields by byte offset.
enum HeaderOffset {
    ID_LENGTH = 0,
    COLOUR_MAP_TYPE = 1,
    IMAGE_TYPE = 2,
    WIDTH = 12,
    HEIGHT = 14,
    DEPTH = 16,
    DESCRIPTOR = 17
};

const unsigned char k_descriptorTopFirst = 0x20;

unsigned int readWord(const unsigned char* header, int offset) {
    return header[offset] | (header[offset + 1] << 8);
}

bool supportedDepth(unsigned int bitsPerPixel) {
    return bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

// File byte order and memory byte order differ by a swap of red and blue; the
// same table turns either into the other: for each destination byte its source.
void swapPixelData(const unsigned char* from, unsigned char* to, std::size_t pixels,
                   unsigned int bytesPerPixel) {
    static const unsigned int l_copyOffsets[5][4] = {
        {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {2, 1, 0, 0}, {2, 1, 0, 3}};
    const unsigned int* offsets = l_copyOffsets[bytesPerPixel];
    for (std::size_t p = 0; p < pixels; ++p, from += bytesPerPixel, to += bytesPerPixel)
        for (unsigned int b = 0; b < bytesPerPixel; ++b)
            to[b] = from[offsets[b]];
}

bool readBytes(std::ifstream& in, unsigned char* to, std::size_t count) {
    in.read(reinterpret_cast<char*>(to), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount()) == count;
}

std::size_t bytesLeft(std::ifstream& in) {
    std::streampos here = in.tellg();
    in.seekg(0, std::ios::end);
    std::streampos end = in.tellg();
    in.seekg(here);
    return end > here ? static_cast<std::size_t>(end - here) : 0;
}

// The fewest file bytes that can hold the pixel data, so a header that
// promises more than the file holds is refused before anything is allocated.
std::size_t minimumDataBytes(std::size_t pixels, unsigned int bytesPerPixel, bool runLength) {
    if (!runLength)
        return pixels * bytesPerPixel;
    return (pixels + 127) / 128 * (1 + bytesPerPixel);
}

// Decodes run-length packets until the image is full. A packet that runs past
// the last pixel is cut at the image's end.
bool readRunLength(std::ifstream& in, unsigned char* block, std::size_t pixels, unsigned int bytesPerPixel) {
    unsigned char pixel[4];
    std::size_t done = 0;
    while (done < pixels) {
        unsigned char packet = 0;
        if (!readBytes(in, &packet, 1))
            return false;
        std::size_t count = (packet & 0x7F) + 1u;
        if (count > pixels - done)
            count = pixels - done;
        unsigned char* to = block + done * bytesPerPixel;
        if (packet & 0x80) {
            if (!readBytes(in, pixel, bytesPerPixel))
                return false;
            for (std::size_t i = 0; i < count; ++i)
                std::memcpy(to + i * bytesPerPixel, pixel, bytesPerPixel);
        } else if (!readBytes(in, to, count * bytesPerPixel))
            return false;
        done += count;
    }
    return true;
}

void flipRows(unsigned char* block, unsigned int width, unsigned int height, unsigned int bytesPerPixel) {
    std::size_t rowBytes = static_cast<std::size_t>(width) * bytesPerPixel;
    if (rowBytes == 0)
        return;
    std::vector<unsigned char> row(rowBytes);
    for (unsigned int i = 0; i < height / 2; ++i) {
        unsigned char* a = block + i * rowBytes;
        unsigned char* b = block + (height - 1 - i) * rowBytes;
        std::memcpy(row.data(), a, rowBytes);
        std::memcpy(a, b, rowBytes);
        std::memcpy(b, row.data(), rowBytes);
    }
}

} // namespace

bool TGA::loadFromFile(const char* fileName, unsigned int* width, unsigned int* height,
                       unsigned int* bitsPerPixel, unsigned char** data) {
    if (!data)
        return false;
    *data = nullptr;
    if (!fileName || !width || !height || !bitsPerPixel)
        return false;
    if (!Files::FileLimit::admit(fileName))
        return false;
    std::ifstream in(fileName, std::ios::in | std::ios::binary);
    if (!in)
        return false;

    unsigned char header[k_headerSize];
    if (!readBytes(in, header, k_headerSize))
        return false;
    in.ignore(header[ID_LENGTH]);
    if (in.gcount() != header[ID_LENGTH])
        return false;

    unsigned int depth = header[DEPTH];
    unsigned int alphaBits = header[DESCRIPTOR] & 0x0F;
    if (header[COLOUR_MAP_TYPE] == 1 || !supportedDepth(depth) || (alphaBits != 0 && alphaBits != 8))
        return false;

    *width = readWord(header, WIDTH);
    *height = readWord(header, HEIGHT);
    *bitsPerPixel = depth;
    unsigned int bytesPerPixel = depth / 8;
    std::size_t pixels = static_cast<std::size_t>(*width) * *height;
    // A run-length image can claim far more pixels than its file holds bytes.
    if (pixels > k_maxPixels)
        return false;
    bool runLength = header[IMAGE_TYPE] == 10 || header[IMAGE_TYPE] == 11;
    if (bytesLeft(in) < minimumDataBytes(pixels, bytesPerPixel, runLength))
        return false;

    std::vector<unsigned char> fileOrder(pixels * bytesPerPixel);
    bool read = runLength ? readRunLength(in, fileOrder.data(), pixels, bytesPerPixel)
                          : readBytes(in, fileOrder.data(), fileOrder.size());
    if (!read)
        return false;

    if (header[DESCRIPTOR] & k_descriptorTopFirst)
        flipRows(fileOrder.data(), *width, *height, bytesPerPixel);

    *data = new unsigned char[fileOrder.size()];
    swapPixelData(fileOrder.data(), *data, pixels, bytesPerPixel);
    return true;
}

bool TGA::saveToFile(const char* fileName, unsigned int width, unsigned int height, unsigned int bitsPerPixel,
                     const unsigned char* data) {
    // Everything that can be refused is refused before the file is opened, so
    // an existing file is never truncated by a save that cannot succeed.
    if (!fileName || !supportedDepth(bitsPerPixel) || width > k_maxDimension || height > k_maxDimension)
        return false;
    std::size_t pixels = static_cast<std::size_t>(width) * height;
    if (!data && pixels > 0)
        return false;

    std::ofstream out(fileName, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out)
        return false;

    unsigned char header[k_headerSize] = {};
    header[IMAGE_TYPE] = bitsPerPixel == 8 ? 3 : 2;
    header[WIDTH] = width & 0xFF;
    header[WIDTH + 1] = (width >> 8) & 0xFF;
    header[HEIGHT] = height & 0xFF;
    header[HEIGHT + 1] = (height >> 8) & 0xFF;
    header[DEPTH] = static_cast<unsigned char>(bitsPerPixel);
    header[DESCRIPTOR] = 8;

    unsigned int bytesPerPixel = bitsPerPixel / 8;
    std::vector<unsigned char> fileOrder(pixels * bytesPerPixel);
    if (pixels > 0)
        swapPixelData(data, fileOrder.data(), pixels, bytesPerPixel);

    out.write(reinterpret_cast<const char*>(header), k_headerSize);
    out.write(reinterpret_cast<const char*>(fileOrder.data()),
              static_cast<std::streamsize>(fileOrder.size()));
    out.close();
    return !out.fail();
}

unsigned char* TGA::RGBtoRGBA(const unsigned char* data, unsigned int width, unsigned int height) {
    if (!data)
        return nullptr;
    std::size_t pixels = static_cast<std::size_t>(width) * height;
    unsigned char* rgba = new unsigned char[pixels * 4];
    for (std::size_t p = 0; p < pixels; ++p) {
        rgba[p * 4] = data[p * 3];
        rgba[p * 4 + 1] = data[p * 3 + 1];
        rgba[p * 4 + 2] = data[p * 3 + 2];
        rgba[p * 4 + 3] = 255;
    }
    return rgba;
}

} // namespace Media
