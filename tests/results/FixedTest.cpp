#include "Fixed.h"

#include <gtest/gtest.h>

TEST(Fixed, ZaokraglaDoMiejscZKropkaBezGrupowania) {
    EXPECT_EQ(fixed(0.39999999999999997, 1), "0.4");
    EXPECT_EQ(fixed(-0.5, 1), "-0.5");
    EXPECT_EQ(fixed(0, 3), "0.000");
    EXPECT_EQ(fixed(1234567.891, 2), "1234567.89");
    EXPECT_EQ(fixed(0.12345, 4), "0.1235");
    EXPECT_EQ(fixed(2, 0), "2");
}

TEST(Fixed, ZnakMalejUjemnejZostajeUjemnegoZeraNie) {
    EXPECT_EQ(fixed(-0.0001, 3), "-0.000");
    EXPECT_EQ(fixed(-0.0, 3), "0.000");
}

TEST(Fixed, DokladnaPolowaOdZera) {
    EXPECT_EQ(fixed(0.125, 2), "0.13");
    EXPECT_EQ(fixed(-0.125, 2), "-0.13");
    EXPECT_EQ(fixed(0.03125, 4), "0.0313"); // sigma 1/32 on an 8 x 8 lattice
    EXPECT_EQ(fixed(2.5, 0), "3");
    EXPECT_EQ(fixed(-2.5, 0), "-3");
    EXPECT_EQ(fixed(0.5, 0), "1");
    EXPECT_EQ(fixed(9.75, 1), "9.8");
    EXPECT_EQ(fixed(9.95, 1), "9.9") << "9.95 is no tie: its double lies below";
    EXPECT_EQ(fixed(99.5, 0), "100");
    EXPECT_EQ(fixed(-9.96875, 4), "-9.9688");
    EXPECT_EQ(fixed(0.25, 2), "0.25") << "exactly representable is no tie";
    EXPECT_EQ(fixed(1.0 / 1024, 9), "0.000976563");
}
