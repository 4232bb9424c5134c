#include <gtest/gtest.h>

#include "app/ProgressModel.h"

TEST(ProgressModel, PercentageRoundsTiesToEven) {
    ProgressModel bar;
    long value = 1;
    bar.Show(value, 8);
    EXPECT_EQ(bar.PercentText(), "12 %");  // 12.5
    value = 3;
    bar.Show(value, 0);
    EXPECT_EQ(bar.PercentText(), "38 %");  // 37.5
}

TEST(ProgressModel, TextRidesAtTheEndOfTheBluePart) {
    ProgressModel bar;
    long value = 0;
    bar.Show(value, 1);
    EXPECT_EQ(bar.FilledWidth(200, 30), 0);  // empty bar: the text at the left end
    value = 1;
    bar.Show(value, 0);
    // full bar: blue up to width - text - 1, the text then ends at the last column
    EXPECT_EQ(bar.FilledWidth(200, 30), 169);
    value = 5;
    bar.Show(value, 10);
    EXPECT_EQ(bar.FilledWidth(200, 30), 84);  // 169 / 2 = 84.5, ties to even
}
