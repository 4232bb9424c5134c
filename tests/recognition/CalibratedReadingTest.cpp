#include <gtest/gtest.h>

#include <cmath>

#include "game/GameState.h"
#include "recognition/CalibratedReading.h"
#include "render/BoardPhoto.h"
#include "support/ClassificationCheck.h"

namespace {

// A game photographed on one board, read photo by photo against its first
// photo on the board's true grid, each reading the position before as
// Banmark keeps it.
struct PhotographedGame {
    explicit PhotographedGame(const BoardPhotoSetup& setup) : board(setup) {
        const BoardPhoto first = RenderBoardPhoto(board);
        state = OnTrueGrid(first);
        calibration = CalibrateBoard(first.image, state);
    }

    // Photographs the stones under the given light.
    BoardPhoto photograph(const std::vector<int>& stones, double exposure = 1,
                          std::array<double, 3> whiteBalance = {1, 1, 1}) const {
        BoardPhotoSetup setup = board;
        setup.stones = stones;
        setup.exposure = exposure;
        setup.whiteBalance = whiteBalance;
        return RenderBoardPhoto(setup);
    }

    // Reads the photo as the next move and returns the points read wrong,
    // "(i, j)" each.
    std::string read(const QImage& photo, const std::vector<int>& stones) {
        last = ReadCalibrated(photo, state, calibration, levels);
        levels = last.levels;
        QStringList wrong;
        const int n = board.boardSize;
        for (int k = 0; k < n * n; ++k) {
            const int verdict = last.points[LookIndex(k % n, k / n)].verdict;
            state.Positions(k % n, k / n, state.MoveCount) = verdict;
            if (verdict != (stones.empty() ? kEmpty : stones[k]))
                wrong << QStringLiteral("(%1, %2)").arg(k % n).arg(k / n);
        }
        ++state.MoveCount;
        return wrong.join(u' ').toStdString();
    }
    std::string read(const std::vector<int>& stones, double exposure = 1,
                     std::array<double, 3> whiteBalance = {1, 1, 1}) {
        return read(photograph(stones, exposure, whiteBalance).image, stones);
    }

    BoardPhotoSetup board;
    GameState state;
    BoardCalibration calibration;
    StoneLevels levels;
    CalibratedReading last;  // the reading of the last photo
};

// The first count stones of `all` in scan order, the rest of the board empty.
std::vector<int> firstStones(const std::vector<int>& all, int count) {
    std::vector<int> some(all.size(), kEmpty);
    for (std::size_t k = 0; k < all.size() && count > 0; ++k) {
        if (all[k] == kEmpty) continue;
        some[k] = all[k];
        --count;
    }
    return some;
}

// A maple board near the camera.
BoardPhotoSetup mapleBoard(int boardSize, QSize photo, double tilt, TableCover table) {
    BoardPhotoSetup setup;
    setup.boardSize = boardSize;
    setup.photoSize = photo;
    setup.camera.tiltDegrees = tilt;
    setup.camera.distance = 1.05;
    setup.wood = BoardWood::kMaple;
    setup.table = table;
    return setup;
}

}  // namespace

TEST(CalibratedReading, TheFixedRuleStaysWhereItReadsTheEmptyBoard) {
    BoardPhotoSetup kaya;
    kaya.boardSize = 9;
    kaya.photoSize = {1200, 900};
    kaya.camera.distance = 2.5;  // near, the ink of a star point looks black to the fixed rule
    const BoardPhoto orange = RenderBoardPhoto(kaya);
    const GameState state = OnTrueGrid(orange);
    EXPECT_FALSE(ChooseCalibration(orange.image, state));

    BoardPhotoSetup maple = kaya;
    maple.wood = BoardWood::kMaple;
    EXPECT_TRUE(ChooseCalibration(RenderBoardPhoto(maple).image, state));
}

