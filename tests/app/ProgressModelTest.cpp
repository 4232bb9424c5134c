#include <gtest/gtest.h>

#include "app/ProgressModel.h"

TEST(ProgressModel, UpdateBeforeStartDoesNothing) {
    ProgressModel bar;
    long value = 5;
    EXPECT_EQ(bar.Show(value, 0), ProgressChange::Ignored);
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(bar.InUse());
}

TEST(ProgressModel, StartUpdateStop) {
    ProgressModel bar;
    long value = 0;
    EXPECT_EQ(bar.Show(value, 40), ProgressChange::Started);
    EXPECT_EQ(bar.Tag(), "40");
    value = 10;
    EXPECT_EQ(bar.Show(value, 0), ProgressChange::Updated);
    EXPECT_EQ(bar.PercentText(), "25 %");
    EXPECT_EQ(bar.Show(value, -1), ProgressChange::Stopped);
    EXPECT_TRUE(bar.Tag().isEmpty());
    EXPECT_EQ(bar.Show(value, 0), ProgressChange::Ignored);
}

TEST(ProgressModel, ValuesOutsideTheRangeAreClampedAndWrittenBack) {
    ProgressModel bar;
    long value = 9;
    bar.Show(value, 4);
    EXPECT_EQ(value, 4);
    EXPECT_EQ(bar.PercentText(), "100 %");
    value = -3;
    bar.Show(value, 0);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(bar.PercentText(), "0 %");
}

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
