#include <gtest/gtest.h>

#include <string>

#include "FileText.h"
#include "sound/OGGFile.h"

namespace {

// The stream in memory decodes to the very samples of the file, and a cut or
// foreign stream is refused the same way.
TEST(OGGMemory, DecodesAsFromTheFileAndRefusesDamagedStreams)
{
    const std::string path = FRELMORY_SOURCE_DIR "/data/Sounds/win.ogg";
    Media::OGGFile fromFile(path.c_str());
    ASSERT_TRUE(fromFile.load()) << fromFile.getError();
    const std::string bytes = FuzzTest::readFile(path);
    Media::OGGFile fromMemory("");
    ASSERT_TRUE(fromMemory.loadFromMemory(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
        << fromMemory.getError();
    EXPECT_EQ(fromMemory.getData(), fromFile.getData());
    EXPECT_EQ(fromMemory.getRate(), fromFile.getRate());
    EXPECT_EQ(fromMemory.getNumChannels(), fromFile.getNumChannels());

    const std::string text = FuzzTest::readFile(FRELMORY_SOURCE_DIR "/KWEP.cfg");
    Media::OGGFile foreign("");
    EXPECT_FALSE(foreign.loadFromMemory(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
    EXPECT_FALSE(foreign.getError().empty());
    const std::string half = bytes.substr(0, bytes.size() / 2);
    Media::OGGFile cut("");
    EXPECT_FALSE(cut.loadFromMemory(reinterpret_cast<const unsigned char*>(half.data()), half.size()));
    EXPECT_NE(cut.getError().find("cut short"), std::string::npos) << cut.getError();
    Media::OGGFile none("");
    EXPECT_FALSE(none.loadFromMemory(nullptr, 0));
}

} // namespace