// A game goes on, a third of the board filled at the end, while the camera's
// exposure and white balance change from photo to photo: a webcam at a steep
// angle over a pale board on a white cloth, and a large photo from above.
TEST(CalibratedReading, EveryPointIsReadThroughChangesOfLight) {
    for (const BoardPhotoSetup& board : {mapleBoard(19, {640, 480}, 35, TableCover::kWhiteCloth),
                                         mapleBoard(9, {2400, 1800}, 0, TableCover::kBlueFelt)}) {
        PhotographedGame game(board);
        const int n = board.boardSize;
        const std::vector<int> all = ScatteredStones(n, 7);
        EXPECT_EQ(game.read({}), "") << n;
        EXPECT_EQ(game.read(firstStones(all, 1), 0.85, {1.05, 1, 0.9}), "") << n;
        EXPECT_EQ(game.read(firstStones(all, 2), 1.15, {0.95, 1, 1.1}), "") << n;
        EXPECT_EQ(game.read(firstStones(all, 12), 0.8, {1, 1.05, 1}), "") << n;
        EXPECT_EQ(game.read(all, 1.2, {1.08, 0.95, 0.95}), "") << n;
    }
}

// Handicap stones put down before the first photograph differ from the
// board around them: they are the game's first black stones, and the empty
// look under them comes from the board around.
TEST(CalibratedReading, StonesOnTheFirstPhotoAreBlackStones) {
    BoardPhotoSetup setup = mapleBoard(19, {1600, 1200}, 10, TableCover::kWhiteCloth);
    setup.stones.assign(19 * 19, kEmpty);
    for (int k : {3 + 3 * 19, 15 + 15 * 19, 3 + 15 * 19, 15 + 3 * 19}) setup.stones[k] = kBlack;
    PhotographedGame game(setup);
    EXPECT_EQ(game.calibration.firstStones, std::vector<int>({60, 288, 72, 300}));

    std::vector<int> stones = setup.stones;
    EXPECT_EQ(game.read(stones), "");
    stones[9 + 9 * 19] = kWhite;
    EXPECT_EQ(game.read(stones, 1.1), "");
}

// The light of a square of the photo, reach pixels either way of p,
// multiplied by gain: the colour stays.
void lightSquare(QImage& image, QPointF p, double reach, double gain) {
    for (int y = int(p.y() - reach); y <= int(p.y() + reach); ++y) {
        for (int x = int(p.x() - reach); x <= int(p.x() + reach); ++x) {
            const QColor c = image.pixelColor(x, y);
            const auto lit = [gain](int v) { return std::min(255, int(v * gain)); };
            image.setPixelColor(x, y, QColor(lit(c.red()), lit(c.green()), lit(c.blue())));
        }
    }
}

// Where this game's white stones show a colour of their own (bluish white
// on pale maple), the colour tells what the brightness does not: light
// falling brighter on a corner of the board, or the board's pale edge
// doubled into it by a shaken camera, keeps the board's colour and is no
// stone; a white stone in a shadow, hardly brighter than the board, keeps
// its own and is one.
TEST(CalibratedReading, TheWhiteStonesColourTellsWhereTheirBrightnessDoesNot) {
    PhotographedGame game(mapleBoard(19, {1600, 1200}, 10, TableCover::kBlueFelt));
    std::vector<int> stones(19 * 19, kEmpty);
    stones[3 + 3 * 19] = kBlack;
    EXPECT_EQ(game.read(stones), "");
    stones[15 + 3 * 19] = kWhite;
    EXPECT_EQ(game.read(stones), "");
    stones[15 + 15 * 19] = kBlack;
    BoardPhoto photo = game.photograph(stones);
    const double spacing = photo.pointAt(1, 18).x() - photo.pointAt(0, 18).x();
    lightSquare(photo.image, photo.pointAt(0, 18), 0.4 * spacing, 1.25);
    EXPECT_EQ(game.read(photo.image, stones), "");

    stones[9 + 12 * 19] = kWhite;
    // The shadow takes the stone's brightness down to the middle of the
    // band where the brightness alone is not clear.
    PhotographedGame unshaded = game;
    EXPECT_EQ(unshaded.read(stones), "");
    const CalibratedReading& bright = unshaded.last;
    const double shade = (bright.limits.whiteBoard + bright.limits.whiteStone) / 2 -
                         bright.points[LookIndex(9, 12)].change;
    photo = game.photograph(stones);
    lightSquare(photo.image, photo.pointAt(9, 12), 0.4 * spacing, std::exp(shade));
    EXPECT_EQ(game.read(photo.image, stones), "");
}
