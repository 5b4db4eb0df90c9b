#include "core/KeyPtrMapper.h"

#include <gtest/gtest.h>

#include <string>

namespace {

typedef Util::KeyPtrMapper<int, std::less<int> > Mapper;

TEST(KeyPtrMapper, GetFindsOnlyThePointerOfTheSameType)
{
    Mapper mapper;
    bool flag = true;
    float speed = 1.5f;
    mapper.addBoolPtr(1, &flag);
    mapper.addFloatPtr(1, &speed);

    EXPECT_EQ(mapper.getBoolPtr(1), &flag);
    EXPECT_EQ(mapper.getFloatPtr(1), &speed);
    EXPECT_EQ(mapper.getIntPtr(1), nullptr);
    EXPECT_EQ(mapper.getUIntPtr(1), nullptr);
    EXPECT_EQ(mapper.getULongPtr(1), nullptr);
    EXPECT_EQ(mapper.getStringPtr(1), nullptr);
    EXPECT_EQ(mapper.getBoolPtr(2), nullptr);
}

TEST(KeyPtrMapper, WritesThroughAPointerAreSeenByLaterGets)
{
    int first = 1;
    int second = 2;
    std::string text = "kept";
    {
        Mapper mapper;
        mapper.addIntPtr(7, &first);
        *mapper.getIntPtr(7) = 10;
        EXPECT_EQ(*mapper.getIntPtr(7), 10);

        mapper.addIntPtr(7, &second); // replaces the pointer, not the old value
        EXPECT_EQ(mapper.getIntPtr(7), &second);
        EXPECT_EQ(first, 10);

        mapper.addStringPtr(3, &text);
        mapper.addStringPtr(4, nullptr);
        EXPECT_EQ(mapper.getStringPtr(4), nullptr);
    }
    EXPECT_EQ(second, 2);
    EXPECT_EQ(text, "kept");
}

} // namespace
