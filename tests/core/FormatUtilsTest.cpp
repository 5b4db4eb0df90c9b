#include <gtest/gtest.h>

#include "core/FormatUtils.h"

namespace {

TEST(CapitaliseSentences, RaisesTheFirstLetterOfEachSentence)
{
    EXPECT_EQ(Format::capitaliseSentences("hello. world! 3.5 apples? yes"), "Hello. World! 3.5 Apples? Yes");
    EXPECT_EQ(Format::capitaliseSentences("...and"), "...And");
    EXPECT_EQ(Format::capitaliseSentences("\"ok\" Then. \xe9t\xe9 b"), "\"Ok\" Then. \xe9T\xe9 b");
    EXPECT_EQ(Format::capitaliseSentences(""), "");
}

TEST(AsString, JoinsLinesAndPages)
{
    EXPECT_EQ(Format::asString(std::vector<std::string>()), "");
    EXPECT_EQ(Format::asString(std::vector<std::string>{"a", ""}), "a\n\n");
    const std::vector<std::vector<std::string>> pages{{"x", "y"}, {"z"}};
    EXPECT_EQ(Format::asString(pages, ""), "x\ny\nz\n");
    EXPECT_EQ(Format::asString(pages, "--"), "x\ny\n--z\n--");
}

TEST(Padto, SpreadsGapsLeftToRightByTheRunningCarry)
{
    struct Case { const char* text; unsigned int width; const char* padded; };
    const Case cases[] = {
        {"a b c d", 12, "a  b   c  d"},              // float carry ends one column short
        {"aa bb cc dd", 15, "aa  bb  cc   dd"},
        {"a b c", 8, "a  b   c"},                    // 3 extra over 2 gaps: 1 then 2
        {"The quick brown fox", 20, "The quick brown  fox"},
        {"exact fit", 9, "exact fit"},
        {"  single  ", 20, "  single  "},            // one word stays as it is
        {"   ", 10, ""},
        {"", 10, ""},
        {" lead  and trail ", 20, "lead  and   trail"},  // outer blanks count as room
    };
    for (const Case& c : cases) EXPECT_EQ(Format::padto(c.text, c.width), c.padded) << c.text;
}

TEST(Padto, TextLongerThanTheWidthComesBackUnchanged)
{
    // The unsigned width difference would otherwise ask for billions of blanks.
    EXPECT_EQ(Format::padto("far too long for it", 5), "far too long for it");
    EXPECT_EQ(Format::padto("x y", 0), "x y");
}

} // namespace

TEST(Printable, EscapesWhatATerminalWouldActOnAndKeepsTheRest)
{
    const std::pair<std::string, std::string> cases[] = {
        {"plain/path name.cfg", "plain/path name.cfg"},
        {"a\nb\rc\td", "a\\nb\\rc\\td"},
        {std::string("\x1b[2J\x07", 5) + std::string(1, '\0') + "\x7f", "\\x1b[2J\\x07\\x00\\x7f"},
        {"\xc2\x9b" "31m", "\\xc2\\x9b31m"},
        {"caf\xc3\xa9 \xc2\xa0", "caf\xc3\xa9 \xc2\xa0"},
        {"\xc2", "\xc2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format::printable(c.first), c.second);
}
