#include "results/grading.h"

#include <gtest/gtest.h>

using grading::belowPassMark;
using grading::percentText;
using grading::wholeNumber;

TEST(PercentText, RoundsToTheNearestTenthWithAtLeastOneWholeDigit) {
    EXPECT_EQ(percentText(0), "0.0");
    EXPECT_EQ(percentText(5), "5.0");
    EXPECT_EQ(percentText(100), "100.0");
    EXPECT_EQ(percentText(50 / grading::Section1.divisor), "41.7");
    EXPECT_EQ(percentText(60 / grading::Section2.divisor), "42.9");
    EXPECT_EQ(percentText(110 / grading::Section3.divisor), "45.8");
    EXPECT_EQ(percentText(60 / grading::Section1.divisor), "50.0");
    EXPECT_EQ(percentText(0.04), "0.0");
}

TEST(PercentText, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(percentText(7.25), "7.3");
    EXPECT_EQ(percentText(0.15), "0.2");
    EXPECT_EQ(percentText(-0.04), "0.0");
}

TEST(WholeNumber, RoundsHalvesToEven) {
    EXPECT_EQ(wholeNumber("41.7"), 42);
    EXPECT_EQ(wholeNumber("12.5"), 12);
    EXPECT_EQ(wholeNumber("13.5"), 14);
    EXPECT_EQ(wholeNumber("500"), 500);
    EXPECT_EQ(wholeNumber(""), 0);
}

TEST(PassMark, IsAStrictTestOnTheRoundedPercentage) {
    EXPECT_TRUE(belowPassMark("49.4", 50));
    EXPECT_FALSE(belowPassMark("49.5", 50)); // 50 after rounding
    EXPECT_FALSE(belowPassMark("50.0", 50));
    EXPECT_TRUE(belowPassMark("64.5", 65)); // 64 after rounding
    EXPECT_FALSE(belowPassMark("65.0", 65));
}
