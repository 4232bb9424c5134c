#include <gtest/gtest.h>

#include "game/GameState.h"
#include "recognition/PointInspection.h"
#include "support/Boards.h"

TEST(PointInspection, PlaceOfThePointOnTheGrid) {
    GameState state;
    PlaceSquareGrid(state, 9, {100, 100}, 40);
    const float start = 1000;
    // (1, 0) lies at (140, 100): column letter of GridMax - 0, row 9 - 1.
    EXPECT_EQ(IntersectionSuffix(state, 145, 108, start), " (J8)");
    // Half the spacing is 20: 21 pixels from every intersection is outside.
    EXPECT_EQ(IntersectionSuffix(state, 121, 80, start), " (Esterno)");
    // Exactly half the spacing away is inside, and on equal distances the
    // first intersection in scan order wins: (0, 0) rather than (1, 0).
    EXPECT_EQ(IntersectionSuffix(state, 120, 100, start), " (J9)");

    GameState noGrid;
    noGrid.BoardSize = -1;
    noGrid.GridMax = -1;
    EXPECT_EQ(IntersectionSuffix(noGrid, 145, 108, start), "");
}
