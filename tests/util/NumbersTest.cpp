#include <gtest/gtest.h>

#include "util/Numbers.h"

TEST(Numbers, RoundingTiesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(13.5), 14);  // komi 6.75 doubled
}

TEST(Numbers, FloorAndTruncatingDivision) {
    EXPECT_EQ(floorToInt(-0.5), -1);
    EXPECT_EQ(floorToInt(2399.9999), 2399);
    EXPECT_EQ(intDivide(-7, 2), -3);
    // operands are rounded to whole numbers first
    EXPECT_EQ(intDivide(7.5, 2), 4);
    EXPECT_EQ(intDivide(6.5, 2), 3);
}

TEST(Numbers, NumericValueReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(numericValue(u"12abc"), 12);
    EXPECT_DOUBLE_EQ(numericValue(u"."), 0);
    EXPECT_DOUBLE_EQ(numericValue(u"  8.5 cm"), 8.5);
    EXPECT_DOUBLE_EQ(numericValue(u"8,5"), 8);
    EXPECT_DOUBLE_EQ(numericValue(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(numericValue(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(numericValue(u"1e3"), 1000);
    EXPECT_DOUBLE_EQ(numericValue(u"8e"), 8);
}

TEST(Numbers, GeneralRenderingIsShortestPlainDecimal) {
    EXPECT_EQ(formatGeneral(8.5), "8.5");
    EXPECT_EQ(formatGeneral(8 * 2.54), "20.32");
    EXPECT_EQ(formatGeneral(2400.0 / 300), "8");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(1.0 / 3), "0.333333333333333");
}
