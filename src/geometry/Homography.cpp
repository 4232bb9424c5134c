#include "geometry/Homography.h"

#include <cmath>

#include "util/LinearSolve.h"

QPointF Homography::map(QPointF p) const {
    const double w = m_[6] * p.x() + m_[7] * p.y() + m_[8];
    return {(m_[0] * p.x() + m_[1] * p.y() + m_[2]) / w, (m_[3] * p.x() + m_[4] * p.y() + m_[5]) / w};
}

std::optional<Homography> Homography::inverted() const {
    const auto& m = m_;
    const std::array<double, 9> adjugate{
        m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
        m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
        m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]};
    const double determinant = m[0] * adjugate[0] + m[1] * adjugate[3] + m[2] * adjugate[6];
    if (!std::isfinite(determinant) || std::fabs(determinant) < 1e-300) return std::nullopt;
    std::array<double, 9> inverse{};
    for (int k = 0; k < 9; ++k) inverse[k] = adjugate[k] / determinant;
    return Homography(inverse);
}

Homography Homography::operator*(const Homography& other) const {
    std::array<double, 9> product{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            for (int k = 0; k < 3; ++k) product[r * 3 + c] += m_[r * 3 + k] * other.m_[k * 3 + c];
        }
    }
    return Homography(product);
}

Homography Homography::Translation(double dx, double dy) {
    return Homography({1, 0, dx, 0, 1, dy, 0, 0, 1});
}

std::optional<Homography> HomographyThrough(const std::array<QPointF, 4>& from,
                                            const std::array<QPointF, 4>& to) {
    // Eight equations for the eight entries, the ninth being 1.
    std::vector<double> a(64, 0.0), b(8);
    for (int k = 0; k < 4; ++k) {
        const double x = from[k].x(), y = from[k].y(), X = to[k].x(), Y = to[k].y();
        const std::array<double, 8> rowX{x, y, 1, 0, 0, 0, -X * x, -X * y};
        const std::array<double, 8> rowY{0, 0, 0, x, y, 1, -Y * x, -Y * y};
        for (int c = 0; c < 8; ++c) {
            a[(2 * k) * 8 + c] = rowX[c];
            a[(2 * k + 1) * 8 + c] = rowY[c];
        }
        b[2 * k] = X;
        b[2 * k + 1] = Y;
    }
    const std::optional<std::vector<double>> h = SolveLinear(a, b);
    if (!h) return std::nullopt;
    const auto& e = *h;
    return Homography({e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], 1});
}

std::optional<Homography> FitToLinePoints(const std::vector<LinePoint>& points, QPointF centre,
                                          double scale) {
    // The photo-to-grid mapping g is linear in its entries once multiplied
    // out: g0 x + g1 y + g2 - line (g6 x + g7 y) = line for a column point.
    std::vector<double> normal(64, 0.0), right(8, 0.0);
    for (const LinePoint& p : points) {
        const double x = (p.photo.x() - centre.x()) / scale;
        const double y = (p.photo.y() - centre.y()) / scale;
        const double c = p.line;
        std::array<double, 8> row{};
        const int first = p.column ? 0 : 3;
        row[first] = x;
        row[first + 1] = y;
        row[first + 2] = 1;
        row[6] = -c * x;
        row[7] = -c * y;
        for (int r = 0; r < 8; ++r) {
            right[r] += p.weight * row[r] * c;
            for (int k = 0; k < 8; ++k) normal[r * 8 + k] += p.weight * row[r] * row[k];
        }
    }
    const std::optional<std::vector<double>> g = SolveLinear(normal, right);
    if (!g) return std::nullopt;
    const auto& e = *g;
    const std::optional<Homography> gridToNormalised =
        Homography({e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], 1}).inverted();
    if (!gridToNormalised) return std::nullopt;
    const Homography unnormalise({scale, 0, centre.x(), 0, scale, centre.y(), 0, 0, 1});
    return unnormalise * *gridToNormalised;
}
