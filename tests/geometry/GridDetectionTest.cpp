// The grid detection on rendered photographs of boards: empty ones straight
// on and slightly turned, in landscape and portrait, and steep views, empty
// and crowded. build/banmark_detection_matrix reports how a wider matrix of
// views, boards and stones fares.
#include <gtest/gtest.h>

#include <QPainter>
#include <random>

#include "support/DetectionCheck.h"

namespace {

BoardPhotoSetup view(int lines, QSize photo, double tilt, double turn, std::uint32_t seed) {
    BoardPhotoSetup setup;
    setup.boardSize = lines;
    setup.photoSize = photo;
    setup.camera.tiltDegrees = tilt;
    setup.camera.rotationDegrees = turn;
    setup.seed = seed;
    return setup;
}

}  // namespace

// Boards straight on and turned a little, in landscape and portrait; steep
// views of boards whose lines the votes do not tell apart; and a board
// nearly full of stones seen from low down in a portrait photograph, its
// columns meeting half the photograph's height above it. Its stones stand
// in relief over the lines: a quarter spacing is as close as a user can
// tell.
TEST(GridDetection, FindsTheSizeAndEveryIntersection) {
    std::vector<BoardPhotoSetup> views;
    for (const QSize photo : {QSize(1600, 1200), QSize(1200, 1600)}) {
        std::uint32_t seed = 0;
        for (int lines : {19, 13}) {
            for (double turn : {0.0, 5.0, -5.0})
                views.push_back(view(lines, photo, 0, turn, ++seed));
        }
    }
    views.push_back(view(9, {1600, 1200}, 15, 0, 104));
    views.push_back(view(13, {1600, 1200}, 30, 0, 120));
    views.push_back(view(19, {1200, 1600}, 50, 0, 120));
    views.back().stones = CrowdedBoard(19, 120);
    for (const BoardPhotoSetup& setup : views) {
        SCOPED_TRACE(testing::Message()
                     << setup.photoSize.width() << " wide, " << setup.boardSize << " lines, tilt "
                     << setup.camera.tiltDegrees << ", turned " << setup.camera.rotationDegrees);
        const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
        EXPECT_EQ(outcome.boardSize, setup.boardSize);
        EXPECT_LT(outcome.worstError, setup.stones.empty() ? 0.1 : 0.25)
            << outcome.describe().toStdString();
    }
}

// No board, no grid: neither on a felt's noise nor on a cloth printed with
// thin lines at an even spacing, which run on out of the photo.
TEST(GridDetection, ATableWithoutABoardHasNoGrid) {
    BoardPhoto felt;
    felt.image = QImage(1600, 1200, QImage::Format_RGB32);
    std::mt19937 noise(7);
    std::uniform_int_distribution<int> grain(-25, 25);
    for (int y = 0; y < felt.image.height(); ++y) {
        for (int x = 0; x < felt.image.width(); ++x)
            felt.image.setPixel(x, y,
                                qRgb(30 + grain(noise) / 2, 50 + grain(noise), 120 + grain(noise)));
    }
    EXPECT_FALSE(DetectOnPhoto(felt).found);

    BoardPhoto cloth;
    cloth.image = QImage(1600, 1200, QImage::Format_RGB32);
    cloth.image.fill(qRgb(235, 230, 215));
    QPainter painter(&cloth.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 70, 60), 2));
    painter.rotate(3);
    for (int k = -40; k <= 60; ++k) {
        painter.drawLine(QPointF(k * 55, -400), QPointF(k * 55, 1600));
        painter.drawLine(QPointF(-400, k * 55), QPointF(2000, k * 55));
    }
    painter.end();
    EXPECT_FALSE(DetectOnPhoto(cloth).found);
}
