#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/OGGFile.h"

namespace {

std::vector<unsigned char> bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The stream in memory decodes to the very samples of the file, and a cut or
// foreign stream is refused the same way.
TEST(OGGMemory, DecodesAsFromTheFileAndRefusesDamagedStreams)
{
    const std::string path = FRELMORY_SOURCE_DIR "/data/Sounds/win.ogg";
    Media::OGGFile fromFile(path.c_str());
    ASSERT_TRUE(fromFile.load()) << fromFile.getError();
    const std::vector<unsigned char> bytes = bytesOf(path);
    Media::OGGFile fromMemory("");
    ASSERT_TRUE(fromMemory.loadFromMemory(bytes.data(), bytes.size())) << fromMemory.getError();
    EXPECT_EQ(fromMemory.getData(), fromFile.getData());
    EXPECT_EQ(fromMemory.getRate(), fromFile.getRate());
    EXPECT_EQ(fromMemory.getNumChannels(), fromFile.getNumChannels());

    const std::vector<unsigned char> text = bytesOf(FRELMORY_SOURCE_DIR "/KWEP.cfg");
    Media::OGGFile foreign("");
    EXPECT_FALSE(foreign.loadFromMemory(text.data(), text.size()));
    EXPECT_FALSE(foreign.getError().empty());
    Media::OGGFile none("");
    EXPECT_FALSE(none.loadFromMemory(nullptr, 0));
}

} // namespace
