#include <gtest/gtest.h>

#include "app/GameState.h"
#include "support/BoardPhoto.h"
#include "support/BoardView.h"

namespace {

int Brightness(const BoardPhoto& photo, QPointF at) {
    return qGray(photo.image.pixel(at.toPoint()));
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
