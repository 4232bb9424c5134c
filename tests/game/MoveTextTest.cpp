#include <gtest/gtest.h>

#include "game/GameState.h"
#include "game/MoveText.h"

TEST(MoveText, PointNamesTurnTheGridIndicesIntoBoardCoordinates) {
    // Top-left of a 19-line photograph: the last column letter, the top row.
    EXPECT_EQ(StoneMoveText(kWhite, 0, 0, 19), "B: T19");
    EXPECT_EQ(StoneMoveText(kBlack, 15, 15, 19), "N: D4");
    EXPECT_EQ(PointName(18, 10, 19), "J1");  // no letter I
    EXPECT_EQ(PointName(8, 8, 9), "A1");
    EXPECT_EQ(PointName(0, 0, 13), "N13");
    EXPECT_EQ(ColourInitial(kEmpty), QChar('?'));
    EXPECT_EQ(PassMoveText(kBlack), "N: pass");
}

TEST(MoveText, PhotoPositionsHaveAtLeastFourDigits) {
    EXPECT_EQ(PhotoPositionText(412, 987), "0412-0987");
    EXPECT_EQ(PhotoPositionText(12345, 5), "12345-0005");
}
