#pragma once

#include <QPointF>
#include <array>
#include <opencv2/core.hpp>
#include <optional>
#include <vector>

// A perspective mapping of the plane: how a flat board's grid coordinates
// (u along the columns' index, v along the rows') appear on the photograph,
// in pixels. Composing and inverting them keeps straight lines straight.
class Homography {
public:
    Homography() = default;  // the identity
    explicit Homography(const cv::Matx33d& m) : m_(m) {}

    QPointF map(QPointF p) const;
    QPointF map(double u, double v) const { return map(QPointF(u, v)); }
    std::optional<Homography> inverted() const;
    // First other, then this: (this * other)(p) = this(other(p)).
    Homography operator*(const Homography& other) const;

    static Homography Translation(double dx, double dy);

    const cv::Matx33d& matrix() const { return m_; }

private:
    cv::Matx33d m_ = cv::Matx33d::eye();
};

// The mapping that takes the four points from onto the four points to, in
// order (cv::getPerspectiveTransform); std::nullopt when three of them lie
// on a line.
std::optional<Homography> HomographyThrough(const std::array<QPointF, 4>& from,
                                            const std::array<QPointF, 4>& to);

// A photograph point seen on a grid line: the column u = line (columns
// true) or the row v = line, counted with weight in the fit.
struct LinePoint {
    QPointF photo;
    bool column = true;
    double line = 0;
    double weight = 1;
};

// The grid-to-photo mapping that puts the points on their lines best, in
// weighted least squares of the grid coordinate. Photo coordinates are
// taken relative to centre and divided by scale (about the photo's size),
// which keeps the equations well conditioned. std::nullopt when the points
// do not fix a mapping (too few, or all on lines of one direction).
std::optional<Homography> FitToLinePoints(const std::vector<LinePoint>& points, QPointF centre,
                                          double scale);
