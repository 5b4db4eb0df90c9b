#include <gtest/gtest.h>

#include "shell/RandSimple.h"

TEST(RandSimple, SeededSequenceFollowsTheIntegerRecurrence)
{
    RNG::RandSimple random(424242);
    EXPECT_NEAR(random.getFloat(), 0.619491f, 1e-6f);
    EXPECT_EQ(random.getSeed(), 2661119855u);
    EXPECT_NEAR(random.getFloat(), 0.166343f, 1e-6f);
    EXPECT_NEAR(random.getFloat(), 0.973444f, 1e-6f);
}

TEST(RandSimple, SeedListUsesOnlyItsFirstSeed)
{
    RNG::RandSimple random(1);
    unsigned int seeds[] = {424242, 7, 9};
    random.initialise(seeds, 3);
    EXPECT_EQ(random.getSeed(), 424242u);
    random.initialise(nullptr, 0);
    EXPECT_EQ(random.getSeed(), 424242u);
}

TEST(RandSimple, LargestValuesStayBelowOne)
{
    // From this seed the hash is 2^31 - 17, whose quotient rounds to 1.0 as a float.
    RNG::RandSimple random(2676098);
    const float value = random.getFloat();
    EXPECT_LT(value, 1.0f);
    EXPECT_GT(value, 0.9999f);
}
