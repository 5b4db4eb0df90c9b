#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/Conversions.h"
#include "core/DeleteIt.h"
#include "core/NamedObject.h"

namespace {

const long D = 777;

struct IntCase { const char* text; int base; long expected; };

TEST(StrToNum, ReadsSignedIntegersAndFallsBackToTheDefault)
{
    const IntCase cases[] = {
        {"  \t42", 10, 42},       {"42abc", 10, 42},       {"", 10, D},
        {"   ", 10, D},           {"abc", 10, D},          {"+7", 10, 7},
        {"-7", 10, -7},           {"99999999999", 10, D},  {"0x1F", 16, 31},
        {"0x1F", 0, 31},          {"0x1F", 10, 0},         {"1F", 16, 31},
        {"1F", 10, 1},            {"017", 8, 15},          {"017", 0, 15},
        {"017", 10, 17},          {"2147483647", 10, 2147483647L},
        {"-2147483648", 10, -2147483647L - 1},             {"2147483648", 10, D},
        {"0x", 16, D},            {"-", 10, D},            {"0x", 0, D},
        {"0XG", 16, D},           {"0x", 10, 0},
    };
    for (const IntCase& c : cases) {
        EXPECT_EQ(Util::strToNum<int>(c.text, c.base, static_cast<int>(D)), c.expected) << c.text << " base " << c.base;
        // long keeps the 32-bit range even where the host's long is wider.
        EXPECT_EQ(Util::strToNum<long>(c.text, c.base, D), c.expected) << c.text << " base " << c.base;
    }
}

TEST(StrToNum, LongRefusesValuesBeyondThirtyTwoBits)
{
    EXPECT_EQ(Util::strToNum<long>("80000000", 16, D), D);
    EXPECT_EQ(Util::strToNum<long>("7FFFFFFF", 16, D), 0x7FFFFFFFL);
    EXPECT_EQ(Util::strToNum<long>("-2147483649", 10, D), D);
    EXPECT_EQ(Util::strToNum<long>("4294967296", 10, D), D);
}

TEST(StrToNum, UnsignedTypesRefuseMinusAndThirtyThreeBits)
{
    struct Case { const char* text; int base; unsigned long expected; };
    const unsigned long UD = 5;
    const Case cases[] = {
        {"-1", 10, UD},                 {"-0", 10, UD},
        {"+12", 10, 12},                {"4294967295", 10, 4294967295UL},
        {"4294967296", 10, UD},         {"FFFFFFFF", 16, 4294967295UL},
        {"0xFFFFFFFF", 16, 4294967295UL}, {"100000000", 16, UD},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Util::strToNum<unsigned long>(c.text, c.base, UD), c.expected) << c.text;
        EXPECT_EQ(Util::strToNum<unsigned int>(c.text, c.base, static_cast<unsigned int>(UD)), c.expected) << c.text;
    }
    // The "no value given" default of unsigned options survives a bad text.
    EXPECT_EQ(Util::strToNum<unsigned int>("x", 10, static_cast<unsigned int>(-1)), 4294967295U);
}

TEST(StrToNum, ReadsDecimalRealsOnly)
{
    struct Case { const char* text; double expected; };
    const double RD = 9.25;
    const Case cases[] = {
        {"3.5", 3.5},  {"1e3", 1000}, {".5", 0.5},   {"-2.5x", -2.5}, {"1,5", 1},
        {" +4", 4},    {"2e", 2},     {"2e+", 2},    {"1.", 1},       {"inf", RD},
        {"nan", RD},   {"", RD},      {".", RD},     {"-", RD},       {"e5", RD},
        {"1e400", RD}, {"1e-400", RD},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Util::strToNum<double>(c.text, 10, RD), c.expected) << c.text;
        EXPECT_EQ(Util::strToNum<float>(c.text, 16, static_cast<float>(RD)), static_cast<float>(c.expected)) << c.text;
    }
    // Within the double range but beyond the single range: infinity.
    EXPECT_EQ(Util::strToNum<float>("1e39", 10, 0.0f), std::numeric_limits<float>::infinity());
    EXPECT_EQ(Util::strToNum<float>("-1e39", 10, 0.0f), -std::numeric_limits<float>::infinity());
}

