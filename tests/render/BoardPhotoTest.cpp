#include <gtest/gtest.h>

#include <cmath>

#include "game/GameState.h"
#include "render/BoardPhoto.h"
#include "render/BoardView.h"

namespace {

int Brightness(const BoardPhoto& photo, QPointF at) {
    return qGray(photo.image.pixel(at.toPoint()));
}

// How far the channel means around a spot lie from their common mean, summed.
double Saturation(const QImage& image, QPoint at) {
    double sums[3] = {0, 0, 0};
    for (int y = at.y() - 3; y <= at.y() + 3; ++y) {
        for (int x = at.x() - 3; x <= at.x() + 3; ++x) {
            const QRgb pixel = image.pixel(x, y);
            sums[0] += qRed(pixel);
            sums[1] += qGreen(pixel);
            sums[2] += qBlue(pixel);
        }
    }
    const double mean = (sums[0] + sums[1] + sums[2]) / 3;
    return (std::abs(sums[0] - mean) + std::abs(sums[1] - mean) + std::abs(sums[2] - mean)) / 49;
}

}  // namespace

TEST(BoardPhoto, TheSameSeedGivesTheSamePhotoAndAnotherSeedAnother) {
    BoardPhotoSetup setup;
    setup.boardSize = 9;
    setup.photoSize = {480, 360};
    setup.stones.assign(81, kEmpty);
    setup.stones[40] = kBlack;
    const QImage first = RenderBoardPhoto(setup).image;
    EXPECT_EQ(first.size(), QSize(480, 360));
    EXPECT_EQ(RenderBoardPhoto(setup).image, first);
    setup.seed = 2;
    EXPECT_NE(RenderBoardPhoto(setup).image, first);
}

TEST(BoardPhoto, StraightOnTheGridIsEvenlySpacedAndCentred) {
    const BoardView view(19, {1600, 1200}, Camera{});
    const double spacing = 0.8 * 1200 / 18;
    const QPointF origin = view.project(0, 0);
    EXPECT_NEAR(origin.x(), 799.5 - 9 * spacing, 1e-6);
    EXPECT_NEAR(origin.y(), 599.5 - 9 * spacing, 1e-6);
    for (int j = 0; j < 19; ++j) {
        for (int i = 0; i < 19; ++i) {
            const QPointF point = view.plane(0).map(QPointF(i, j));
            EXPECT_NEAR(point.x(), origin.x() + i * spacing, 1e-6) << i << "," << j;
            EXPECT_NEAR(point.y(), origin.y() + j * spacing, 1e-6) << i << "," << j;
        }
    }
}

TEST(BoardPhoto, TiltNarrowsTheFarEdgeRotationTurnsCounterClockwiseAndTheGridStaysInside) {
    const BoardView tilted(19, {1600, 1200}, Camera{30, 0, 1});
    EXPECT_LT(tilted.project(18, 0).x() - tilted.project(0, 0).x(),
              0.9 * (tilted.project(18, 18).x() - tilted.project(0, 18).x()));
    const BoardView turned(19, {1600, 1200}, Camera{0, 10, 1});
    EXPECT_LT(turned.project(18, 0).y(), turned.project(0, 0).y() - 50);

    for (const QSize size : {QSize(1600, 1200), QSize(1200, 1600)}) {
        for (const double rotation : {-45.0, 45.0}) {
            const BoardView view(19, size, Camera{30, rotation, 1});
            for (const auto& [i, j] : {std::pair{0, 0}, {18, 0}, {0, 18}, {18, 18}}) {
                const QPointF corner = view.project(i, j);
                EXPECT_TRUE(QRectF(QPointF(0, 0), size).contains(corner))
                    << size.width() << "x" << size.height() << " " << rotation << ": " << i << ","
                    << j << " at " << corner.x() << "," << corner.y();
            }
        }
    }
}

