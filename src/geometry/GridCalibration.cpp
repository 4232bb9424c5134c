#include "geometry/GridCalibration.h"

#include "game/GameState.h"
#include "game/UserPort.h"
#include "geometry/GridModel.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

// The corners in order around the board, as (a, b) of grid point (a * G, b * G).
constexpr std::array<std::array<int, 2>, 4> kCornersAround{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

}  // namespace

QPoint GridCalibration::gridCorner(int c) const {
    const int g = state_.GridMax;
    const auto& [a, b] = kCornersAround[c];
    return {state_.GridPoints(a * g, b * g, 0), state_.GridPoints(a * g, b * g, 1)};
}

void GridCalibration::setGridCorner(int c, QPoint point) {
    const int g = state_.GridMax;
    const auto& [a, b] = kCornersAround[c];
    state_.GridPoints(a * g, b * g, 0) = point.x();
    state_.GridPoints(a * g, b * g, 1) = point.y();
}

void GridCalibration::Start(bool noGridFound) {
    if (noGridFound || !usable()) {
        placeDefaultCorners();
        BuildGridModel(state_, noGridFound);
    }
    for (int c = 0; c < 4; ++c) startCorners_[c] = gridCorner(c);
    changed_ = false;
}

bool GridCalibration::usable() const {
    for (int c = 0; c < 4; ++c) {
        const QPoint point = gridCorner(c);
        if (point.x() < 0 || point.x() >= photo_.width() || point.y() < 0 ||
            point.y() >= photo_.height())
            return false;
        for (int earlier = 0; earlier < c; ++earlier) {
            if (gridCorner(earlier) == point) return false;
        }
    }
    return true;
}

// A trapezoid from a quarter to three quarters of the width at one sixth of
// the height, and from an eighth to seven eighths at seven eighths of it.
void GridCalibration::placeDefaultCorners() {
    const int hx = photo_.width() / 2, hy = photo_.height() / 2;
    const std::array<QPoint, 4> defaults{QPoint(hx / 2, hy / 3), QPoint(3 * hx / 2, hy / 3),
                                         QPoint(7 * hx / 4, 7 * hy / 4),
                                         QPoint(hx / 4, 7 * hy / 4)};
    for (int c = 0; c < 4; ++c) setGridCorner(c, defaults[c]);
}

void GridCalibration::MoveNearestCorner(float x, float y) {
    int nearest = 0;
    float best = 0.0f;
    for (int c = 0; c < 4; ++c) {
        const QPoint point = gridCorner(c);
        const float d = PointDistance(x, y, point.x(), point.y());
        if (c == 0 || d < best) {
            best = d;
            nearest = c;
        }
    }
    setGridCorner(nearest,
                  QPoint(static_cast<int>(roundHalfEven(x)), static_cast<int>(roundHalfEven(y))));
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
    for (int c = 0; c < 4; ++c) setGridCorner(c, startCorners_[c]);
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

bool VerifyGrid(GameState& state, QSize photo, bool noGridFound, UserPort& port) {
    GridCalibration calibration(state, photo);
    calibration.Start(noGridFound);
    const bool confirmed = port.CalibrateGrid(calibration);
    calibration.Finish();
    return confirmed;
}
