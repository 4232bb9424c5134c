#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>

#include "game/GameState.h"
#include "recognition/BoardColour.h"
#include "recognition/Classification.h"
#include "recognition/ColourWindow.h"
#include "render/BoardPhoto.h"
#include "support/ClassificationCheck.h"
#include "support/ScriptedUserPort.h"

namespace {

// A board of the given size whose grid points are set, analysing move 1.
struct Board {
    GameState state;
    RecognitionState rec;
    ScriptedUserPort port;

    explicit Board(int boardSize) {
        state.BoardSize = boardSize;
        state.GridMax = boardSize - 1;
        state.MoveCount = 1;
        rec.HoshiList = HoshiListFor(boardSize);
    }
    void placeGrid(const std::function<QPoint(int, int)>& point) {
        for (int i = 0; i <= state.GridMax; ++i) {
            for (int j = 0; j <= state.GridMax; ++j) {
                state.GridPoints(i, j, 0) = point(i, j).x();
                state.GridPoints(i, j, 1) = point(i, j).y();
            }
        }
    }
    PositionChanges classify() { return ClassifyIntersections(state, rec, port, port); }
};

// A photo of one uniform colour.
QImage uniform(QRgb colour) {
    QImage photo(400, 400, QImage::Format_RGB32);
    photo.fill(colour);
    return photo;
}

int classifyUniform(QRgb colour) { return ClassifyWindow(SampleWindow(uniform(colour), 50, 50)); }

}  // namespace

// The boards stand far enough from the camera for a grid spacing of 40 to
// 50 pixels: with wider spacing the ink of a star point fills so much of the
// fixed window that an empty star point reads black (the classification
// matrix tool shows where).
struct RenderedCase {
    int boardSize;
    double distance;
    double tilt;
    double rotation;
};

class ClassificationOnPhotos : public testing::TestWithParam<RenderedCase> {};

TEST_P(ClassificationOnPhotos, EveryIntersectionIsReadRight) {
    const RenderedCase c = GetParam();
    BoardPhotoSetup setup;
    setup.boardSize = c.boardSize;
    setup.camera.distance = c.distance;
    setup.camera.tiltDegrees = c.tilt;
    setup.camera.rotationDegrees = c.rotation;
    setup.seed = static_cast<std::uint32_t>(c.boardSize * 100 + c.tilt);
    setup.stones = ScatteredStones(c.boardSize, setup.seed);
    const BoardPhoto photo = RenderBoardPhoto(setup);

    const ClassificationOutcome outcome = ClassifyOnPhoto(photo, setup.stones);
    EXPECT_TRUE(outcome.misreads.empty()) << outcome.describe().toStdString();

    const auto count = [&](int colour) {
        return static_cast<int>(std::count(setup.stones.begin(), setup.stones.end(), colour));
    };
    EXPECT_EQ(outcome.changes.newBlack, count(kBlack));
    EXPECT_EQ(outcome.changes.newWhite, count(kWhite));
    EXPECT_EQ(outcome.changes.goneBlack + outcome.changes.goneWhite, 0);
    EXPECT_EQ(outcome.eventTurns, c.boardSize);  // once per grid line
    EXPECT_EQ(outcome.liveBoardRedraws, 1);
}

INSTANTIATE_TEST_SUITE_P(Cameras, ClassificationOnPhotos,
                         testing::Values(RenderedCase{9, 2.5, 0, 0}, RenderedCase{13, 2.0, 0, 0},
                                         RenderedCase{19, 1.25, 0, 0}, RenderedCase{9, 2.5, 25, -6},
                                         RenderedCase{13, 2.0, 20, 4},
                                         RenderedCase{19, 1.25, 25, -3}),
                         [](const auto& info) {
                             return "Lines" + std::to_string(info.param.boardSize) + "Tilt" +
                                    std::to_string(static_cast<int>(info.param.tilt));
                         });

TEST(ColourWindow, SplitsTheLow24BitsOfAColour) {
    int red = 0;
    int green = 0;
    int blue = 0;
    SplitColour(0x123456, red, green, blue);
    EXPECT_EQ(red, 0x56);
    EXPECT_EQ(green, 0x34);
    EXPECT_EQ(blue, 0x12);
    SplitColour(-1, red, green, blue);  // the colour of a point outside a picture
    EXPECT_EQ(red + green + blue, 3 * 255);
}

