#include "geometry/RaisedView.h"

#include <algorithm>
#include <cmath>

namespace {

// A lens whose focal length, in pixels, lies outside these shares of the
// photograph's longer side is none a phone or a webcam has (the widest
// lens of a phone, 13 mm as on a film camera, is 0.38 of a 4:3 photograph's
// longer side); such a value comes from a view too straight, or a grid too
// little off square, for the board's squareness to fix it, and the lens is
// then taken as long as the photograph.
constexpr double kShortestLens = 0.35;
constexpr double kLongestLens = 4;

// The focal length that makes the board's two ways square to each other
// and equally long, in least squares over the two conditions on the
// mapping's columns (taken about the photograph's centre).
double focalLength(const cv::Matx33d& m, double longSide) {
    const cv::Vec3d a(m(0, 0), m(1, 0), m(2, 0)), b(m(0, 1), m(1, 1), m(2, 1));
    // Each condition reads p / f² + q = 0.
    const double p1 = a[0] * b[0] + a[1] * b[1], q1 = a[2] * b[2];
    const double p2 = a[0] * a[0] + a[1] * a[1] - b[0] * b[0] - b[1] * b[1];
    const double q2 = a[2] * a[2] - b[2] * b[2];
    const double inverseSquare = -(p1 * q1 + p2 * q2) / (p1 * p1 + p2 * p2);
    const double f = inverseSquare > 0 ? 1 / std::sqrt(inverseSquare) : 0;
    if (!std::isfinite(f) || f < kShortestLens * longSide || f > kLongestLens * longSide)
        return longSide;
    return f;
}

}  // namespace

RaisedView::RaisedView(const Homography& toPhoto, QSize photo) {
    const cv::Matx33d m =
        (Homography::Translation(-photo.width() / 2.0, -photo.height() / 2.0) * toPhoto).matrix();
    const double f = focalLength(m, std::max(photo.width(), photo.height()));
    // The camera's view of the board: m = K [r1 r2 t] / scale, K the lens.
    const cv::Matx33d camera = cv::Matx33d(1 / f, 0, 0, 0, 1 / f, 0, 0, 0, 1) * m;
    const cv::Vec3d r1(camera(0, 0), camera(1, 0), camera(2, 0));
    const cv::Vec3d r2(camera(0, 1), camera(1, 1), camera(2, 1));
    const cv::Vec3d t(camera(0, 2), camera(1, 2), camera(2, 2));
    scale_ = 2 / (cv::norm(r1) + cv::norm(r2));
    // The board lies in front of the camera, and up is the camera's side.
    if (t[2] < 0) scale_ = -scale_;
    cv::Vec3d up = (scale_ * r1).cross(scale_ * r2);
    if (up.dot(scale_ * t) > 0) up = -up;
    upward_ = camera.inv() * up;
}

QPointF RaisedView::seen(double u, double v, double height) const {
    const cv::Vec3d p = scale_ * cv::Vec3d(u, v, 1) + height * upward_;
    return {p[0] / p[2], p[1] / p[2]};
}
