#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "core/I_Serializable.h"
#include "core/TextSerializer.h"

namespace {

TEST(TextSerializer, WritesOneTaggedLinePerFieldAndReadsItBack) {
    std::stringstream stream;
    Util::TextSerializer out(stream);
    EXPECT_TRUE(out.putULong(3, "NumAreas"));
    EXPECT_TRUE(out.putULong(4294967295ul, "  ID"));
    EXPECT_TRUE(out.putBool(true, nullptr));
    EXPECT_TRUE(out.putBool(false, "Flag"));
    EXPECT_TRUE(out.putInt(-5, "Int"));
    EXPECT_TRUE(out.putUInt(7, "UInt"));
    EXPECT_TRUE(out.putLong(-2147483647L - 1, "Long"));
    EXPECT_TRUE(out.putFloat(0.5f, "F"));
    EXPECT_TRUE(out.putFloat(33.0f, "F"));
    EXPECT_TRUE(out.putFloat(1234567.0f, "F"));
    EXPECT_TRUE(out.putFloat(0.00001f, "F"));
    EXPECT_TRUE(out.putString("", "Name"));
    EXPECT_TRUE(out.putString("two words", "Name"));
    EXPECT_TRUE(out.putString("<EMPTY>", nullptr));
    EXPECT_EQ(stream.str(),
              "NumAreas: 3\n  ID: 4294967295\n1\nFlag: 0\nInt: -5\nUInt: 7\nLong: -2147483648\n"
              "F: 0.5\nF: 33\nF: 1.23457e+06\nF: 1e-05\nName: <EMPTY>\nName: two words\n<EMPTY>\n");

    Util::TextSerializer in(stream);
    unsigned long areas = 0, id = 0;
    bool yes = false, no = true;
    int i = 0;
    unsigned int u = 0;
    long l = 0;
    float half = 0, whole = 0, big = 0, tiny = 0;
    std::string empty = "x", words, literal = "x";
    EXPECT_TRUE(in.getULong(areas, "NumAreas"));
    EXPECT_TRUE(in.getULong(id, "  ID"));
    EXPECT_TRUE(in.getBool(yes, nullptr));
    EXPECT_TRUE(in.getBool(no, "Flag"));
    EXPECT_TRUE(in.getInt(i, "Int"));
    EXPECT_TRUE(in.getUInt(u, "UInt"));
    EXPECT_TRUE(in.getLong(l, "Long"));
    EXPECT_TRUE(in.getFloat(half, "F"));
    EXPECT_TRUE(in.getFloat(whole, "F"));
    EXPECT_TRUE(in.getFloat(big, "F"));
    EXPECT_TRUE(in.getFloat(tiny, "F"));
    EXPECT_TRUE(in.getString(empty, "Name"));
    EXPECT_TRUE(in.getString(words, "Name"));
    EXPECT_TRUE(in.getString(literal, nullptr));
    EXPECT_EQ(areas, 3u);
    EXPECT_EQ(id, 4294967295ul);
    EXPECT_TRUE(yes);
    EXPECT_FALSE(no);
    EXPECT_EQ(i, -5);
    EXPECT_EQ(u, 7u);
    EXPECT_EQ(l, -2147483647L - 1);
    EXPECT_EQ(half, 0.5f);
    EXPECT_EQ(whole, 33.0f);
    EXPECT_EQ(big, 1234570.0f);
    EXPECT_EQ(tiny, 0.00001f);
    EXPECT_EQ(empty, "");
    EXPECT_EQ(words, "two");
    EXPECT_EQ(literal, "");
    EXPECT_FALSE(in.getInt(i, nullptr)); // end of the text
}

enum Kind { BOOL, INT, LONG, ULONG, FLOAT, STRING };

bool readOne(Kind kind, const char* text, const char* tag) {
    std::stringstream stream(text);
    Util::TextSerializer in(stream);
    bool b;
    int i;
    long l;
    unsigned long ul;
    float f;
    std::string s;
    switch (kind) {
    case BOOL: return in.getBool(b, tag);
    case INT: return in.getInt(i, tag);
    case LONG: return in.getLong(l, tag);
    case ULONG: return in.getULong(ul, tag);
    case FLOAT: return in.getFloat(f, tag);
    case STRING: return in.getString(s, tag);
    }
    return false;
}

TEST(TextSerializer, ReadAcceptsOrRefusesByTypeAndRange) {
    struct Case {
        Kind kind;
        const char* text;
        const char* tag;
        bool ok;
    } cases[] = {
        {BOOL, "1\n", nullptr, true},
        {BOOL, "2\n", nullptr, false},
        {BOOL, "-1\n", nullptr, false},
        {BOOL, "yes\n", nullptr, false},
        {INT, "12 and the rest of the line\n", nullptr, true},
        {INT, "abc\n", nullptr, false},
        {INT, "3000000000\n", nullptr, false},
        {LONG, "2147483647\n", nullptr, true},
        {LONG, "-2147483648\n", nullptr, true},
        {LONG, "2147483648\n", nullptr, false},
        {LONG, "-2147483649\n", nullptr, false},
        {ULONG, "4294967295\n", nullptr, true},
        {ULONG, "4294967296\n", nullptr, false},
        {FLOAT, "1e60\n", nullptr, false},
        {FLOAT, "x1.5\n", nullptr, false},
        {STRING, "", nullptr, false},
        {STRING, "   \n\n", nullptr, false},
        {INT, "Tag:", "Tag", false},          // truncated after the tag
        {INT, "Tag: \n", "Tag", false},
        {INT, "Tag: 5", "Tag", false},        // last line without its newline
        {INT, "Tag: 5\n", "Tag", true},
        {STRING, "Header with words\n", nullptr, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readOne(c.kind, c.text, c.tag), c.ok) << c.kind << " '" << c.text << "'";
}

TEST(TextSerializer, EveryOperationFailsOnceTheStreamHasFailed) {
    std::stringstream stream("2\n7\n");
    Util::TextSerializer serializer(stream);
    bool flag = false;
    int number = 0;
    EXPECT_FALSE(serializer.getBool(flag, nullptr));
    EXPECT_FALSE(serializer.getInt(number, nullptr));
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(serializer.putInt(1, "Tag"));
    EXPECT_EQ(stream.str(), "2\n7\n");
}

TEST(TextSerializer, LastValueWithoutFinalNewlineFailsAlthoughItWasRead) {
    std::stringstream stream("A: 1\nB: 2");
    Util::TextSerializer in(stream);
    int a = 0, b = 0;
    EXPECT_TRUE(in.getInt(a, "A"));
    EXPECT_FALSE(in.getInt(b, "B"));
    EXPECT_EQ(b, 2);
}

TEST(TextSerializer, TagsMustMatchInPresenceNotInText) {
    std::stringstream stream("5\n6\n");
    Util::TextSerializer in(stream);
    int value = 0;
    EXPECT_TRUE(in.getInt(value, "Anything"));
    EXPECT_EQ(value, 6);
}

struct Pair : Util::I_Serializable {
    int first = 0;
    std::string second;
    bool serialize(Util::I_Serializer* s) const override {
        return s->putInt(first, "First") && s->putString(second, "Second");
    }
    bool deserialize(Util::I_Serializer* s) override {
        return s->getInt(first, "First") && s->getString(second, "Second");
    }
};

TEST(I_Serializable, HeaderLineIsWrittenAndSkippedUnread) {
    std::stringstream stream;
    Util::TextSerializer out(stream);
    Pair written;
    written.first = 9;
    written.second = "nine";
    EXPECT_TRUE(written.serializeWithHeader(&out, "Pair"));
    EXPECT_EQ(stream.str(), "Pair\nFirst: 9\nSecond: nine\n");

    std::stringstream other("Some other header\nFirst: 4\nSecond: four\n");
    Util::TextSerializer in(other);
    Pair read;
    EXPECT_TRUE(read.deserializeWithHeader(&in, "Pair"));
    EXPECT_EQ(read.first, 4);
    EXPECT_EQ(read.second, "four");
}

} // namespace
