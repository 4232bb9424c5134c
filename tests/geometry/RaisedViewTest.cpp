#include <gtest/gtest.h>

#include <cmath>

#include "geometry/RaisedView.h"

// A camera with an 800 px lens, 30 spacings from the board's middle, looking
// at it 0.6 rad from straight down: where stone tops 0.4 spacings high show,
// taken back onto the board, must be where the camera sees them.
TEST(RaisedView, StoneTopsShowWhereTheCameraSeesThem) {
    const double tilt = 0.6;
    const cv::Matx33d lens(800, 0, 500, 0, 800, 400, 0, 0, 1);
    const cv::Matx33d turn = cv::Matx33d(1, 0, 0, 0, std::cos(tilt), -std::sin(tilt), 0,
                                         std::sin(tilt), std::cos(tilt)) *
                             cv::Matx33d(1, 0, 0, 0, -1, 0, 0, 0, -1);
    const cv::Vec3d shift = -(turn * cv::Vec3d(9, 9 + 30 * std::sin(tilt), 30 * std::cos(tilt)));
    const cv::Matx33d toPhoto =
        lens * cv::Matx33d(turn(0, 0), turn(0, 1), shift[0], turn(1, 0), turn(1, 1), shift[1],
                           turn(2, 0), turn(2, 1), shift[2]);
    const RaisedView view(Homography(toPhoto), QSize(1000, 800));
    for (const auto& [u, v] : {std::pair{0, 0}, {18, 0}, {9, 9}, {0, 18}, {18, 18}}) {
        const cv::Vec3d seen = toPhoto.inv() * (lens * (turn * cv::Vec3d(u, v, 0.4) + shift));
        const QPointF off = view.seen(u, v, 0.4) - QPointF(seen[0] / seen[2], seen[1] / seen[2]);
        EXPECT_LT(std::hypot(off.x(), off.y()), 1e-6) << u << "," << v;
    }
}
