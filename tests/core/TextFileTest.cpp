#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "core/TextFile.h"

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
    EXPECT_EQ(Files::TextFile::size(path), 0);
    EXPECT_EQ(Files::TextFile::size(path + ".missing"), 0);
    EXPECT_EQ(Files::TextFile::size("/tmp"), 0);
}

TEST_F(TextFileTest, SaveWritesEachLineWithANewlineAndReplacesTheFile)
{
    write("old contents that are longer");
    ASSERT_TRUE(Files::TextFile::save(path, std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(read(), "A\nB\n");
    EXPECT_EQ(Files::TextFile::size(path), 4);

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