TEST(ColourWindow, GreyIsAStoneAndColourIsTheBoard) {
    EXPECT_EQ(classifyUniform(qRgb(127, 127, 127)), kBlack);
    EXPECT_EQ(classifyUniform(qRgb(128, 128, 128)), kWhite);
    EXPECT_EQ(classifyUniform(qRgb(218, 168, 86)), kEmpty);

    ColourStats tie;  // equal distances: white
    tie.distanceWhite = tie.distanceBlack = 220.5f;
    EXPECT_EQ(ClassifyWindow(tie), kWhite);
    ColourStats edge;  // a saturation of exactly 48 is the board
    edge.saturation = 48.0f;
    EXPECT_EQ(ClassifyWindow(edge), kEmpty);
    edge.saturation = std::nextafter(48.0f, 0.0f);
    EXPECT_NE(ClassifyWindow(edge), kEmpty);
}

TEST(ColourWindow, MeansAreRoundedDownAndTheLuminanceIsNot) {
    // 224 pixels of (10, 20, 30) and one of (234, 244, 254).
    const ColourStats stats = StatsFromSums(224 * 10 + 234, 224 * 20 + 244, 224 * 30 + 254);
    EXPECT_EQ(stats.meanRed, 10);
    EXPECT_EQ(stats.meanBlue, 30);
    EXPECT_FLOAT_EQ(stats.luminance, 20.995556f);
    EXPECT_FLOAT_EQ(stats.distanceBlack, std::sqrt(1400.0f));
}

TEST(ColourWindow, TheBufferedReadGivesThePerPixelSums) {
    // Noise in a 24-bit format, which is converted before it is read.
    QImage noise(40, 30, QImage::Format_RGB888);
    std::uint32_t seed = 7;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            seed = seed * 1664525u + 1013904223u;
            noise.setPixel(x, y, seed >> 8);
        }
    }
    for (const QPoint centre : {QPoint(0, 0), QPoint(20, 15), QPoint(39, 29), QPoint(45, 3)}) {
        int sums[3] = {0, 0, 0};
        for (int dx = -7; dx <= 7; ++dx) {
            for (int dy = -7; dy <= 7; ++dy) {
                const QPoint p = centre + QPoint(dx, dy);
                int colour = -1;  // outside
                if (noise.rect().contains(p)) {
                    const QRgb pixel = noise.pixel(p);
                    colour = qRed(pixel) + 256 * qGreen(pixel) + 65536 * qBlue(pixel);
                }
                int red = 0;
                int green = 0;
                int blue = 0;
                SplitColour(colour, red, green, blue);
                sums[0] += red;
                sums[1] += green;
                sums[2] += blue;
            }
        }
        const ColourStats expected = StatsFromSums(sums[0], sums[1], sums[2]);
        const ColourStats read = SampleWindow(noise, centre.x(), centre.y());
        EXPECT_EQ(read.meanRed, expected.meanRed);
        EXPECT_EQ(read.meanGreen, expected.meanGreen);
        EXPECT_EQ(read.meanBlue, expected.meanBlue);
        EXPECT_EQ(read.luminance, expected.luminance) << centre.x() << ", " << centre.y();
    }
}

TEST(ColourWindow, PointsOutsideThePictureReadWhite) {
    const QImage black = uniform(qRgb(0, 0, 0));
    EXPECT_EQ(ClassifyWindow(SampleWindow(black, -20, -20)), kWhite);
    // Half of the window off the left edge: 105 of 225 pixels white.
    const ColourStats half = SampleWindow(black, 0, 50);
    EXPECT_EQ(half.meanRed, 105 * 255 / 225);
}

TEST(Classification, TheWindowSitsFivePixelsAboveThePoint) {
    Board board(9);
    // On a red board, a white patch that fills the window of the point at
    // y = 50 exactly: rows 38 to 52. Five red rows in the window make it empty.
    QImage photo = uniform(qRgb(255, 0, 0));
    for (int y = 38; y <= 52; ++y) {
        for (int x = 43; x <= 57; ++x) photo.setPixel(x, y, qRgb(240, 240, 240));
    }
    board.rec.Photo = photo;
    board.placeGrid([](int i, int j) { return QPoint(50 + 200 * i, 50 + 200 * j); });
    board.classify();
    EXPECT_EQ(board.state.Positions(0, 0, 1), kWhite);
    board.placeGrid([](int i, int j) { return QPoint(50 + 200 * i, 45 + 200 * j); });
    board.classify();
    EXPECT_EQ(board.state.Positions(0, 0, 1), kEmpty);
}

