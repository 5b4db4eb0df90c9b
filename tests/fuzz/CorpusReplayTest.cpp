#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FileText.h"
#include "fuzz/Harness.h"

namespace {

const std::string CORPUS_DIR = FRELMORY_SOURCE_DIR "/tests/corpus/";

std::vector<std::string> corpusFiles(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            names.push_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<const char*> harnessNames()
{
    std::vector<const char*> names;
    for (const Fuzz::Harness* harness = Fuzz::harnesses(); harness->name != nullptr; ++harness)
        names.push_back(harness->name);
    return names;
}

class CorpusReplay : public ::testing::TestWithParam<const char*> {};

// A fault shows as a sanitizer report, which ends the process; every reader
// must have saved inputs, so a missing folder fails.
TEST_P(CorpusReplay, EverySavedInputReadsCleanly)
{
    const Fuzz::Harness* harness = Fuzz::findHarness(GetParam());
    ASSERT_NE(harness, nullptr);
    const std::string folder = CORPUS_DIR + harness->name + "/";
    const std::vector<std::string> files = corpusFiles(folder);
    ASSERT_FALSE(files.empty()) << folder;
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        const std::string bytes = FuzzTest::readFile(folder + name);
        const std::uint8_t none = 0;
        const std::uint8_t* data = bytes.empty() ? &none : reinterpret_cast<const std::uint8_t*>(bytes.data());
        EXPECT_EQ(harness->run(data, bytes.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, CorpusReplay, ::testing::ValuesIn(harnessNames()),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
