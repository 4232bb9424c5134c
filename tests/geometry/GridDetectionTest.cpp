// The grid detection on rendered photographs of empty boards: straight on
// and slightly turned, in landscape and portrait. These are the views the
// method handles whatever the photo's details; with a tilted camera, a 9-line
// board or a turn near 45 degrees the result depends on stray edges near the
// grid lines, and build/banmark_detection_matrix reports how those fare.
#include <gtest/gtest.h>

#include "support/DetectionCheck.h"

namespace {

struct View {
    int lines;
    double tilt;
    double turn;
};

class GridDetectionTest : public ::testing::TestWithParam<QSize> {};

}  // namespace

TEST_P(GridDetectionTest, FindsTheSizeAndEveryIntersection) {
    const View views[] = {{19, 0, 0}, {19, 0, 5}, {19, 0, -5}, {13, 0, 0}, {13, 0, 5}, {13, 0, -5}};
    std::uint32_t seed = 1;
    for (const View& view : views) {
        BoardPhotoSetup setup;
        setup.boardSize = view.lines;
        setup.photoSize = GetParam();
        setup.camera.tiltDegrees = view.tilt;
        setup.camera.rotationDegrees = view.turn;
        setup.seed = seed++;
        const DetectionOutcome outcome = DetectOnPhoto(RenderBoardPhoto(setup));
        const std::string name = QStringLiteral("%1 lines, tilt %2, turn %3")
                                     .arg(view.lines)
                                     .arg(view.tilt)
                                     .arg(view.turn)
                                     .toStdString();
        EXPECT_TRUE(outcome.found) << name;
        EXPECT_EQ(outcome.boardSize, view.lines) << name;
        EXPECT_LT(outcome.worstError, 0.1) << name << ": " << outcome.describe().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Photos, GridDetectionTest,
                         ::testing::Values(QSize(1600, 1200), QSize(1200, 1600)),
                         [](const auto& info) {
                             return QStringLiteral("%1x%2")
                                 .arg(info.param.width())
                                 .arg(info.param.height())
                                 .toStdString();
                         });
