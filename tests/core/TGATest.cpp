#include <gtest/gtest.h>

#include "TempFolder.h"
#include "NotRegularFiles.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/TGA.h"

namespace {

typedef std::vector<unsigned char> Bytes;

// The files of this test process's test, in a folder of its own that goes
// when the process ends.
std::string tempPath(const std::string& name) {
    static const TestSupport::TempFolder l_folder("tga");
    return l_folder.file(name);
}

Bytes header(unsigned char type, unsigned int width, unsigned int height, unsigned char depth,
             unsigned char descriptor, unsigned char idLength = 0, unsigned char colourMap = 0) {
    Bytes h(18, 0);
    h[0] = idLength;
    h[1] = colourMap;
    h[2] = type;
    h[12] = width & 0xFF;
    h[13] = width >> 8;
    h[14] = height & 0xFF;
    h[15] = height >> 8;
    h[16] = depth;
    h[17] = descriptor;
    return h;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string writeFile(const std::string& name, const Bytes& bytes) {
    std::string path = tempPath(name);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Loaded {
    bool ok = false;
    unsigned int width = 0, height = 0, bits = 0;
    Bytes pixels;
    bool dataNull = true;
};

Loaded load(const std::string& path) {
    Loaded r;
    unsigned char* data = reinterpret_cast<unsigned char*>(&r); // must be reset by the loader
    r.ok = Media::TGA::loadFromFile(path.c_str(), &r.width, &r.height, &r.bits, &data);
    r.dataNull = data == nullptr;
    if (data) {
        r.pixels.assign(data, data + r.width * r.height * r.bits / 8);
        delete[] data;
    }
    return r;
}

struct LoadCase {
    const char* name;
    Bytes file;
    unsigned int width, height, bits;
    Bytes pixels; // memory order, bottom row first
};

// Two rows of two pixels; the file stores blue, green, red(, alpha).
const Bytes k_rowA24 = {1, 2, 3, 4, 5, 6};
const Bytes k_rowB24 = {7, 8, 9, 10, 11, 12};
const Bytes k_rowA24Rgb = {3, 2, 1, 6, 5, 4};
const Bytes k_rowB24Rgb = {9, 8, 7, 12, 11, 10};

} // namespace

TEST(TGA, LoadsSupportedLayouts) {
    const LoadCase cases[] = {
        {"bottom_origin_24", header(2, 2, 2, 24, 0) + k_rowA24 + k_rowB24, 2, 2, 24,
         k_rowA24Rgb + k_rowB24Rgb},
        {"top_origin_24", header(2, 2, 2, 24, 0x20) + k_rowA24 + k_rowB24, 2, 2, 24,
         k_rowB24Rgb + k_rowA24Rgb},
        {"image_id_skipped", header(2, 2, 1, 24, 0, 3) + Bytes{99, 99, 99} + k_rowA24, 2, 1, 24, k_rowA24Rgb},
        {"odd_height_top_origin", header(3, 1, 3, 8, 0x20) + Bytes{1, 2, 3}, 1, 3, 8, {3, 2, 1}},
        {"alpha_32", header(2, 1, 1, 32, 8) + Bytes{10, 20, 30, 40}, 1, 1, 32, {30, 20, 10, 40}},
        {"grey_8", header(3, 2, 1, 8, 0) + Bytes{5, 6}, 2, 1, 8, {5, 6}},
        {"run_length_24", header(10, 7, 1, 24, 0) + Bytes{0x83, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         7, 1, 24, Bytes{3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1} + Bytes{6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {"run_length_grey", header(11, 3, 1, 8, 0) + Bytes{0x81, 7, 0x00, 9}, 3, 1, 8, {7, 7, 9}},
        {"repeat_packet_cut_at_image_end",
         header(10, 2, 1, 24, 0) + Bytes{0x85, 1, 2, 3},
         2,
         1,
         24,
         {3, 2, 1, 3, 2, 1}},
        {"raw_packet_cut_at_image_end", header(11, 2, 1, 8, 0) + Bytes{0x03, 1, 2, 3, 4}, 2, 1, 8, {1, 2}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded r = load(writeFile(c.name, c.file));
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(c.width, r.width);
        EXPECT_EQ(c.height, r.height);
        EXPECT_EQ(c.bits, r.bits);
        EXPECT_EQ(c.pixels, r.pixels);
    }
}

// count full run-length packets of 128 grey pixels each.
Bytes runLengthPackets(std::size_t count) {
    Bytes packets;
    packets.reserve(count * 5);
    for (std::size_t i = 0; i < count; ++i)
        packets.insert(packets.end(), {0xFF, 9, 9, 9, 255});
    return packets;
}

TEST(TGA, RefusesUnsupportedTruncatedAndOversizedFiles) {
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"depth_16", header(2, 1, 1, 16, 0) + Bytes{1, 2}},
        {"colour_map", header(2, 1, 1, 24, 0, 0, 1) + Bytes{1, 2, 3}},
        {"colour_map_run_length", header(10, 1, 1, 24, 0, 0, 1) + Bytes{0x80, 1, 2, 3}},
        {"three_alpha_bits", header(2, 1, 1, 32, 3) + Bytes{1, 2, 3, 4}},
        {"empty_file", {}},
        {"short_header", Bytes(10, 0)},
        {"short_image_id", header(2, 1, 1, 8, 0, 200) + Bytes{1, 2}},
        {"cut_in_pixels", header(2, 2, 2, 24, 0) + k_rowA24},
        {"cut_in_run_length_packet", header(10, 4, 1, 24, 0) + Bytes{0x01, 1, 2, 3}},
        {"cut_after_packet_header", header(10, 2, 1, 24, 0) + Bytes{0x01}},
        {"huge_header_tiny_file", header(2, 0xFFFF, 0xFFFF, 32, 8) + Bytes{1, 2, 3, 4}},
        {"huge_run_length_tiny_file", header(10, 0xFFFF, 0xFFFF, 32, 8) + Bytes{0xFF, 1, 2, 3, 4}},
        // 16385 x 16385 pixels in 2.1 million full packets: a file of 10 MB asking for 1 GB.
        {"run_length_beyond_the_largest_image", header(10, 16385, 16385, 32, 8) + runLengthPackets(2097436)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded r = load(writeFile(c.name, c.file));
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.dataNull);
    }
    EXPECT_FALSE(load(tempPath("does_not_exist")).ok);
    unsigned int w, h, b;
    unsigned char* data = nullptr;
    EXPECT_FALSE(Media::TGA::loadFromFile(nullptr, &w, &h, &b, &data));
}

TEST(TGA, SaveWritesUncompressedFileThatLoadsBack) {
    const struct {
        unsigned int bits;
        unsigned char type;
        Bytes pixels;   // memory order
        Bytes fileData; // expected file order
    } cases[] = {
        {8, 3, {1, 2, 3, 4}, {1, 2, 3, 4}},
        {24, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {32,
         2,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
         {3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12, 15, 14, 13, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        std::string path = tempPath("saved_" + std::to_string(c.bits));
        ASSERT_TRUE(Media::TGA::saveToFile(path.c_str(), 2, 2, c.bits, c.pixels.data()));
        EXPECT_EQ(header(c.type, 2, 2, static_cast<unsigned char>(c.bits), 8) + c.fileData, readFile(path));
        Loaded r = load(path);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(c.pixels, r.pixels);
    }
}

TEST(TGA, RefusedSaveLeavesExistingFileUntouched) {
    const Bytes original = header(3, 1, 1, 8, 0) + Bytes{42};
    std::string path = writeFile("keep_me", original);
    const unsigned char pixels[2] = {1, 2};
    EXPECT_FALSE(Media::TGA::saveToFile(path.c_str(), 1, 1, 16, pixels));
    EXPECT_FALSE(Media::TGA::saveToFile(path.c_str(), 0x10000, 1, 8, pixels));
    EXPECT_FALSE(Media::TGA::saveToFile(path.c_str(), 1, 1, 8, nullptr));
    EXPECT_EQ(original, readFile(path));
    EXPECT_FALSE(Media::TGA::saveToFile(nullptr, 1, 1, 8, pixels));
}

TEST(TGA, RGBtoRGBAAddsOpaqueAlpha) {
    const unsigned char rgb[6] = {10, 20, 30, 40, 50, 60};
    unsigned char* rgba = Media::TGA::RGBtoRGBA(rgb, 2, 1);
    EXPECT_EQ((Bytes{10, 20, 30, 255, 40, 50, 60, 255}), Bytes(rgba, rgba + 8));
    delete[] rgba;
}

// A device, a pipe or a folder is turned away by the file gate, with its
// message, before it is opened.
TEST(TGA, TheGateRefusesWhatIsNoRegularFile) {
    TestSupport::NotRegularFiles others;
    for (const std::string& path : others.paths()) {
        bool loaded = true;
        unsigned int width = 0, height = 0, bits = 0;
        unsigned char* data = nullptr;
        const std::string errors = others.errorsOf(
            [&] { loaded = Media::TGA::loadFromFile(path.c_str(), &width, &height, &bits, &data); });
        EXPECT_FALSE(loaded) << path;
        EXPECT_EQ(data, nullptr) << path;
        EXPECT_NE(errors.find(TestSupport::NotRegularFiles::refusal(path)), std::string::npos) << errors;
    }
}
