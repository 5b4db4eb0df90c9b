#include "OptionsFixture.h"

#include <chrono>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/TextFile.h"

namespace {

class OptionsAtomicSaveTest : public OptionsTest::OptionsFixture {
protected:
    void TearDown() override
    {
        // A writer killed mid-save leaves its unfinished temporary file.
        const std::size_t slash = optionsFile.find_last_of('/');
        for (const std::string& name : OptionsTest::filesStartingWith(optionsFile))
            std::remove((optionsFile.substr(0, slash + 1) + name).c_str());
        OptionsFixture::TearDown();
    }

    std::string baseName() const { return optionsFile.substr(optionsFile.find_last_of('/') + 1); }
};

// Killing the writer alone rarely lands inside a write; readers running all
// along see every moment of the replacement.
TEST_F(OptionsAtomicSaveTest, ReadersAndAKilledWriterOnlyEverSeeWholeVersions)
{
    const std::string small = "--fov 40";
    std::string big;
    while (big.size() < 4000000)
        big += "--wsize 1024 768 --music 80 --sfxs 100 --tilt 4 --smooth on\n";
    ASSERT_TRUE(Files::TextFile::save(optionsFile, small));

    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        for (;;) {
            Files::TextFile::save(optionsFile, big);
            Files::TextFile::save(optionsFile, small);
        }
    }
    int smallSeen = 0;
    int bigSeen = 0;
    int torn = 0;
    // Reads until each version has been seen many times, however the writer
    // is scheduled; two minutes only bound a writer that never runs.
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds > 120.0 || (smallSeen >= 20 && bigSeen >= 20))
            break;
        const std::string text = OptionsTest::readFile(optionsFile);
        if (text == small + "\n")
            ++smallSeen;
        else if (text == big + "\n")
            ++bigSeen;
        else
            ++torn;
    }
    ::kill(writer, SIGKILL);
    int status = 0;
    ::waitpid(writer, &status, 0);

    EXPECT_EQ(torn, 0);
    EXPECT_GT(smallSeen, 0);
    EXPECT_GT(bigSeen, 0);
    const std::string last = OptionsTest::readFile(optionsFile);
    EXPECT_TRUE(last == small + "\n" || last == big + "\n") << last.size();
}

TEST_F(OptionsAtomicSaveTest, AGoodSaveLeavesNoTemporaryFileAndKeepsThePermissions)
{
    ASSERT_TRUE(Files::TextFile::save(optionsFile, std::string("one")));
    ASSERT_EQ(::chmod(optionsFile.c_str(), 0640), 0);
    ASSERT_TRUE(Files::TextFile::save(optionsFile, std::vector<std::string>{"two", "lines"}));
    EXPECT_EQ(OptionsTest::readFile(optionsFile), "two\nlines\n");
    EXPECT_EQ(OptionsTest::filesStartingWith(optionsFile), std::vector<std::string>{baseName()});
    struct stat info;
    ASSERT_EQ(::stat(optionsFile.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(OptionsAtomicSaveTest, AFailedSaveLeavesTheOldFileAndNothingBeside)
{
    ASSERT_TRUE(Files::TextFile::save(optionsFile, std::string("old")));
    const std::string asFolder = optionsFile + "/inside";
    EXPECT_FALSE(Files::TextFile::save(asFolder, std::string("new")));
    EXPECT_EQ(OptionsTest::readFile(optionsFile), "old\n");
    EXPECT_EQ(OptionsTest::filesStartingWith(optionsFile), std::vector<std::string>{baseName()});
}

} // namespace
