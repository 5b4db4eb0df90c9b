#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Pagitizer.h"

namespace {

typedef Format::Pagitizer::Pages Pages;

Pages layout(Format::Style style, int indent, unsigned int width, const std::string& text)
{
    Pages pages;
    Format::Pagitizer pagitizer(style, indent, width);
    pagitizer.format(text, pages);
    return pages;
}

std::string blanks(int n) { return std::string(n, ' '); }

const std::string FOX = "The quick brown fox jumps over the lazy dog";

struct Example
{
    const char* name;
    Format::Style style;
    int indent;
    unsigned int width;
    std::string text;
    Pages pages;
};

TEST(Pagitizer, LaysOutTheWorkedExamples)
{
    const Example examples[] = {
        {"justified", Format::ALIGN_FULL, 0, 20, FOX,
         {{"The quick brown" + blanks(2) + "fox", "jumps over the" + blanks(2) + "lazy", "dog"}, {""}}},
        {"justified with indent", Format::ALIGN_FULL, 2, 20, FOX,
         {{"The quick brown" + blanks(2) + "fox", blanks(2) + "jumps" + blanks(3) + "over" + blanks(3) + "the",
           blanks(2) + "lazy dog"}, {""}}},
        {"indent command", Format::ALIGN_FULL, 0, 20, "<I2> " + FOX,
         {{"The quick brown" + blanks(2) + "fox", blanks(2) + "jumps" + blanks(3) + "over" + blanks(3) + "the",
           blanks(2) + "lazy dog"}, {""}}},
        {"right with indent", Format::ALIGN_RIGHT, 2, 20, FOX,
         {{" The quick brown fox", blanks(4) + "jumps over the", blanks(10) + "lazy dog"}, {""}}},
        {"centred title then left", Format::ALIGN_CENTRE, 0, 20,
         "<AC> Title_of_it <CR> <AL> left text here and more words follow",
         {{blanks(4) + "Title of it", "left text here and", "more words follow"}, {""}}},
        {"long word cut", Format::ALIGN_LEFT, 0, 8, "abcdefghijklmnopqrst x",
         {{"abcdefgh", "ijklmnop", "qrst x"}, {""}}},
        {"paragraphs", Format::ALIGN_FULL, 0, 10, "one\n\ntwo three four five six",
         {{"one"}, {""}, {"two" + blanks(2) + "three", "four" + blanks(2) + "five", "six"}, {""}}},
    };
    for (const Example& e : examples) {
        EXPECT_EQ(layout(e.style, e.indent, e.width, e.text), e.pages) << e.name;
    }
}

TEST(Pagitizer, CommandsAndEdgeCases)
{
    const Example examples[] = {
        {"empty text left", Format::ALIGN_LEFT, 0, 10, "", {{""}, {""}}},
        {"empty text justified", Format::ALIGN_FULL, 0, 10, "", {{""}, {""}}},
        {"empty paragraph right", Format::ALIGN_RIGHT, 0, 6, "\nx", {{blanks(6)}, {blanks(5) + "x"}, {""}}},
        {"empty paragraph centred", Format::ALIGN_CENTRE, 0, 7, "\nx", {{blanks(3)}, {blanks(3) + "x"}, {""}}},
        {"style command at line end", Format::ALIGN_LEFT, 0, 6, "ab cd <AR> ef", {{" ab cd", blanks(4) + "ef"}, {""}}},
        {"P2W mid paragraph leaves last line", Format::ALIGN_LEFT, 0, 10, "aa bb <P2W> cc dd", {{"aa  bb  cc", "dd"}, {""}}},
        {"two-character bracket word shows", Format::ALIGN_LEFT, 0, 10, "<> a", {{"<> a"}, {""}}},
        {"unknown command vanishes", Format::ALIGN_LEFT, 0, 10, "a <XY> b", {{"a b"}, {""}}},
        {"new page inside a paragraph", Format::ALIGN_LEFT, 0, 10, "a <NP> b", {{"a"}, {"b"}, {""}}},
        {"indent equal to width is none", Format::ALIGN_LEFT, 2, 6, "<I6> aaaa bbbb", {{"aaaa", "bbbb"}, {""}}},
        {"indent plus long words", Format::ALIGN_LEFT, 0, 6, "<I4> aaaa bbbb cccc", {{"aaaa", blanks(4) + "bbbb", blanks(4) + "cccc"}, {""}}},
        {"CR at paragraph start", Format::ALIGN_RIGHT, 2, 6, "<CR> ab", {{blanks(6), blanks(2) + "ab"}, {""}}},
        {"underscore in a cut piece", Format::ALIGN_LEFT, 0, 4, "ab_cdef", {{"ab c", "def"}, {""}}},
        {"underscore never breaks", Format::ALIGN_FULL, 0, 10, "a b_c_d e f", {{"a b c d  e", "f"}, {""}}},
        {"tabs belong to words", Format::ALIGN_LEFT, 0, 10, "a\tb c", {{"a\tb c"}, {""}}},
    };
    for (const Example& e : examples) {
        EXPECT_EQ(layout(e.style, e.indent, e.width, e.text), e.pages) << e.name;
    }
}

TEST(Pagitizer, ZeroWidthAndBadIndentsTerminateWithoutRunawayLines)
{
    // No column to place a character in: the words are dropped, the pages stay.
    EXPECT_EQ(layout(Format::ALIGN_LEFT, 0, 0, "abc def\nghi"), (Pages{{""}, {""}, {""}}));
    EXPECT_EQ(layout(Format::ALIGN_FULL, 0, 0, "<CR> x"), (Pages{{"", ""}, {""}}));

    // A negative or missing indent number means no indent.
    const Pages plain{{"aaaa", "bbbb"}, {""}};
    for (const char* command : {"<I-5>", "<I>", "<Ix>", "<I-2147483648>"}) {
        EXPECT_EQ(layout(Format::ALIGN_LEFT, 2, 6, std::string(command) + " aaaa bbbb"), plain) << command;
    }
    EXPECT_EQ(layout(Format::ALIGN_RIGHT, -3, 6, "aaaa bbbb"), (Pages{{blanks(2) + "aaaa", blanks(2) + "bbbb"}, {""}}));
}

TEST(Pagitizer, RecognisesCommandWords)
{
    const Format::Pagitizer pagitizer(Format::ALIGN_LEFT, 0, 10);
    EXPECT_TRUE(pagitizer.isCommand("<A>"));
    EXPECT_FALSE(pagitizer.isCommand("<>"));
    EXPECT_FALSE(pagitizer.isCommand("<AL"));
    EXPECT_FALSE(pagitizer.isCommand("AL>"));
}

TEST(Pagitizer, AppendsToTheCallersPages)
{
    Pages pages{{"before"}};
    Format::Pagitizer pagitizer(Format::ALIGN_LEFT, 0, 10);
    pagitizer.format("x", pages);
    EXPECT_EQ(pages, (Pages{{"before"}, {"x"}, {""}}));
}

TEST(Pagitizer, AVeryLongWordIsCutWithoutDeepRecursion)
{
    const Pages pages = layout(Format::ALIGN_LEFT, 0, 1, std::string(200000, 'w'));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 200000u);
    EXPECT_EQ(pages[0].back(), "w");
}

} // namespace
