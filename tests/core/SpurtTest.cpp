#include <gtest/gtest.h>

#include "TempFolder.h"

#include <fstream>
#include <string>
#include <vector>

#include "core/RandANSI.h"
#include "core/Spurt.h"

namespace {

// Answers the scripted numbers in turn, starting over after the last.
class Scripted : public RNG::I_Random {
public:
    explicit Scripted(std::vector<float> values) : m_values(std::move(values)) {}
    void initialise(unsigned int) override {}
    void initialise(unsigned int*, int) override {}
    float getFloat() override { return m_values[m_next++ % m_values.size()]; }

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

std::string writeRules(const std::string& name, const std::string& text) {
    // In a folder of this test process's own that goes when the process ends.
    static const TestSupport::TempFolder l_folder("spurt");
    std::string path = l_folder.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// A generator loaded from the text; fails the test when the text is refused.
struct Loaded {
    Loaded(const std::string& text, std::vector<float> values = {0.0f}) :
        random(std::move(values)), spurt(&random) {
        std::string error;
        EXPECT_TRUE(spurt.parse(writeRules("ok", text), error)) << error;
    }
    std::string get(const std::string& rule, bool expectOk = true) {
        std::string out;
        EXPECT_EQ(expectOk, spurt.get(out, rule)) << rule;
        return out;
    }
    Scripted random;
    Stuff::Spurt spurt;
};

} // namespace

TEST(Spurt, PicksEntriesByCumulativeWeight) {
    const struct {
        float draw;
        const char* expected;
    } cases[] = {{0.0f, "a"},
                 {0.25f, "b"},
                 {0.5f, "c"},
                 {0.75f, "c"},
                 {0.999f, "c"},
                 // A source answering exactly 1 still picks the last entry.
                 {1.0f, "c"},
                 {1.5f, "c"},
                 {-0.5f, "a"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.draw);
        Loaded rules("% w\na\n(1) b\n( 2 ) c\n", {c.draw});
        EXPECT_EQ(c.expected, rules.get("w"));
    }
    Loaded zero("%z\n(0) never\nalways\n", {0.0f});
    EXPECT_EQ("always", zero.get("z"));
}

TEST(Spurt, ExpandsVariantsAndNestedReferences) {
    Loaded rules("# variants\n"
                 "% word { p\r\n"
                 "cat{|s}\n"
                 "\n"
                 "%ref\n"
                 "\\word,\\word/p,\\word/x.\n"
                 "% amp { p\n"
                 "\\word/&\n"
                 "% outer\n"
                 "<\\amp/p>\n"
                 "% sel { q\n"
                 "{ok|\\missing}\n"
                 "% trio { xy\n"
                 "{0|1|2}{0|1}\n");
    EXPECT_EQ("cat", rules.get("word"));
    EXPECT_EQ("cat,cats,cat.", rules.get("ref"));
    EXPECT_EQ("<cats>", rules.get("outer"));
    EXPECT_EQ("ok", rules.get("sel"));
    std::string out = "keep:";
    EXPECT_FALSE(rules.spurt.expand(out, "sel/q", ' '));
    EXPECT_EQ("keep:", out);
    out.clear();
    EXPECT_TRUE(rules.spurt.expand(out, "trio/y", ' '));
    EXPECT_EQ("2", out); // a group with fewer alternatives gives nothing
    out = "keep";
    EXPECT_FALSE(rules.spurt.get(out, "nope"));
    EXPECT_EQ("keep", out);
}

TEST(Spurt, MalformedEntryTextFailsTheExpansion) {
    const struct {
        const char* text;
        bool ok;
        const char* out;
    } cases[] = {
        {"{a{b}}", false, "a"}, {"a}b", false, "a"},        {"a|b", false, "a"},
        {"x\\ y", false, "x"},  {"x\\", false, "x"},        {"x\\a/", false, "x"},
        {"{a|b", true, "a"},    {"x\\other!", true, "xo!"}, {"x\\nope", false, "x"},
        // A reference without a name fails even where its alternative is not copied.
        {"{a|\\/x}b", false, "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Loaded rules(std::string("%r\n") + c.text + "\n%other\no\n");
        EXPECT_EQ(c.out, rules.get("r", c.ok));
    }
}

TEST(Spurt, SelfReferringRulesStopInsteadOfRunningAway) {
    Loaded rules(
        "%loop\n\\loop\n"
        "%twice\n\\twice\\twice\n"
        "%a\n\\b\n%b\n\\a\n"
        "%deep\n1\\d2\n%d2\n2\\d3\n%d3\n3\\d4\n%d4\n4\\d5\n%d5\n5\\d6\n%d6\n6\\d7\n%d7\n7\\d8\n%d8\n8\n");
    rules.get("loop", false);
    rules.get("twice", false);
    rules.get("a", false);
    EXPECT_EQ("12345678", rules.get("deep"));
}

TEST(Spurt, PhraseBeyondTheLengthCapFailsTheExpansion) {
    // Each expansion of "big" repeats a 1000-byte entry 200 times: 200 kB.
    std::string rules = "%long\n" + std::string(1000, 'x') + "\n%big\n";
    for (int i = 0; i < 200; ++i)
        rules += "\\long";
    rules += "\n%small\n\\long\\long\n";
    Loaded loaded(rules);
    loaded.get("big", false);
    EXPECT_EQ(std::string(2000, 'x'), loaded.get("small"));
}

TEST(Spurt, ParseReportsTheFirstFaultWithItsMessage) {
    const struct {
        const char* name;
        std::string text;
        std::string error;
    } cases[] = {
        {"empty", "", "Failed load: "},
        {"entry_first", "text first\n%a\nx\n", "Invalid DataDefiniton line: text first"},
        {"blank_line_first", " \t \n%a\nx\n", "Invalid DataDefiniton line: "},
        {"name_with_brace", "%a{\nx\n", "Invalid DataDefiniton line: %a{"},
        {"closing_brace", "% a { p }\nx\n", "Invalid DataDefiniton line: % a { p }"},
        {"header_only_percent", "%\nx\n", "Invalid DataDefiniton line: %"},
        {"binary", std::string("\x01\xff\x7f\0z", 5),
         std::string("Invalid DataDefiniton line: \x01\xff\x7f\0z", 33)},
        {"header_after_header", "%a\n%b\nx\n", "No entries for rule definition: a"},
        {"only_comments", "%a\n# c\n\n", "No entries for rule definition: a"},
        {"open_weight", "%a\n(2 text\n", "Invalid rule line: (2 text"},
        {"empty_weight", "%a\n()x\n", "Invalid rule line: ()x"},
        {"no_text", "%a\n(3)\n", "Invalid rule line: (3)"},
        {"huge_weight", "%a\n(99999999999) x\n", "Invalid rule line: (99999999999) x"},
        {"total_overflow", "%a\n(2147483647) x\n(1) y\n", "Invalid rule line: (1) y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = writeRules(c.name, c.text);
        std::string expected = c.error == "Failed load: " ? c.error + path : c.error;
        Stuff::Spurt spurt(nullptr);
        std::string error = "old";
        EXPECT_FALSE(spurt.parse(path, error));
        EXPECT_EQ(expected, error);
    }
    Stuff::Spurt spurt(nullptr);
    std::string error;
    EXPECT_FALSE(spurt.parse(::testing::TempDir() + "frelmory_spurt_missing", error));
    EXPECT_EQ("Failed load: " + ::testing::TempDir() + "frelmory_spurt_missing", error);
}

TEST(Spurt, KeepsEarlierRulesAndTheFirstOfARepeatedName) {
    Scripted random({0.0f});
    Stuff::Spurt spurt(&random);
    std::string error, out;
    EXPECT_FALSE(spurt.parse(writeRules("partial", "%a\nfirst\n%b\n"), error));
    EXPECT_TRUE(spurt.parse(writeRules("again", "%a\nsecond\n%c\nthird\n"), error));
    EXPECT_TRUE(spurt.get(out, "a"));
    EXPECT_TRUE(spurt.get(out, "c"));
    EXPECT_FALSE(spurt.get(out, "b"));
    EXPECT_EQ("firstthird", out);
}

TEST(RandANSI, AnswersInUnitIntervalAndRepeatsWithItsSeed) {
    RNG::RandANSI rng(7);
    std::vector<float> first;
    double sum = 0;
    for (int i = 0; i < 2000; ++i) {
        float f = rng.getFloat();
        ASSERT_GE(f, 0.0f);
        ASSERT_LT(f, 1.0f);
        first.push_back(f);
        sum += f;
    }
    EXPECT_NEAR(0.5, sum / first.size(), 0.05);
    unsigned int seeds[] = {7, 99};
    rng.initialise(seeds, 2);
    for (float f : first)
        ASSERT_EQ(f, rng.getFloat());

    // The generator's own source (null given) produces text too.
    Stuff::Spurt spurt(nullptr);
    std::string error, out;
    ASSERT_TRUE(spurt.parse(writeRules("own_source", "%r\nx\n(3) x\n"), error));
    EXPECT_TRUE(spurt.get(out, "r"));
    EXPECT_EQ("x", out);
}
