#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "game/GameState.h"
#include "recognition/BoardColour.h"
#include "recognition/Classification.h"
#include "recognition/ColourWindow.h"
#include "render/BoardPhoto.h"
#include "support/Boards.h"
#include "support/ClassificationCheck.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedUserPort.h"

namespace {

// A board on a square grid, analysing move 1.
struct Board {
    GameState state;
    RecognitionState rec;
    ScriptedUserPort port;

    Board(int boardSize, QPoint corner, int spacing) {
        PlaceSquareGrid(state, boardSize, corner, spacing);
        state.MoveCount = 1;
        rec.HoshiList = HoshiListFor(boardSize);
    }
    PositionChanges classify() { return ClassifyIntersections(state, rec, port, port); }
};

// A square photo of one uniform colour.
QImage uniform(QRgb colour, int side = 400) {
    QImage photo(side, side, QImage::Format_RGB32);
    photo.fill(colour);
    return photo;
}

}  // namespace

// The boards stand far enough from the camera for a grid spacing of 40 to
// 50 pixels: with wider spacing the ink of a star point fills so much of the
// fixed window that an empty star point reads black (the classification
// matrix tool shows where).
TEST(Classification, EveryIntersectionOfARenderedBoardIsReadRight) {
    struct View {
        int boardSize;
        double distance, tilt, rotation;
    };
    for (const View& v : {View{9, 2.5, 0, 0}, View{13, 2.0, 0, 0}, View{19, 1.25, 0, 0},
                          View{9, 2.5, 25, -6}, View{13, 2.0, 20, 4}, View{19, 1.25, 25, -3}}) {
        BoardPhotoSetup setup;
        setup.boardSize = v.boardSize;
        setup.camera = {v.tilt, v.rotation, v.distance};
        setup.seed = static_cast<std::uint32_t>(v.boardSize * 100 + v.tilt);
        setup.stones = ScatteredStones(v.boardSize, setup.seed);
        const ClassificationOutcome outcome =
            ClassifyOnPhoto(RenderBoardPhoto(setup), setup.stones);
        SCOPED_TRACE(testing::Message() << v.boardSize << " lines, tilt " << v.tilt);
        EXPECT_EQ(outcome.misreads, QStringList());
        EXPECT_EQ(outcome.eventTurns, v.boardSize);  // once per grid line
        EXPECT_EQ(outcome.liveBoardRedraws, 1);
    }
}

TEST(ColourWindow, GreyIsAStoneAndColourIsTheBoard) {
    EXPECT_EQ(ClassifyWindow(SampleWindow(uniform(qRgb(127, 127, 127)), 50, 50)), kBlack);
    EXPECT_EQ(ClassifyWindow(SampleWindow(uniform(qRgb(128, 128, 128)), 50, 50)), kWhite);
    EXPECT_EQ(ClassifyWindow(SampleWindow(uniform(qRgb(218, 168, 86)), 50, 50)), kEmpty);

    ColourStats tie;  // equal distances: white
    tie.distanceWhite = tie.distanceBlack = 220.5f;
    EXPECT_EQ(ClassifyWindow(tie), kWhite);
    ColourStats edge;  // a saturation of exactly 48 is the board
    edge.saturation = 48.0f;
    EXPECT_EQ(ClassifyWindow(edge), kEmpty);
    edge.saturation = std::nextafter(48.0f, 0.0f);
    EXPECT_NE(ClassifyWindow(edge), kEmpty);
}

TEST(ColourWindow, MeansAreRoundedDownAndPointsOutsideThePictureReadWhite) {
    // 224 pixels of (10, 20, 30) and one of (234, 244, 254).
    const ColourStats stats = StatsFromSums(224 * 10 + 234, 224 * 20 + 244, 224 * 30 + 254);
    EXPECT_EQ(stats.meanRed, 10);
    EXPECT_EQ(stats.meanBlue, 30);
    EXPECT_FLOAT_EQ(stats.luminance, 20.995556f);
    EXPECT_FLOAT_EQ(stats.distanceBlack, std::sqrt(1400.0f));
    EXPECT_EQ(ColourOfValue(0x123456), QColor(0x56, 0x34, 0x12));  // as the board colour is kept

    // 24-bit pixels, which are converted before they are read.
    QImage black(400, 400, QImage::Format_RGB888);
    black.fill(Qt::black);
    EXPECT_EQ(ClassifyWindow(SampleWindow(black, -20, -20)), kWhite);
    // Half of the window off the left edge: 105 of 225 pixels white.
    EXPECT_EQ(SampleWindow(black, 0, 50).meanRed, 105 * 255 / 225);
    // At the far corner 8 x 8 pixels are inside.
    EXPECT_EQ(SampleWindow(black, 399, 399).meanGreen, (225 - 64) * 255 / 225);
    EXPECT_EQ(ColourOfValue(-1), QColor(Qt::white));  // the colour of a point outside a picture
}

TEST(Classification, TheWindowSitsFivePixelsAboveThePoint) {
    Board board(9, {50, 50}, 200);
    // On a red board, a white patch that fills the window of the point at
    // y = 50 exactly: rows 38 to 52. Five red rows in the window make it empty.
    QImage photo = uniform(qRgb(255, 0, 0));
    for (int k = 0; k < 225; ++k) photo.setPixel(43 + k % 15, 38 + k / 15, qRgb(240, 240, 240));
    board.rec.Photo = photo;
    board.classify();
    EXPECT_EQ(board.state.Positions(0, 0, 1), kWhite);
    PlaceSquareGrid(board.state, 9, {50, 45}, 200);
    board.classify();
    EXPECT_EQ(board.state.Positions(0, 0, 1), kEmpty);
}