TEST(NumToStr, WritesBasesPrefixesPaddingAndThirtyTwoBitPatterns)
{
    EXPECT_EQ(Util::numToStr<int>(255, 16, 0), "0xff");
    EXPECT_EQ(Util::numToStr<int>(0, 16, 0), "0");
    EXPECT_EQ(Util::numToStr<int>(0, 8, 0), "0");
    EXPECT_EQ(Util::numToStr<int>(8, 8, 0), "010");
    EXPECT_EQ(Util::numToStr<long>(42, 10, 5), "00042");
    EXPECT_EQ(Util::numToStr<int>(42, 2, 0), "42");
    EXPECT_EQ(Util::numToStr<int>(-1, 16, 0), "0xffffffff");
    EXPECT_EQ(Util::numToStr<long>(-1, 16, 0), "0xffffffff");
    EXPECT_EQ(Util::numToStr<long>(-1, 8, 0), "037777777777");
    EXPECT_EQ(Util::numToStr<int>(-5, 10, 4), "00-5");
    EXPECT_EQ(Util::numToStr<int>(255, 16, 6), "000xff");
    EXPECT_EQ(Util::numToStr<int>(123, 10, 2), "123");
    EXPECT_EQ(Util::numToStr<int>(std::numeric_limits<int>::min(), 10, 0), "-2147483648");
    EXPECT_EQ(Util::numToStr<unsigned long>(4294967295UL, 10, 0), "4294967295");
    EXPECT_EQ(Util::numToStr<unsigned int>(4294967295U, 16, 0), "0xffffffff");
}

TEST(SplitString, CutsAtTheSeparatorWithAndWithoutEmptyPieces)
{
    struct Case { const char* text; const char* separator; bool keepEmpty; std::vector<std::string> pieces; };
    const Case cases[] = {
        {"a,,b", ",", false, {"a", "b"}},
        {"a,,b", ",", true, {"a", "", "b"}},
        {"a,", ",", false, {"a"}},
        {"a,", ",", true, {"a", ""}},
        {",a", ",", true, {"", "a"}},
        {"", ",", false, {}},
        {"", ",", true, {""}},
        {"x::y", "::", false, {"x", "y"}},
        {"abc", ",", false, {"abc"}},
        {"a,b", "", false, {"a,b"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> pieces;
        EXPECT_EQ(Util::splitString(c.text, c.separator, pieces, c.keepEmpty), static_cast<int>(c.pieces.size())) << c.text;
        EXPECT_EQ(pieces, c.pieces) << c.text << " keep " << c.keepEmpty;
    }
    std::vector<std::string> pieces{"old"};
    EXPECT_EQ(Util::splitString("p,q", ",", pieces, false), 3);
    EXPECT_EQ(pieces.front(), "old");
}

TEST(TokenizeStr, AppendsTrimmedTokensBetweenDelimiterRuns)
{
    struct Case { const char* text; std::vector<std::string> tokens; };
    const Case cases[] = {
        {"a, b ,c", {"a", "b", "c"}},
        {",,a,,", {"a"}},
        {"a, ,b", {"a", "", "b"}},
        {",,,", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> tokens;
        Util::tokenizeStr(c.text, tokens, ",");
        EXPECT_EQ(tokens, c.tokens) << c.text;
    }
    std::vector<std::string> tokens{"kept"};
    Util::tokenizeStr("x y", tokens, " ");
    EXPECT_EQ(tokens, (std::vector<std::string>{"kept", "x", "y"}));
}

TEST(Trim, StripsTheSetAtBothEnds)
{
    EXPECT_EQ(Util::trim("  a b  ", " \t"), "a b");
    EXPECT_EQ(Util::trim("\t a\t", " \t"), "a");
    EXPECT_EQ(Util::trim("   ", " \t"), "");
    EXPECT_EQ(Util::trim("", " \t"), "");
}

TEST(MinMaxClamp, PreferTheSecondOnTiesAndTestLowFirst)
{
    EXPECT_EQ(Util::MIN(3, 2), 2);
    EXPECT_EQ(Util::MAX(3, 2), 3);
    EXPECT_EQ(Util::CLAMP(5, 0, 3), 3);
    EXPECT_EQ(Util::CLAMP(-1, 0, 3), 0);
    EXPECT_EQ(Util::CLAMP(2, 3, 0), 3);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(std::isnan(Util::MIN(1.0f, nan)));
    EXPECT_TRUE(std::isnan(Util::CLAMP(nan, 0.0f, 1.0f)));
    // Ties return the second argument itself.
    const float negZero = -0.0f;
    EXPECT_TRUE(std::signbit(Util::MIN(0.0f, negZero)));
    EXPECT_TRUE(std::signbit(Util::MAX(0.0f, negZero)));
}

struct CountedName : Util::NamedObject
{
    explicit CountedName(const std::string& name, int& deaths) : Util::NamedObject(name), deaths(deaths) {}
    ~CountedName() override { ++deaths; }
    int& deaths;
};

TEST(DeleteIt, DeletesEveryOwnedPointerThroughTheBaseAndSkipsNull)
{
    int deaths = 0;
    std::vector<Util::NamedObject*> owned{new CountedName("a", deaths), nullptr, new CountedName("b", deaths)};
    EXPECT_EQ(owned[2]->getName(), "b");
    std::for_each(owned.begin(), owned.end(), Util::DeleteIt<Util::NamedObject*>());
    owned.clear();
    EXPECT_EQ(deaths, 2);
}

} // namespace
