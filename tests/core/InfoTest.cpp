#include "core/CFG.h"
#include "core/Info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string DATA_DIR = std::string(FRELMORY_TEST_DATA_DIR) + "/config/";

// A private directory for configuration files written by a test, removed with
// its files afterwards. The process-wide layers are emptied around each test.
class ConfigFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/frelmory_cfg_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        CFG::s_Overrides.reset();
        CFG::s_GlobalConfig.reset();
    }

    void TearDown() override
    {
        for (const std::string& path : written_)
            std::remove(path.c_str());
        std::remove(dir_.c_str());
        CFG::s_Overrides.reset();
        CFG::s_GlobalConfig.reset();
    }

    std::string write(const std::string& name, const std::string& text)
    {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        written_.push_back(path);
        return path;
    }

    std::string dir_;
    std::vector<std::string> written_;
};

struct Answer {
    const char* key;
    const char* expected;
};

TEST_F(ConfigFiles, WorkedExampleAnswersThroughOverridesOverlayAndReferences)
{
    ASSERT_TRUE(CFG::getDefaultOverrides()->addConfig(DATA_DIR + "SETTINGS_KWEP.cfg"));
    ASSERT_TRUE(CFG::setConfig(DATA_DIR + "KWEP.cfg"));

    const Answer answers[] = {
        {"WIDTH", "1280"},
        {"HEIGHT", "720"},
        {"DEBUG", ""},
        {"MODE", "SLOW"},
        {"SIZE", "32"},
        {"SLOW", ""},
        {"GREETING", "Hello World!"},
        {"PATH", "data::cfg"},
        {"NOTE", "see ::ODD NAME:: here"},
        {"TITLE", "  Snow  "},
        {"TEXT", "first line\n   second line"},
        {"LATE", ""},
    };
    for (const Answer& a : answers)
        EXPECT_EQ(CFG::get(a.key), a.expected) << a.key;

    std::vector<std::string> names(1, "stale");
    CFG::s_GlobalConfig.keys(names);
    const std::vector<std::string> expected = {"GREETING", "HEIGHT", "MODE", "NOTE", "PATH",
                                               "SIZE", "TEXT", "TITLE", "WHO", "WIDTH"};
    EXPECT_EQ(names, expected);

    // A plain entry selected in a block is first asked of the parent by its name.
    CFG::getDefaultOverrides()->add("SLOW", "16");
    EXPECT_EQ(CFG::get("SIZE"), "16");
}

TEST_F(ConfigFiles, CrLfLinesParseLikeLfLines)
{
    std::ifstream in(DATA_DIR + "KWEP.cfg", std::ios::binary);
    std::string line;
    std::string crlf;
    while (std::getline(in, line))
        crlf += line + "\r\n";
    CFG::Info lf(DATA_DIR + "KWEP.cfg", nullptr);
    write("dos.cfg.MOD", "HEIGHT == 720\r\n");
    CFG::Info dos(write("dos.cfg", crlf), nullptr);

    std::vector<std::string> lfKeys;
    std::vector<std::string> dosKeys;
    lf.keys(lfKeys);
    dos.keys(dosKeys);
    EXPECT_EQ(dosKeys, lfKeys);
    for (const std::string& key : lfKeys)
        EXPECT_EQ(dos.get(key), lf.get(key)) << key;
    EXPECT_EQ(dos.get("TEXT"), "first line\n   second line");
}

struct LineCase {
    const char* text;
    const char* key;
    const char* expected;
};

TEST_F(ConfigFiles, LineRulesGiveTheseAnswers)
{
    const LineCase cases[] = {
        {"A ==\n", "A", ""},
        {"A ?? B == 1\n", "A ?? B", "1"},
        {"A == x == y\n", "A", "x == y"},
        {"  # A == 1\nA # B == 2\n", "A # B", "2"},
        {"  # A == 1\n", "A", ""},
        {"A == 1 # not a comment\n", "A", "1 # not a comment"},
        {"WIDTH == 1\nwidth == 2\n", "width", "2"},
        {"WIDTH == 1\nwidth == 2\n", "WIDTH", "1"},
        {"A == \"\"\n", "A", ""},
        {"A == a \"b\"\n", "A", "a \"b"},
        {"A == \"\n\"\n", "A", "\n"},
        {"A == \"ab\\\ncd\"\n", "A", "abcd"},
        {"A == \"ab\\n\\\ncd\"\n", "A", "ab\ncd"},
        {"A == \"a\n\nb\"\n", "A", "a\nb"},
        {"A == \"a\n   \nb\"\n", "A", "a\n\nb"},
        {"A == \"a\n# x == y ?? z\nb\"\n", "A", "a\n# x == y ?? z\nb"},
        {"== 5\n", "", "5"},
        {"S ?? M\n== 7\nX == 8\nM\n", "S", "7"},
        {"S ?? M\nX == 8\nM\nM == Y\n", "S", ""},
        {"S ?? M\nX == 8\nM\nS == plain\n", "S", "plain"},
        {"S == plain\nS ?? M\nX == 8\nM\nM == X\n", "S", "8"},
        {"M == A\nN == B\nS ?? M\nA ?? N\nB == deep\nN\nM\n", "S", "deep"},
        {"S ?? M\nEND_OF_CFG_RESOURCES\nX == 1\nM\nM == X\n", "S", "1"},
        {"M\nA == 1\n", "A", "1"},
        {"A == ::B::\nB == ::C::\nC == end\n", "A", "end"},
        {"A == x::::y\n", "A", "x::::y"},
        {"A == x::\n", "A", "x::"},
        {"A == ::U:: u\n", "A", " u"},
        {"A == \"  ::B::  \"\nB == b\n", "A", "  b  "},
    };
    int n = 0;
    for (const LineCase& c : cases) {
        CFG::Info info(write("case" + std::to_string(n++) + ".cfg", c.text), nullptr);
        EXPECT_EQ(info.get(c.key), c.expected) << c.text;
    }
}

