#include "geometry/FamilySpacing.h"

#include <algorithm>
#include <cmath>

#include "util/Geometry.h"

namespace {

constexpr float kRatioTolerance = 0.1f;
constexpr float kRatioJump = 0.6f;
constexpr int kLookAhead = 4;

float spacing(const FamilyLine& a, const FamilyLine& b) {
    return PointDistance(a.offset, a.angle, b.offset, b.angle);
}

float median(std::vector<float> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 0 ? (values[n / 2 - 1] + values[n / 2]) / 2 : values[n / 2];
}

// Marks the lines after k as spurious when the ratios jump (more than 0.6
// from the median) and then come back to the median within the look-ahead.
int markSpurious(std::vector<float>& ratios, int k, int lastRatio) {
    const float median = ratios[0];
    float sum = ratios[k] - median;
    bool jump = false;
    for (int m = k + 1; m <= std::min(k + kLookAhead, lastRatio); ++m) {
        sum += ratios[m] - median;
        if (std::fabs(ratios[m] - median) > kRatioJump) jump = true;
        if (std::fabs(sum) < kRatioTolerance) {
            if (!jump) return 0;
            for (int line = k + 1; line < m; ++line) ratios[line] = kNoRatio;
            return m - 1 - k;
        }
    }
    return 0;
}

}  // namespace

std::optional<std::vector<float>> SpacingRatios(const Family& family) {
    const int n = static_cast<int>(family.size());
    std::vector<float> ratios(std::max(n, 1), 0.0f);
    for (int k = 1; k <= n - 2; ++k) {
        const float before = spacing(family[k - 1], family[k]);
        const float after = spacing(family[k], family[k + 1]);
        if (before == 0.0f || after == 0.0f) return std::nullopt;
        ratios[k] = static_cast<float>(std::log(after / before));
    }
    ratios[0] = n < 3 ? kNoRatio : median({ratios.begin() + 1, ratios.begin() + (n - 1)});
    return ratios;
}

std::optional<std::vector<float>> CleanFamily(Family& family) {
    std::optional<std::vector<float>> ratios = SpacingRatios(family);
    if (!ratios) return std::nullopt;
    const int lastRatio = static_cast<int>(family.size()) - 2;
    int removed = 0;
    for (int k = 1; k <= lastRatio; ++k) {
        if ((*ratios)[k] > kNoRatio && std::fabs((*ratios)[k] - (*ratios)[0]) > kRatioTolerance)
            removed += markSpurious(*ratios, k, lastRatio);
    }
    if (removed == 0) return ratios;
    for (int k = lastRatio; k >= 1; --k) {
        if ((*ratios)[k] == kNoRatio) family.erase(family.begin() + k);
    }
    return SpacingRatios(family);
}

GridRun BestRun(const std::vector<float>& ratios, int lineCount, int gridMax) {
    GridRun best;
    for (int window = 1; window <= lineCount - gridMax; ++window) {
        float deviation = 0.0f;
        for (int m = 0; m <= gridMax - 2; ++m)
            deviation = std::max(deviation, std::fabs(ratios[window + m] - ratios[0]));
        if (best.firstWindow == 0 || deviation < best.deviation) best = {window, deviation};
    }
    return best;
}
