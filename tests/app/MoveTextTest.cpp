#include <gtest/gtest.h>

#include "app/GameState.h"
#include "app/MoveText.h"

TEST(MoveText, PointNamesTurnTheGridIndicesIntoBoardCoordinates) {
    // Top-left of a 19-line photograph: the last column letter, the top row.
    EXPECT_EQ(StoneMoveText(kWhite, 0, 0, 19), "B: T19");
    EXPECT_EQ(StoneMoveText(kBlack, 15, 15, 19), "N: D4");
    EXPECT_EQ(StoneMoveText(kBlack, 3, 3, 19), "N: Q16");
    // The letter I is skipped: index 8 is J.
    EXPECT_EQ(PointName(18, 10, 19), "J1");
    EXPECT_EQ(PointName(8, 8, 9), "A1");
    EXPECT_EQ(PointName(0, 0, 13), "N13");
}

TEST(MoveText, ColourInitialsAndPasses) {
    EXPECT_EQ(ColourInitial(kBlack), QChar('N'));
    EXPECT_EQ(ColourInitial(kWhite), QChar('B'));
    EXPECT_EQ(ColourInitial(kEmpty), QChar('?'));
    EXPECT_EQ(PassMoveText(kBlack), "N: pass");
    EXPECT_EQ(PassMoveText(kWhite), "B: pass");
}

TEST(MoveText, PhotoPositionsHaveAtLeastFourDigits) {
    EXPECT_EQ(PhotoPositionText(412, 987), "0412-0987");
    EXPECT_EQ(PhotoPositionText(0, 5), "0000-0005");
    EXPECT_EQ(PhotoPositionText(12345, 1600), "12345-1600");
}
