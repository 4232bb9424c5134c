#include <gtest/gtest.h>

#include <cmath>

#include "util/Geometry.h"

TEST(Geometry, ParallelLinesGiveADistantPointInsteadOfDividingByZero) {
    const SinglePoint far = LineIntersection(0, 0, 1, 0, 0, 1, 1, 1);
    EXPECT_TRUE(std::isfinite(far.x));
    EXPECT_TRUE(std::isfinite(far.y));
    EXPECT_GT(std::fabs(far.x), 1e20f);
}
