#include "shell/FrameRateCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameRateCounter, TitleCarriesTheRateWithTwoDecimals) {
    EXPECT_EQ("Frelmory: 59.94 FPS", Game::FrameRateCounter::titleText("Frelmory", 59.9401));
    EXPECT_EQ("T: 0.00 FPS", Game::FrameRateCounter::titleText("T", 0.0));
    EXPECT_EQ("T: 1234.57 FPS", Game::FrameRateCounter::titleText("T", 1234.567));
}

TEST(FrameRateCounter, GivesTheRateOnlyAfterMoreThanASecond) {
    Game::FrameRateCounter counter;
    std::string text = "unchanged";
    EXPECT_FALSE(counter.frame(0.5, "W", text));
    EXPECT_FALSE(counter.frame(1.0, "W", text));  // exactly one second is not more
    EXPECT_EQ("unchanged", text);
    EXPECT_TRUE(counter.frame(1.25, "W", text));  // three frames over 1.25 s
    EXPECT_EQ("W: 2.40 FPS", text);
    EXPECT_FALSE(counter.frame(2.0, "W", text));
    EXPECT_TRUE(counter.frame(2.5, "W", text));   // two frames since 1.25 s
    EXPECT_EQ("W: 1.60 FPS", text);
}

} // namespace
