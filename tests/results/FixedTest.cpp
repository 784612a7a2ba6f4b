#include "Fixed.h"

#include <gtest/gtest.h>

TEST(Fixed, RoundsToTheGivenDecimalsWithAPointAndNoGrouping) {
    EXPECT_EQ(fixed(0.39999999999999997, 1), "0.4");
    EXPECT_EQ(fixed(-0.5, 1), "-0.5");
    EXPECT_EQ(fixed(0, 3), "0.000");
    EXPECT_EQ(fixed(1234567.891, 2), "1234567.89");
    EXPECT_EQ(fixed(0.12345, 4), "0.1235");
    EXPECT_EQ(fixed(2, 0), "2");
}

TEST(Fixed, KeepsTheSignOfSmallNegativesButNotOfNegativeZero) {
    EXPECT_EQ(fixed(-0.0001, 3), "-0.000");
    EXPECT_EQ(fixed(-0.0, 3), "0.000");
}
