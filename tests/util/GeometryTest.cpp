#include <gtest/gtest.h>

#include <cmath>

#include "util/Geometry.h"

TEST(Geometry, PointDistance) {
    EXPECT_FLOAT_EQ(PointDistance(0, 0, 3, 4), 5);
    EXPECT_FLOAT_EQ(PointDistance(10, 10, 7, 6), 5);
}

TEST(Geometry, IntersectionOfCrossingLines) {
    const SinglePoint diagonals = LineIntersection(0, 0, 10, 10, 0, 10, 10, 0);
    EXPECT_FLOAT_EQ(diagonals.x, 5);
    EXPECT_FLOAT_EQ(diagonals.y, 5);
    // The centre of a board cell seen in perspective, as the board colour is measured.
    const SinglePoint cell = LineIntersection(100, 200, 160, 250, 102, 250, 158, 198);
    EXPECT_NEAR(cell.x, 129.432, 0.01);
    EXPECT_NEAR(cell.y, 224.527, 0.01);
}

TEST(Geometry, ParallelLinesGiveADistantPointInsteadOfDividingByZero) {
    const SinglePoint far = LineIntersection(0, 0, 1, 0, 0, 1, 1, 1);
    EXPECT_TRUE(std::isfinite(far.x));
    EXPECT_TRUE(std::isfinite(far.y));
    EXPECT_GT(std::fabs(far.x), 1e20f);
}
