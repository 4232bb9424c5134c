#include <gtest/gtest.h>

#include <cmath>

#include "geometry/AngleTables.h"

TEST(AngleTables, CosineOfEachStepAndSineOfTheNextStep) {
    AngleTables tables;
    FillAngleTables(tables);
    const double step = M_PI / 720;
    for (int t : {0, 1, 179, 180, 359, 360, 540, 718, 719}) {
        const double angle = t * step - M_PI / 4;
        EXPECT_NEAR(tables.CosTable[t], std::cos(angle), 1e-6) << t;
        EXPECT_NEAR(tables.SinTable[t], std::sin(angle + step), 1e-6) << t;
    }
    EXPECT_FLOAT_EQ(tables.CosTable[180], 1.0f);  // angle 0
    EXPECT_FLOAT_EQ(tables.SinTable[539], 1.0f);  // the sine paired with 89.75 degrees
    EXPECT_EQ(tables.SinTable[719], tables.CosTable[0]);
}
