#include <gtest/gtest.h>

#include "game/GameState.h"
#include "recognition/PointInspection.h"

namespace {

// A 9-line grid with 40 pixels between lines, its corner at (100, 100).
GameState nineLineGrid() {
    GameState state;
    state.BoardSize = 9;
    state.GridMax = 8;
    for (int i = 0; i <= 8; ++i) {
        for (int j = 0; j <= 8; ++j) {
            state.GridPoints(i, j, 0) = 100 + 40 * i;
            state.GridPoints(i, j, 1) = 100 + 40 * j;
        }
    }
    return state;
}

}  // namespace

TEST(PointInspection, PlaceOfThePointOnTheGrid) {
    GameState state = nineLineGrid();
    const float start = 1000;
    // (1, 0) lies at (140, 100): column letter of GridMax - 0, row 9 - 1.
    EXPECT_EQ(IntersectionSuffix(state, 145, 108, start), " (J8)");
    EXPECT_EQ(IntersectionSuffix(state, 100, 100, start), " (J9)");
    // Half the spacing is 20: 21 pixels from every intersection is outside.
    EXPECT_EQ(IntersectionSuffix(state, 121, 80, start), " (Esterno)");
    EXPECT_EQ(IntersectionSuffix(state, 600, 600, start), " (Esterno)");
    // On equal distances the first intersection in scan order wins.
    const NearestIntersection between = FindNearestIntersection(state, 120, 100, start);
    EXPECT_EQ(between.i, 0);
    EXPECT_EQ(between.j, 0);

    GameState noGrid;
    noGrid.BoardSize = -1;
    noGrid.GridMax = -1;
    EXPECT_EQ(IntersectionSuffix(noGrid, 145, 108, start), "");
}
