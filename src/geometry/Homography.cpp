#include "geometry/Homography.h"

#include <cmath>
#include <opencv2/imgproc.hpp>

namespace {

std::optional<Homography> finite(const cv::Matx33d& m) {
    for (const double v : m.val)
        if (!std::isfinite(v)) return std::nullopt;
    return Homography(m);
}

}  // namespace

QPointF Homography::map(QPointF p) const {
    const cv::Vec3d q = m_ * cv::Vec3d(p.x(), p.y(), 1);
    return {q[0] / q[2], q[1] / q[2]};
}

std::optional<Homography> Homography::inverted() const {
    const double determinant = cv::determinant(m_);
    if (!std::isfinite(determinant) || std::fabs(determinant) < 1e-300) return std::nullopt;
    return finite(m_.inv());
}

Homography Homography::operator*(const Homography& other) const {
    return Homography(m_ * other.m_);
}

Homography Homography::Translation(double dx, double dy) {
    return Homography(cv::Matx33d(1, 0, dx, 0, 1, dy, 0, 0, 1));
}

std::optional<Homography> HomographyThrough(const std::array<QPointF, 4>& from,
                                            const std::array<QPointF, 4>& to) {
    std::array<cv::Point2f, 4> a, b;
    for (std::size_t k = 0; k < 4; ++k) {
        a[k] = cv::Point2f(from[k].x(), from[k].y());
        b[k] = cv::Point2f(to[k].x(), to[k].y());
    }
    // Three points on a line fix no mapping: the solve below is singular.
    const cv::Matx33d m = cv::getPerspectiveTransform(a.data(), b.data(), cv::DECOMP_SVD);
    if (std::fabs(cv::determinant(m)) < 1e-12) return std::nullopt;
    return finite(m);
}

std::optional<Homography> FitToLinePoints(const std::vector<LinePoint>& points, QPointF centre,
                                          double scale) {
    // The photo-to-grid mapping g is linear in its entries once multiplied
    // out: g0 x + g1 y + g2 - line (g6 x + g7 y) = line for a column point.
    cv::Matx<double, 8, 8> normal = cv::Matx<double, 8, 8>::zeros();
    cv::Vec<double, 8> right = cv::Vec<double, 8>::all(0);
    for (const LinePoint& p : points) {
        const double x = (p.photo.x() - centre.x()) / scale;
        const double y = (p.photo.y() - centre.y()) / scale;
        const double c = p.line;
        cv::Vec<double, 8> row = cv::Vec<double, 8>::all(0);
        const int first = p.column ? 0 : 3;
        row[first] = x;
        row[first + 1] = y;
        row[first + 2] = 1;
        row[6] = -c * x;
        row[7] = -c * y;
        normal += p.weight * (row * row.t());
        right += p.weight * c * row;
    }
    cv::Vec<double, 8> g;
    if (!cv::solve(normal, right, g, cv::DECOMP_LU)) return std::nullopt;
    const std::optional<Homography> gridToNormalised =
        Homography(cv::Matx33d(g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7], 1)).inverted();
    if (!gridToNormalised) return std::nullopt;
    const Homography unnormalise(cv::Matx33d(scale, 0, centre.x(), 0, scale, centre.y(), 0, 0, 1));
    return unnormalise * *gridToNormalised;
}