TEST(Classification, ChangesAreCountedAgainstTheMoveBefore) {
    Board board(9);
    board.rec.Photo = uniform(qRgb(218, 168, 86));  // an empty board
    board.placeGrid([](int i, int j) { return QPoint(50 + 30 * i, 50 + 30 * j); });
    board.state.Positions(0, 0, 0) = kWhite;
    board.state.Positions(1, 0, 0) = kBlack;
    board.state.Positions(2, 0, 0) = kBlack;
    PositionChanges changes = board.classify();
    EXPECT_EQ(changes.goneWhite, 1);
    EXPECT_EQ(changes.goneBlack, 2);
    EXPECT_FALSE(changes.colourChanged);
    EXPECT_TRUE(board.state.SituationLines[4].isEmpty());

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

    Board board(19);
    QImage photo(1000, 1000, QImage::Format_RGB32);
    photo.fill(qRgb(218, 168, 86));
    board.placeGrid([](int i, int j) { return QPoint(50 + 50 * i, 50 + 50 * j); });
    const auto putBlack = [&](int i, int j) {
        for (int dy = -12; dy <= 2; ++dy) {
            for (int dx = -7; dx <= 7; ++dx) photo.setPixel(50 + 50 * i + dx, 50 + 50 * j + dy, 0);
        }
    };
    for (int i : {3, 9, 15}) {
        for (int j : {3, 9, 15}) putBlack(i, j);
    }
    board.rec.Photo = photo;
    board.rec.HandicapCollecting = true;
    board.rec.HandicapList = "[aa]";
    board.classify();
    EXPECT_EQ(board.rec.HandicapCount, 9);
    EXPECT_TRUE(board.rec.HandicapOnHoshi);
    EXPECT_EQ(board.rec.HandicapList, "[dd][dj][dp][jd][jj][jp][pd][pj][pp]");  // i outer

    putBlack(4, 3);
    board.rec.Photo = photo;
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
    GameState state;
    state.BoardSize = 9;
    state.GridMax = 8;
    // Lines 40 pixels apart across, 30 down; the spacing grows by 2 per line
    // across, so the two corners see different neighbours.
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            state.GridPoints(i, j, 0) = 40 * i + i * i;
            state.GridPoints(i, j, 1) = 30 * j;
        }
    }
    EXPECT_FLOAT_EQ(DimensionePietra(state, 0, 0), 41.0f);  // towards (1, 0)
    EXPECT_FLOAT_EQ(DimensionePietra(state, 8, 8), 55.0f);  // towards (7, 8): 384 - 329
    state.BoardSize = 19;  // the same points on a larger board: (4, 4) is left of centre
    EXPECT_FLOAT_EQ(DimensionePietra(state, 4, 4), 49.0f);
}

TEST(BoardColour, TheSquaresAtTheCellCentresAreAveraged) {
    GameState state;
    state.BoardSize = 9;
    state.GridMax = 8;
    auto gridFrom = [&state](int x0) {
        for (int i = 0; i <= 8; ++i) {
            for (int j = 0; j <= 8; ++j) {
                state.GridPoints(i, j, 0) = x0 + 20 * i;
                state.GridPoints(i, j, 1) = 20 + 20 * j;
            }
        }
    };
    // Lines everywhere, the board's colour only in the 7 x 7 squares (3
    // pixels each way on 9 lines) around the cell centres.
    QImage photo(200, 200, QImage::Format_RGB32);
    photo.fill(qRgb(0, 0, 0));
    for (int cx = 30; cx < 180; cx += 20) {
        for (int cy = 30; cy < 180; cy += 20) {
            for (int x = cx - 3; x <= cx + 3; ++x) {
                for (int y = cy - 3; y <= cy + 3; ++y) photo.setPixel(x, y, qRgb(100, 60, 20));
            }
        }
    }
    gridFrom(20);
    EXPECT_EQ(MeanBoardColour(state, photo), 100 + 256 * 60 + 65536 * 20);

    // Shifted 40 pixels left, a column of cells lies outside and reads white:
    // (56 * 100 + 8 * 255) / 64 = 119.375, rounded down.
    photo.fill(qRgb(100, 60, 20));
    gridFrom(-20);
    EXPECT_EQ(MeanBoardColour(state, photo), 119 + 256 * 84 + 65536 * 49);
}
