#include "util/Geometry.h"

#include <cmath>

float PointDistance(float x1, float y1, float x2, float y2) {
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    return static_cast<float>(std::sqrt(dy * dy + dx * dx));
}

SinglePoint LineIntersection(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                             float y4) {
    // The products are formed in double so that pixel coordinates of a large
    // photograph keep their precision; only the results are single precision.
    constexpr float kSmallestDeterminant = 1e-24f;
    double det = (double(x1) - x2) * (double(y3) - y4) - (double(y1) - y2) * (double(x3) - x4);
    if (std::fabs(static_cast<float>(det)) < kSmallestDeterminant) det = kSmallestDeterminant;

    const double first = double(x1) * y2 - double(y1) * x2;
    const double second = double(x3) * y4 - double(y3) * x4;
    const double x = (first * (double(x3) - x4) - (double(x1) - x2) * second) / det;
    const double y = (first * (double(y3) - y4) - (double(y1) - y2) * second) / det;
    return {static_cast<float>(x), static_cast<float>(y)};
}
