// The grid detection on rendered photographs of boards: empty ones straight
// on and slightly turned, in landscape and portrait, and steep views, empty
// and crowded. build/banmark_detection_matrix reports how a wider matrix of
// views, boards and stones fares.
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

// Steep views of boards whose lines the votes do not tell apart, and a
// board nearly full of stones seen from low down in a portrait photograph,
// its columns meeting half the photograph's height above it: its stones
// stand in relief over the lines, a quarter spacing is as close as a user
// can tell.
TEST(GridDetection, ASteepViewIsFoundEmptyOrCrowded) {
    struct Steep {
        View view;
        QSize photo;
        bool crowded;
        double tolerance;
    };
    for (const Steep& steep : {Steep{{9, 15, 0}, {1600, 1200}, false, 0.1},
                               Steep{{13, 30, 0}, {1600, 1200}, false, 0.1},
                               Steep{{19, 50, 0}, {1200, 1600}, true, 0.25}}) {
        BoardPhotoSetup setup;
        setup.boardSize = steep.view.lines;
        setup.photoSize = steep.photo;
        setup.camera.tiltDegrees = steep.view.tilt;
        setup.seed = steep.view.lines == 9 ? 104 : 120;
        if (steep.crowded) setup.stones = CrowdedBoard(steep.view.lines, setup.seed);
        const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
        EXPECT_EQ(outcome.boardSize, steep.view.lines) << outcome.describe().toStdString();
        EXPECT_LT(outcome.worstError, steep.tolerance) << outcome.describe().toStdString();
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
