#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "FileText.h"
#include "TempPath.h"
#include "core/Info.h"

namespace {

using FuzzTest::readFile;

std::string writeFile(const std::string& name, const std::string& text)
{
    const std::string path = TestSupport::tempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// An overlay holding the same seventeen lines as its base, each naming the
// one before four times: every reference the overlay expands first asks the
// base, and that question belongs to the same bounded lookup. One lookup
// stays one lookup: "" and a single message, not one per question.
TEST(ReaderFindings, OverlayLookupsInTheBaseShareOneBudget)
{
    const std::string input =
        readFile(FRELMORY_SOURCE_DIR "/tests/corpus/config/overlay_exponential_references.cfg");
    const std::string::size_type mark = input.find("%%\n");
    ASSERT_NE(mark, std::string::npos);
    const std::string basePath = writeFile("base.cfg", input.substr(0, mark));
    const std::string overlayPath = writeFile("overlay.cfg", input.substr(mark + 3));
    CFG::Info base(basePath, nullptr);
    CFG::Info overlay(&base);
    ASSERT_TRUE(overlay.addConfig(overlayPath));

    testing::internal::CaptureStderr();
    EXPECT_EQ(overlay.get("k17"), "");
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), '\n'), 1) << messages.substr(0, 500);
    EXPECT_EQ(overlay.get("k1"), "base valuebase valuebase valuebase value");
    std::remove(basePath.c_str());
    std::remove(overlayPath.c_str());
}

} // namespace
