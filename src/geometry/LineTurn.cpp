#include "geometry/LineTurn.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <utility>
#include <vector>

#include "util/Numbers.h"

namespace {

constexpr int kBins = std::tuple_size_v<EdgeOrientations>;
constexpr double kBinDegrees = 90.0 / kBins;
// The side of the square cells, in pixels, whose edges are taken together,
// and the pixels between the points looked at in them.
constexpr int kCell = 8;
constexpr int kStride = 2;

int wrapped(int bin) { return ((bin % kBins) + kBins) % kBins; }

// Smoothed over a degree either way, so that a small change of perspective
// still overlaps.
EdgeOrientations smoothed(const EdgeOrientations& raw) {
    EdgeOrientations result{};
    constexpr int kWidth = 2;
    for (int b = 0; b < kBins; ++b) {
        for (int d = -kWidth; d <= kWidth; ++d)
            result[b] += raw[wrapped(b + d)] * (kWidth + 1 - std::abs(d));
    }
    return result;
}

// The brightness gradient of a part of the photograph, read once, by
// Scharr's kernel (cv::Scharr): lines at any angle come out at their own
// angle, where the difference of two neighbours leans them towards the
// pixel rows and columns.
class GradientPatch {
public:
    GradientPatch(const Brightness& photo, const QRect& area) {
        std::vector<int> values = photo.area(area);
        cv::Mat brightness;
        cv::Mat(area.height(), area.width(), CV_32S, values.data()).convertTo(brightness, CV_32F);
        cv::Scharr(brightness, gx_, CV_32F, 1, 0);
        cv::Scharr(brightness, gy_, CV_32F, 0, 1);
    }

    // The gradient at (x, y) of the patch, a pixel inside its edge.
    std::pair<float, float> at(int x, int y) const {
        return {gx_.at<float>(y, x), gy_.at<float>(y, x)};
    }

private:
    cv::Mat gx_, gy_;
};

double overlap(const EdgeOrientations& before, const EdgeOrientations& now, int shift) {
    double sum = 0;
    for (int b = 0; b < kBins; ++b) sum += before[b] * now[wrapped(b + shift)];
    return sum;
}

}  // namespace

EdgeOrientations MeasureEdgeOrientations(const Brightness& photo, const QRectF& area) {
    EdgeOrientations raw{};
    const QRect inside = area.toAlignedRect() & photo.bounds();
    if (inside.width() < kCell + 2 || inside.height() < kCell + 2) return raw;
    const GradientPatch patch(photo, inside);
    // The kernel reaches a pixel beyond each point.
    for (int top = 1; top + kCell < inside.height(); top += kCell) {
        for (int left = 1; left + kCell < inside.width(); left += kCell) {
            // The cell's structure tensor: the edges of a line on both of
            // its sides add up to the way across it.
            double xx = 0, yy = 0, xy = 0;
            for (int y = top; y < top + kCell; y += kStride) {
                for (int x = left; x < left + kCell; x += kStride) {
                    const auto [gx, gy] = patch.at(x, y);
                    xx += double(gx) * gx;
                    yy += double(gy) * gy;
                    xy += double(gx) * gy;
                }
            }
            // How much more the edges run one way than the other, and the
            // way across them, folded onto [0, 90) degrees and shared
            // between the two nearest bins.
            const double strength = std::hypot(xx - yy, 2 * xy);
            if (strength == 0) continue;
            const double degrees = 0.5 * std::atan2(2 * xy, xx - yy) * 180 / M_PI;
            const double bins = std::fmod(degrees + 360, 90.0) / kBinDegrees;
            const int low = static_cast<int>(bins);
            const double share = bins - low;
            raw[wrapped(low)] += strength * (1 - share);
            raw[wrapped(low + 1)] += strength * share;
        }
    }
    return smoothed(raw);
}

double DominantEdgeOrientation(const EdgeOrientations& edges) {
    return (std::max_element(edges.begin(), edges.end()) - edges.begin()) * kBinDegrees;
}

double TurnBetween(const EdgeOrientations& before, const EdgeOrientations& now, double maxDegrees) {
    const int reach = static_cast<int>(maxDegrees / kBinDegrees);
    int best = 0;
    for (int shift = -reach; shift <= reach; ++shift) {
        if (overlap(before, now, shift) > overlap(before, now, best)) best = shift;
    }
    double bins = best;
    if (best > -reach &&
        best < reach)  // the top of the parabola through the best and its neighbours
        bins += parabolaPeak(overlap(before, now, best - 1), overlap(before, now, best),
                             overlap(before, now, best + 1));
    return bins * kBinDegrees;
}
