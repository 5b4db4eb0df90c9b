#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include "core/FileLimit.h"
#include "core/TextFile.h"
#include "Unprivileged.h"

namespace {

class TextFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/frelmory_textfile_XXXXXX";
        const int fd = mkstemp(pattern);
        ASSERT_GE(fd, 0);
        close(fd);
        path = pattern;
    }
    void TearDown() override { std::remove(path.c_str()); }

    void write(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string read() const
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }

    std::string path;
};

TEST_F(TextFileTest, LoadJoinsLinesWithTheLineEndAndEmptyLinesWithNewline)
{
    struct Case { const char* bytes; const char* lineEnd; const char* text; };
    const Case cases[] = {
        {"A\n\nB\n", "\n", "A\n\nB\n"},
        {"A\n\nB\n", " ", "A \nB "},
        {"A\n\nB", "\n", "A\n\nB\n"},            // no final newline
        {"A\r\n\r\nB\r\n", "\n", "A\n\nB\n"},    // CR-LF reads like LF
        {"A\r\n\r\nB", " ", "A \nB "},
        {"x\ry\n", "|", "x\ry|"},                // a lone CR inside a line stays
        {"\n", "|", "\n"},
        {"A\n\nB", "<>", "A<>\nB<>"},          // a line end longer than the newline
        {"x\r\ny\n\n", "--", "x--y--\n"},
        {"A\r\nB\n\n", "", "AB\n"},            // or none at all
    };
    for (const Case& c : cases) {
        write(c.bytes);
        std::string text;
        EXPECT_TRUE(Files::TextFile::load(path, text, c.lineEnd)) << c.bytes;
        EXPECT_EQ(text, c.text) << c.bytes;
    }
}

TEST_F(TextFileTest, LoadAppendsToWhatTheStringHeld)
{
    write("B\n");
    std::string text = "A;";
    ASSERT_TRUE(Files::TextFile::load(path, text, "\n"));
    EXPECT_EQ(text, "A;B\n");
}

TEST_F(TextFileTest, EmptyMissingAndDirectoryFilesLoadAsFalseAndLeaveTheText)
{
    write("");
    std::string text = "keep";
    EXPECT_FALSE(Files::TextFile::load(path, text, "\n"));
    EXPECT_FALSE(Files::TextFile::load(path + ".missing", text, "\n"));
    EXPECT_FALSE(Files::TextFile::load("/tmp", text, "\n"));
    EXPECT_EQ(text, "keep");
}