// The photo must show the lines and stones where the returned points say.
TEST(BoardPhoto, LinesAndStonesAreDrawnAtTheReturnedPoints) {
    BoardPhotoSetup setup;
    setup.boardSize = 13;
    setup.camera = {20, 15, 1.2};
    setup.stones.assign(13 * 13, kEmpty);
    for (int k = 0; k < 13; k += 2) {
        setup.stones[k + 2 * 13] = kBlack;
        setup.stones[k + 10 * 13] = kWhite;
    }
    const BoardPhoto photo = RenderBoardPhoto(setup);
    ASSERT_EQ(photo.points.size(), 13u * 13);
    for (int k = 0; k < 13; k += 2) {
        EXPECT_LT(Brightness(photo, photo.pointAt(k, 2)), 60) << k;
        EXPECT_GT(Brightness(photo, photo.pointAt(k, 10)), 170) << k;
    }
    // On the empty rows each crossing is darker than the middle of the square below it.
    for (int j = 4; j < 8; ++j) {
        for (int i = 0; i < 12; ++i) {
            const QPointF middle = (photo.pointAt(i, j) + photo.pointAt(i + 1, j + 1)) / 2;
            EXPECT_LT(Brightness(photo, photo.pointAt(i, j)), Brightness(photo, middle) - 50)
                << i << "," << j;
        }
    }
}

// A steep webcam over a pale board on a white cloth: the wood stays nearly
// grey, and a hand over row 9 shows skin on its first columns and leaves the
// photo alone beyond the fourth column.
TEST(BoardPhoto, AMapleBoardIsNearlyGreyAndAHandChangesOnlyTheLeftColumns) {
    BoardPhotoSetup setup;
    setup.photoSize = {640, 480};
    setup.camera = {38, 0, 0.92};
    setup.wood = BoardWood::kMaple;
    setup.table = TableCover::kWhiteCloth;
    const BoardPhoto plain = RenderBoardPhoto(setup);
    for (const auto& [i, j] : {std::pair{3, 3}, {9, 9}, {15, 15}}) {
        const QPointF square = (plain.pointAt(i, j) + plain.pointAt(i + 1, j + 1)) / 2;
        EXPECT_LT(Saturation(plain.image, square.toPoint()), 25) << i << "," << j;
    }
    setup.handRow = 9;
    const BoardPhoto hand = RenderBoardPhoto(setup);
    for (const int i : {0, 1}) {
        const QRgb skin = hand.image.pixel(hand.pointAt(i, 9).toPoint());
        EXPECT_GT(qRed(skin) - qBlue(skin), 40) << i;
    }
    const int beyond = static_cast<int>(hand.pointAt(4, 9).x());
    int changed = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = beyond; x < 640; ++x)
            changed += hand.image.pixel(x, y) != plain.image.pixel(x, y);
    }
    EXPECT_EQ(changed, 0);
}

// The seam and the border line darken the wood where they are said to lie:
// the seam from one wood edge to the other, the line on each side of the grid.
TEST(BoardPhoto, TheSeamAndTheBorderLineLieWhereTheySay) {
    BoardPhotoSetup setup;
    setup.boardSize = 9;
    setup.photoSize = {640, 480};
    const BoardPhoto plain = RenderBoardPhoto(setup);
    setup.seam = setup.borderLine = true;
    const BoardPhoto marked = RenderBoardPhoto(setup);
    const BoardView view(9, setup.photoSize, setup.camera);
    const double seam = 4 + kSeamBelowCentre;
    const double out = kBorderLineOutside;
    const std::pair<double, double> marks[] = {{-0.65, seam}, {3.5, seam},    {8.65, seam},
                                               {-out, 2.5},   {8 + out, 5.5}, {1.5, -out},
                                               {6.5, 8 + out}};
    for (const auto& [i, j] : marks) {
        const QPointF at = view.project(i, j);
        EXPECT_LT(Brightness(marked, at), Brightness(plain, at) - 60) << i << "," << j;
    }
}
