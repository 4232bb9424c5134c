// The grid on the board's lines: the whole board chosen in the lattice a
// block of its grid continues, and the grid followed from photo to photo
// when the camera is knocked, on rendered folding boards with a seam and a
// printed border.
#include <gtest/gtest.h>

#include <QLineF>

#include "game/GameState.h"
#include "geometry/BoardWindow.h"
#include "geometry/GridFollowing.h"
#include "geometry/LinePieces.h"
#include "render/BoardPhoto.h"

namespace {

BoardPhotoSetup foldingBoard(std::uint32_t seed) {
    BoardPhotoSetup setup;
    setup.wood = BoardWood::kMaple;
    setup.table = TableCover::kBlueFelt;
    setup.seam = true;
    setup.borderLine = true;
    setup.seed = seed;
    setup.stones.assign(19 * 19, kEmpty);
    for (int k : {3 + 3 * 19, 15 + 3 * 19, 3 + 15 * 19, 15 + 15 * 19, 9 + 9 * 19})
        setup.stones[k] = kBlack;  // handicap stones already on the board
    return setup;
}

// Sets the game's grid to the block of intersections (first ... first + g)
// of the photo, both ways.
void useBlock(GameState& state, const BoardPhoto& photo, int first, int g) {
    state.BoardSize = g + 1;
    state.GridMax = g;
    for (int k = 0; k < (g + 1) * (g + 1); ++k) {
        const QPoint p = photo.pointAt(first + k % (g + 1), first + k / (g + 1)).toPoint();
        state.GridPoints(k % (g + 1), k / (g + 1), 0) = p.x();
        state.GridPoints(k % (g + 1), k / (g + 1), 1) = p.y();
    }
}

// The board the lattice of the game's grid (continued ten lines either way)
// shows, as the detection chooses it.
void chooseBoard(const QImage& photo, GameState& state) {
    std::optional<GridFrame> lattice = FrameOfGrid(state.grid());
    ASSERT_TRUE(lattice);
    lattice->firstColumn -= 10;
    lattice->firstRow -= 10;
    lattice->lastColumn += 10;
    lattice->lastRow += 10;
    const std::optional<BoardWindow> window =
        ChooseBoardWindow(EvenedBrightness(EvenedGrey(photo)), Brightness(photo), *lattice);
    ASSERT_TRUE(window);
    state.setGrid(GridOfFrame(window->frame));
}

// The largest distance of a grid corner from the photo's true corner, in
// grid spacings.
double cornerError(const GameState& state, const BoardPhoto& photo) {
    const GridCorners truth = photo.gridCorners();
    const double spacing = QLineF(truth[0], truth[1]).length() / (photo.boardSize - 1);
    const int g = state.GridMax;
    const QPoint corners[] = {{0, 0}, {g, 0}, {g, g}, {0, g}};
    double worst = 0;
    for (int c = 0; c < 4; ++c) {
        const QPointF found(state.GridPoints(corners[c].x(), corners[c].y(), 0),
                            state.GridPoints(corners[c].x(), corners[c].y(), 1));
        worst = std::max(worst, QLineF(found, truth[c]).length() / spacing);
    }
    return worst;
}

}  // namespace

// Blocks of the board grow to the whole grid; the whole board's grid stays
// where it was detected.
TEST(BoardWindow, ABlockOfTheBoardGrowsToTheWholeGrid) {
    const BoardPhoto photo = RenderBoardPhoto(foldingBoard(3));
    for (const auto& [first, g, tolerance] :
         {std::tuple{5, 8, 0.25}, {0, 8, 0.25}, {6, 12, 0.25}, {0, 18, 0.05}}) {
        GameState state;
        useBlock(state, photo, first, g);
        chooseBoard(photo.image, state);
        EXPECT_EQ(state.BoardSize, 19) << first << "+" << g;
        EXPECT_LT(cornerError(state, photo), tolerance) << first << "+" << g;
    }
    // A grid one row too low, its bottom line beyond the board: the board is
    // seen straight on, so every row lies one step below the one above.
    GameState state;
    useBlock(state, photo, 0, 18);
    const QPoint step = (photo.pointAt(0, 1) - photo.pointAt(0, 0)).toPoint();
    for (int k = 0; k < 19 * 19; ++k) {
        state.GridPoints(k % 19, k / 19, 0) += step.x();
        state.GridPoints(k % 19, k / 19, 1) += step.y();
    }
    chooseBoard(photo.image, state);
    EXPECT_LT(cornerError(state, photo), 0.25) << "one row too low";
}

TEST(GridFollowing, AKnockedCameraIsFollowedAndAStillOneLeavesTheGrid) {
    BoardPhotoSetup setup = foldingBoard(5);
    const BoardPhoto first = RenderBoardPhoto(setup);
    GameState state;
    useBlock(state, first, 0, 18);
    std::optional<FollowedGrid> followed = StartFollowing(first.image, state);
    ASSERT_TRUE(followed);

    setup.seed = 6;  // the same board, new noise
    const auto before = state.GridPoints;
    EXPECT_FALSE(FollowGrid(RenderBoardPhoto(setup).image, state, *followed));
    EXPECT_TRUE(state.GridPoints == before);

    // The third, a phone turned in the hand; the last, a camera knocked
    // farther than the grid can be followed, found afresh.
    for (const auto& [dx, dy, turn] : {std::tuple{30.0, -20.0, 1.0},
                                       {-12.0, 25.0, -0.5},
                                       {15.0, 10.0, 9.0},
                                       {-200.0, 120.0, 25.0}}) {
        setup.camera.shift = QPointF(dx, dy);
        setup.camera.rotationDegrees = turn;
        const BoardPhoto knocked = RenderBoardPhoto(setup);
        EXPECT_TRUE(FollowGrid(knocked.image, state, *followed));
        EXPECT_LT(cornerError(state, knocked), 0.1) << dx << "," << dy;
    }
}