TEST_F(ConfigFiles, UnclosedQuoteKeepsEarlierEntriesAndStillReadsOverlay)
{
    const std::string file = write("open.cfg", "A == 1\nB == \"never closed\nC == 3\n");
    write("open.cfg.MOD", "D == 4\n");

    EXPECT_FALSE(CFG::setConfig(file));
    EXPECT_EQ(CFG::get("A"), "1");
    EXPECT_EQ(CFG::get("B"), "");
    EXPECT_EQ(CFG::get("C"), "");
    EXPECT_EQ(CFG::get("D"), "4");

    CFG::Info own(file, nullptr);
    EXPECT_EQ(own.get("A"), "");
    EXPECT_EQ(own.get("D"), "");
}

TEST_F(ConfigFiles, OverlayChainStopsAtTheFirstGap)
{
    const std::string file = write("f.cfg", "A == base\nB == base\n");
    write("f.cfg.MOD", "A == mod1\nC == \"open\n");
    write("f.cfg.MOD.MOD", "B == mod2\n");
    write("f.cfg.MOD.MOD.MOD.MOD", "A == beyond the gap\n");

    CFG::Info info(CFG::getDefaultOverrides());
    EXPECT_TRUE(info.addConfig(file)); // an overlay's failed parse does not count
    EXPECT_EQ(info.get("A"), "mod1");
    EXPECT_EQ(info.get("B"), "mod2");
    EXPECT_EQ(info.get("C"), "");
}

TEST_F(ConfigFiles, MissingOrEmptyFileChangesNothingAndTriesNoOverlay)
{
    write("missing.cfg.MOD", "A == overlay\n");
    const std::string empty = write("empty.cfg", "");
    write("empty.cfg.MOD", "A == overlay\n");

    CFG::Info info(nullptr);
    ASSERT_TRUE(info.add("A", "kept"));
    EXPECT_FALSE(info.addConfig(dir_ + "/missing.cfg"));
    EXPECT_FALSE(info.addConfig(empty));
    EXPECT_EQ(info.get("A"), "kept");
    EXPECT_FALSE(CFG::addConfig(empty));
}

TEST_F(ConfigFiles, UnclosedSelectorBlockTakesTheRestAndSucceeds)
{
    CFG::Info info(nullptr);
    EXPECT_TRUE(info.addConfig(write("block.cfg", "M == X\nS ?? M\nX == in block\nEND_OF_CFG_RESOURCES\nY == 2\n")));
    EXPECT_EQ(info.get("S"), "in block");
    EXPECT_EQ(info.get("Y"), "");
    std::vector<std::string> names;
    info.keys(names);
    EXPECT_EQ(names, (std::vector<std::string>{"M", "S"}));
}

TEST_F(ConfigFiles, CyclesAnswerEmptyInsteadOfRecursing)
{
    const LineCase cases[] = {
        {"A == x::A::y\n", "A", "xy"},
        {"A == a::B::\nB == b::A::\n", "A", "ab"},
        {"S ?? S\nX == 1\nS\n", "S", ""},
        {"S ?? T\n== loop\nT\nT == ::S::\n", "S", "loop"},
        {"S ?? T\nX == 1\nT\nT == ::U::\nU ?? S\nX == 2\nS\n", "S", ""},
    };
    int n = 0;
    for (const LineCase& c : cases) {
        CFG::Info info(write("cycle" + std::to_string(n++) + ".cfg", c.text), nullptr);
        EXPECT_EQ(info.get(c.key), c.expected) << c.text;
    }

    // A cycle in the parent is answered there; the child still expands its own.
    CFG::Info parent(write("pcycle.cfg", "A == ::A::p\n"), nullptr);
    CFG::Info child(write("ccycle.cfg", "A == c\n"), &parent);
    EXPECT_EQ(child.get("A"), "p");
}

