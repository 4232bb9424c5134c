#include "geometry/GridCalibration.h"

#include "app/GameState.h"
#include "app/UserPort.h"
#include "geometry/GridModel.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

// The corners in order around the board, as (a, b) of grid point (a * G, b * G).
constexpr std::array<std::array<int, 2>, 4> kCornersAround{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

}  // namespace

void GridCalibration::Start(bool noGridFound) {
    if (noGridFound || !usable()) {
        placeDefaultCorners();
        BuildGridModel(state_, noGridFound);
    }
    const int g = state_.GridMax;
    for (const auto& [a, b] : kCornersAround)
        corner(a, b) = {state_.GridPoints(a * g, b * g, 0), state_.GridPoints(a * g, b * g, 1)};
    changed_ = false;
}

bool GridCalibration::usable() const {
    const int g = state_.GridMax;
    std::array<QPoint, 4> points;
    for (int c = 0; c < 4; ++c) {
        const auto& [a, b] = kCornersAround[c];
        points[c] = {state_.GridPoints(a * g, b * g, 0), state_.GridPoints(a * g, b * g, 1)};
        if (points[c].x() < 0 || points[c].x() >= photo_.width() || points[c].y() < 0 ||
            points[c].y() >= photo_.height())
            return false;
        for (int earlier = 0; earlier < c; ++earlier) {
            if (points[earlier] == points[c]) return false;
        }
    }
    return true;
}

// A trapezoid from a quarter to three quarters of the width at one sixth of
// the height, and from an eighth to seven eighths at seven eighths of it.
void GridCalibration::placeDefaultCorners() {
    const int hx = photo_.width() / 2, hy = photo_.height() / 2, g = state_.GridMax;
    const std::array<QPoint, 4> defaults{QPoint(hx / 2, hy / 3), QPoint(3 * hx / 2, hy / 3),
                                         QPoint(7 * hx / 4, 7 * hy / 4),
                                         QPoint(hx / 4, 7 * hy / 4)};
    for (int c = 0; c < 4; ++c) {
        const auto& [a, b] = kCornersAround[c];
        state_.GridPoints(a * g, b * g, 0) = defaults[c].x();
        state_.GridPoints(a * g, b * g, 1) = defaults[c].y();
    }
}

void GridCalibration::MoveNearestCorner(float x, float y) {
    const int g = state_.GridMax;
    int nearest = 0;
    float best = 0.0f;
    for (int c = 0; c < 4; ++c) {
        const auto& [a, b] = kCornersAround[c];
        const float d = PointDistance(x, y, state_.GridPoints(a * g, b * g, 0),
                                      state_.GridPoints(a * g, b * g, 1));
        if (c == 0 || d < best) {
            best = d;
            nearest = c;
        }
    }
    const auto& [a, b] = kCornersAround[nearest];
    state_.GridPoints(a * g, b * g, 0) = static_cast<int>(roundHalfEven(x));
    state_.GridPoints(a * g, b * g, 1) = static_cast<int>(roundHalfEven(y));
    BuildGridModel(state_, false);
    changed_ = true;
}

void GridCalibration::CycleSize() {
    switch (state_.GridMax) {
        case 8:
            state_.BoardSize = 13;
            break;
        case 12:
            state_.BoardSize = 19;
            break;
        case 18:
            state_.BoardSize = 9;
            break;
        default:
            break;
    }
    state_.GridMax = state_.BoardSize - 1;
    const int g = state_.GridMax;
    for (const auto& [a, b] : kCornersAround) {
        state_.GridPoints(a * g, b * g, 0) = corner(a, b).x();
        state_.GridPoints(a * g, b * g, 1) = corner(a, b).y();
    }
    BuildGridModel(state_, false);
    changed_ = true;
}

void GridCalibration::Finish() {
    if (changed_) BuildGridModel(state_, true);
}

QString GridCalibration::Caption() const {
    return QStringLiteral(
               "&Verificare che la griglia rossa coincida col goban e eventualmente correggere "
               "con il mouse.\r\n<Esc> per cambiare griglia (attualmente: %1x%1).")
        .arg(state_.BoardSize);
}

void VerifyGrid(GameState& state, QSize photo, bool noGridFound, UserPort& port) {
    GridCalibration calibration(state, photo);
    calibration.Start(noGridFound);
    port.CalibrateGrid(calibration);
    calibration.Finish();
}