TEST_F(TextFileTest, SaveWritesEachLineWithANewlineAndReplacesTheFile)
{
    write("old contents that are longer");
    ASSERT_TRUE(Files::TextFile::save(path, std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(read(), "A\nB\n");

    ASSERT_TRUE(Files::TextFile::save(path, std::string("two\nlines")));
    EXPECT_EQ(read(), "two\nlines\n");

    ASSERT_TRUE(Files::TextFile::save(path, std::string()));
    EXPECT_EQ(read(), "\n");

    ASSERT_TRUE(Files::TextFile::save(path, std::vector<std::string>()));
    EXPECT_EQ(read(), "");
}

TEST_F(TextFileTest, SaveToAnUnwritablePlaceFails)
{
    EXPECT_FALSE(Files::TextFile::save("/nonexistent-dir/file.txt", std::string("x")));
    EXPECT_FALSE(Files::TextFile::save("/tmp", std::vector<std::string>{"x"}));
}

} // namespace

namespace {

// Only regular files within the size limit are read; what would block the
// open (a pipe), never end (a device) or exhaust memory is refused at once,
// with a message naming it, and a missing file is left to its reader. The
// limit itself is still read: the sizes on either side of it are sparse files.
TEST_F(TextFileTest, TheGateAdmitsOnlyRegularFilesWithinTheLimit)
{
    using Files::FileLimit;
    const std::string pipe = path + ".pipe";
    const std::string limit = path + ".limit";
    const std::string large = path + ".large";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(::truncate(path.c_str(), 10), 0);
    for (const std::string& sparse : {limit, large}) {
        std::ofstream(sparse, std::ios::binary) << 'x';
    }
    ASSERT_EQ(::truncate(limit.c_str(), static_cast<off_t>(FileLimit::MAX_BYTES)), 0);
    ASSERT_EQ(::truncate(large.c_str(), static_cast<off_t>(FileLimit::MAX_BYTES + 1)), 0);
    const struct {
        std::string file;
        FileLimit::Verdict verdict;
    } cases[] = {
        {path, FileLimit::FITS},
        {path + ".none", FileLimit::MISSING},
        {"", FileLimit::MISSING},
        {"/dev/zero", FileLimit::NOT_REGULAR},
        {pipe, FileLimit::NOT_REGULAR},
        {"/tmp", FileLimit::NOT_REGULAR},
        {limit, FileLimit::FITS},
        {large, FileLimit::TOO_LARGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(FileLimit::check(c.file), c.verdict);
        ::testing::internal::CaptureStderr();
        std::string text;
        EXPECT_EQ(Files::TextFile::load(c.file, text, "\n"), c.verdict == FileLimit::FITS);
        const std::string message = ::testing::internal::GetCapturedStderr();
        const bool named = message.find("\"" + c.file + "\"") != std::string::npos;
        EXPECT_EQ(named, c.verdict == FileLimit::NOT_REGULAR || c.verdict == FileLimit::TOO_LARGE) << message;
        // read() takes text only from what the gate admits, and tells why it took none.
        std::string readText;
        std::string why;
        ::testing::internal::CaptureStderr();
        const Files::TextFile::Outcome outcome = Files::TextFile::read(c.file, readText, "\n", why);
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(outcome, c.verdict == FileLimit::FITS      ? Files::TextFile::READ
                           : c.verdict == FileLimit::MISSING ? Files::TextFile::MISSING
                                                             : Files::TextFile::REFUSED);
        EXPECT_FALSE(Files::TextFile::reportCutShort(c.file, "The file") && c.verdict != FileLimit::FITS);
    }
    std::remove(pipe.c_str());
    std::remove(limit.c_str());
    std::remove(large.c_str());
}

} // namespace

// read() tells an empty file from one that is there but does not read, so
// that a reader never takes a file it could not read for an empty one.
TEST_F(TextFileTest, ReadTellsWhyNothingWasRead)
{
    const std::string folder = TestSupport::Unprivileged::folder("textfile_read");
    const std::string locked = folder + "/locked";
    std::ofstream(locked) << "--fov 50\n";
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
    write("");
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    const struct {
        std::string file;
        Files::TextFile::Outcome outcome;
    } cases[] = {
        {path, Files::TextFile::EMPTY},
        {path + ".missing", Files::TextFile::MISSING},
        {"", Files::TextFile::MISSING},
        {"/tmp", Files::TextFile::REFUSED},
        {"/dev/zero", Files::TextFile::REFUSED},
        {locked, Files::TextFile::UNREADABLE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const int answer = TestSupport::Unprivileged::run([&c] {
            std::string text = "kept";
            std::string why;
            ::testing::internal::CaptureStderr();
            const Files::TextFile::Outcome outcome = Files::TextFile::read(c.file, text, "\n", why);
            ::testing::internal::GetCapturedStderr();
            const bool whyGiven = (outcome == Files::TextFile::UNREADABLE) == !why.empty();
            return outcome == c.outcome && text == "kept" && whyGiven ? 0 : 1 + static_cast<int>(outcome);
        });
        EXPECT_EQ(answer, 0);
    }
    write("a\r\nb");
    std::string text;
    std::string why;
    EXPECT_EQ(Files::TextFile::read(path, text, " ", why), Files::TextFile::READ);
    EXPECT_EQ(text, "a b ");
    std::remove(locked.c_str());
    ::rmdir(folder.c_str());
}

// A save killed before its rename leaves a temporary file; the next save
// removes those of its own name that no save in progress can still own.
TEST_F(TextFileTest, ASaveRemovesTheStaleTemporaryFilesOfItsName)
{
    const std::string stale = path + ".Ab12Cd";
    const std::string fresh = path + ".Xy34Zw";
    const std::string other = path + "x.Ab12Cd";
    for (const std::string& name : {stale, fresh, other})
        std::ofstream(name) << "half a save";
    const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimes(stale.c_str(), hourAgo), 0);
    ASSERT_EQ(::utimes(other.c_str(), hourAgo), 0);
    ASSERT_TRUE(Files::TextFile::save(path, std::string("whole")));
    EXPECT_NE(::access(stale.c_str(), F_OK), 0);
    EXPECT_EQ(::access(fresh.c_str(), F_OK), 0) << "another game's save may still be writing it";
    EXPECT_EQ(::access(other.c_str(), F_OK), 0) << "another file's";
    EXPECT_EQ(read(), "whole\n");
    std::remove(fresh.c_str());
    std::remove(other.c_str());
}
