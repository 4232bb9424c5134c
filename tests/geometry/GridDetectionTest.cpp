// The grid detection on rendered photographs of empty boards: straight on
// and slightly turned, in landscape and portrait. These are the views the
// method handles whatever the photo's details; with a tilted camera, a 9-line
// board or a turn near 45 degrees the result depends on stray edges near the
// grid lines, and build/banmark_detection_matrix reports how those fare.
#include <gtest/gtest.h>

#include <QPainter>
#include <random>

#include "support/DetectionCheck.h"

namespace {

struct View {
    int lines;
    double tilt;
    double turn;
};

}  // namespace

TEST(GridDetection, FindsTheSizeAndEveryIntersection) {
    const View views[] = {{19, 0, 0}, {19, 0, 5}, {19, 0, -5}, {13, 0, 0}, {13, 0, 5}, {13, 0, -5}};
    for (const QSize photo : {QSize(1600, 1200), QSize(1200, 1600)}) {
        for (int k = 0; k < 6; ++k) {
            const View& view = views[k];
            BoardPhotoSetup setup;
            setup.boardSize = view.lines;
            setup.photoSize = photo;
            setup.camera.rotationDegrees = view.turn;
            setup.seed = k + 1;
            const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
            const std::string name = std::to_string(photo.width()) + " wide, " +
                                     std::to_string(view.lines) + " lines turned " +
                                     std::to_string(int(view.turn));
            EXPECT_EQ(outcome.boardSize, view.lines) << name;
            EXPECT_LT(outcome.worstError, 0.1) << name << ": " << outcome.describe().toStdString();
        }
    }
}

// Steep views of boards whose lines the votes do not tell apart: the search
// from the middle of the photo finds them.
TEST(GridDetection, ASteepViewTheVotesMissIsSearchedFromTheMiddle) {
    for (const View& view : {View{9, 15, 0}, View{13, 30, 0}}) {
        BoardPhotoSetup setup;
        setup.boardSize = view.lines;
        setup.camera.tiltDegrees = view.tilt;
        setup.seed = view.lines == 9 ? 104 : 120;
        const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
        EXPECT_EQ(outcome.boardSize, view.lines) << outcome.describe().toStdString();
        EXPECT_LT(outcome.worstError, 0.1) << outcome.describe().toStdString();
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