// Seventeen lines, each naming the one before four times: 4^16 expansions unbounded.
TEST_F(ConfigFiles, ExponentialReferencesAnswerEmptyWithinBoundedWork)
{
    std::string text = "k0 == base value\n";
    for (int i = 1; i <= 17; ++i) {
        std::string ref = "::k" + std::to_string(i - 1) + "::";
        text += "k" + std::to_string(i) + " == " + ref + ref + ref + ref + "\n";
    }
    CFG::Info info(write("exponential.cfg", text), nullptr);
    EXPECT_EQ(info.get("k17"), "");
    std::string sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += "base value";
    EXPECT_EQ(info.get("k2"), sixteen);
    EXPECT_EQ(info.get("k0"), "base value");
}

TEST_F(ConfigFiles, DamagedFilesNeitherCrashNorHang)
{
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 16);
    }
    std::string longLine = "LONG == " + std::string(1 << 20, 'x') + "\n";
    std::string deep = "M == K\n";
    std::string chain;
    for (int i = 0; i < 20000; ++i) {
        deep += "S ?? M\n";
        chain += "K" + std::to_string(i) + " == ::K" + std::to_string(i + 1) + "::\n";
    }

    CFG::Info info(nullptr);
    info.addConfig(write("garbage.cfg", garbage));
    info.get("A");
    EXPECT_TRUE(info.addConfig(write("long.cfg", longLine)));
    EXPECT_EQ(info.get("LONG").size(), std::size_t(1) << 20);
    EXPECT_TRUE(info.addConfig(write("deep.cfg", deep)));
    EXPECT_EQ(info.get("S"), "");
    EXPECT_TRUE(info.addConfig(write("chain.cfg", chain)));
    EXPECT_EQ(info.get("K0"), "");
    EXPECT_EQ(info.get("K19999"), "");
}

// A file whose text the syntax lets pass but that a whole file would not
// hold gets one message per kind of damage, each naming the file; a whole
// file gets none. The entries read before the damage stay.
TEST_F(ConfigFiles, DamageIsReportedNamingTheFile)
{
    struct Case {
        const char* text;
        const char* message;  // null: no message at all
    };
    const Case cases[] = {
        {"A == 1\n# note\n\n  \nB ?? A\n1 == x\nA\n", nullptr},
        {"A == 1\nEND_OF_CFG_RESOURCES\ncut sho", nullptr},
        {"A == 1\nstray words\nmore\n", "line 2 is not a key, a block or a comment; it and 1 more such lines"},
        {"A == 1\n\nstray\n", "line 3 is not a key, a block or a comment; it is ignored"},
        {"A == 1\nB == 2", "the last line has no line end"},
        {"A == 1\nB ?? A\n1 == x\n", "the block B ?? A is not closed"},
        {"A == 1\nB == \"open\nstill open\n", "a quoted value runs past the end of the file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string path = write("damaged.cfg", c.text);
        ::testing::internal::CaptureStderr();
        CFG::Info info(nullptr);
        info.addConfig(path);
        const std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(info.get("A"), "1");
        if (c.message == nullptr) {
            EXPECT_EQ(errors, "");
        } else {
            EXPECT_NE(errors.find("\"" + path + "\""), std::string::npos) << errors;
            EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
            EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
        }
    }
}

TEST_F(ConfigFiles, AddParsesOneKeyLine)
{
    CFG::Info info(nullptr);
    EXPECT_TRUE(info.add("A", "5"));
    EXPECT_EQ(info.get("A"), "5");
    EXPECT_TRUE(info.add("#B", "6"));
    EXPECT_EQ(info.get("#B"), "");
    EXPECT_FALSE(info.add("C", "\"open"));
    EXPECT_TRUE(info.add("D == E", "7"));
    EXPECT_EQ(info.get("D"), "E == 7");
    std::vector<std::string> names;
    info.keys(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "D"}));
}

TEST_F(ConfigFiles, OnlyKeysThisFileDefinesAreTakenFromTheParent)
{
    CFG::Info parent(write("over.cfg", "A == over\nB == over\nR == ::B::\n"), nullptr);
    CFG::Info child(write("own.cfg", "A == own\nB == ::A::\nR == mine\nE == mine\n"), &parent);
    EXPECT_EQ(child.get("A"), "over");
    EXPECT_EQ(child.get("B"), "over"); // the parent's answer, not the child's reference
    EXPECT_EQ(child.get("R"), "over"); // expanded by the parent against its own keys
    EXPECT_EQ(child.get("Z"), "");
    parent.add("E", "");
    EXPECT_EQ(child.get("E"), "mine"); // an empty parent answer does not count

    // The parent's expanded answer is expanded once more against the child's keys.
    CFG::Info outer(write("outer.cfg", "P == ::L::Y::\nL == x::\n"), nullptr);
    CFG::Info inner(write("inner.cfg", "P == own\nY == kid\n"), &outer);
    EXPECT_EQ(outer.get("P"), "x::Y::");
    EXPECT_EQ(inner.get("P"), "xkid");
}

} // namespace