TEST(Classification, ChangesAreCountedAgainstTheMoveBefore) {
    Board board(9, {50, 50}, 30);
    board.rec.Photo = uniform(qRgb(218, 168, 86));  // an empty board
    LayRows(board.state, 0, "O X X");
    PositionChanges changes = board.classify();
    EXPECT_EQ(changes.goneWhite, 1);
    EXPECT_EQ(changes.goneBlack, 2);
    EXPECT_FALSE(changes.colourChanged);

    // White before, black now: only the colour change is noted.
    board.rec.Photo = uniform(qRgb(20, 20, 20));
    changes = board.classify();
    EXPECT_TRUE(changes.colourChanged);
    EXPECT_EQ(board.state.SituationLines[4], "Almeno una pietra ha cambiato colore.");
    EXPECT_EQ(changes.newBlack, 78);  // the two black stones stay as they were
    EXPECT_EQ(changes.goneWhite, 0);
    // The next pass starts with the line cleared.
    board.rec.Photo = uniform(qRgb(218, 168, 86));
    board.classify();
    EXPECT_TRUE(board.state.SituationLines[4].isEmpty());
}

TEST(Classification, HandicapStonesAreListedAndCheckedAgainstTheStarPoints) {
    EXPECT_EQ(HoshiListFor(9), "[cc][ec][gc][ce][ee][ge][cg][eg][gg]");
    EXPECT_EQ(HoshiListFor(13), "[dd][gd][jd][dg][gg][jg][dj][gj][jj]");

    Board board(19, {50, 50}, 50);
    QImage& photo = board.rec.Photo;
    photo = uniform(qRgb(218, 168, 86), 1000);
    const auto putBlack = [&](int i, int j) {  // over the window, five pixels above the point
        for (int k = 0; k < 225; ++k) photo.setPixel(43 + 50 * i + k % 15, 38 + 50 * j + k / 15, 0);
    };
    for (int i : {3, 9, 15}) {
        for (int j : {3, 9, 15}) putBlack(i, j);
    }
    board.rec.HandicapCollecting = true;
    board.rec.HandicapList = "[aa]";
    board.classify();
    EXPECT_EQ(board.rec.HandicapCount, 9);
    EXPECT_TRUE(board.rec.HandicapOnHoshi);
    EXPECT_EQ(board.rec.HandicapList, "[dd][dj][dp][jd][jj][jp][pd][pj][pp]");  // i outer

    putBlack(4, 3);
    board.classify();
    EXPECT_EQ(board.rec.HandicapCount, 10);
    EXPECT_FALSE(board.rec.HandicapOnHoshi);

    // Once collecting has stopped, the list stays as it was.
    board.rec.HandicapCollecting = false;
    board.classify();
    EXPECT_EQ(board.rec.HandicapCount, 0);
    EXPECT_TRUE(board.rec.HandicapOnHoshi);
    EXPECT_EQ(board.rec.HandicapList.size(), 40);
}

TEST(Classification, StoneSizeIsMeasuredTowardsTheCentre) {
    // Lines 40 pixels apart across, 30 down; the spacing grows by 2 per line
    // across, so the two corners see different neighbours.
    Board board(9, {0, 0}, 30);
    for (int i = 0; i <= 8; ++i) {
        for (int j = 0; j <= 8; ++j) board.state.GridPoints(i, j, 0) = 40 * i + i * i;
    }
    EXPECT_FLOAT_EQ(DimensionePietra(board.state, 0, 0), 41.0f);  // towards (1, 0)
    EXPECT_FLOAT_EQ(DimensionePietra(board.state, 8, 8), 55.0f);  // towards (7, 8): 384 - 329
    board.state.BoardSize = 19;  // the same points on a larger board: (4, 4) is left of centre
    EXPECT_FLOAT_EQ(DimensionePietra(board.state, 4, 4), 49.0f);
}

TEST(BoardColour, TheSquaresAtTheCellCentresAreAveraged) {
    // Lines everywhere, the board's colour only in the 7 x 7 squares (3
    // pixels each way on 9 lines) around the cell centres.
    QImage photo = uniform(qRgb(0, 0, 0));
    for (int cx = 30; cx < 180; cx += 20) {
        for (int cy = 30; cy < 180; cy += 20) {
            for (int k = 0; k < 49; ++k)
                photo.setPixel(cx - 3 + k % 7, cy - 3 + k / 7, qRgb(100, 60, 20));
        }
    }
    Board board(9, {20, 20}, 20);
    EXPECT_EQ(MeanBoardColour(board.state, photo), 100 + 256 * 60 + 65536 * 20);

    // Shifted 40 pixels left, a column of cells lies outside and reads white:
    // (56 * 100 + 8 * 255) / 64 = 119.375, rounded down.
    photo.fill(qRgb(100, 60, 20));
    PlaceSquareGrid(board.state, 9, {-20, 20}, 20);
    EXPECT_EQ(MeanBoardColour(board.state, photo), 119 + 256 * 84 + 65536 * 49);
}
