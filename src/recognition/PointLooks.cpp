#include "recognition/PointLooks.h"

#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "recognition/Classification.h"
#include "recognition/ColourWindow.h"

namespace {

constexpr float kAreaHalfSide = 0.3f;  // in grid spacings
constexpr float kAreaLift = 0.1f;
constexpr float kCellHalfSide = 0.15f;
constexpr int kSmallestReach = 2;
// Samples each way from the centre; beyond that the area is read sparsely.
constexpr int kMostSteps = 12;

// Intersection (i, j) of the grid, continued beyond its border (i, j below
// 0 or above GridMax) at the spacing of the last cell.
QPointF extendedPoint(const GameState& state, int i, int j) {
    const int g = state.GridMax;
    const int ci = std::clamp(i, 0, g);
    const int cj = std::clamp(j, 0, g);
    const auto at = [&state](int a, int b) {
        return QPointF(state.GridPoints(a, b, 0), state.GridPoints(a, b, 1));
    };
    QPointF point = at(ci, cj);
    // Only the sides actually beyond the border step back into the grid: a
    // point on the border has no neighbour on its outer side.
    if (const int di = i - ci; di != 0)
        point += std::abs(di) * (at(ci, cj) - at(ci - (di > 0 ? 1 : -1), cj));
    if (const int dj = j - cj; dj != 0)
        point += std::abs(dj) * (at(ci, cj) - at(ci, cj - (dj > 0 ? 1 : -1)));
    return point;
}

}  // namespace

LookArea PointArea(const GameState& state, int i, int j) {
    const int half = (state.BoardSize + 1) / 2;
    const int ni = i < half ? i + 1 : i - 1;  // neighbours towards the centre
    const int nj = j < half ? j + 1 : j - 1;
    const auto& p = state.GridPoints;
    const int across =
        std::max(std::abs(p(ni, j, 0) - p(i, j, 0)), std::abs(p(i, nj, 0) - p(i, j, 0)));
    const int down =
        std::max(std::abs(p(ni, j, 1) - p(i, j, 1)), std::abs(p(i, nj, 1) - p(i, j, 1)));
    const auto reach = [](int extent) {
        return std::max(kSmallestReach, static_cast<int>(std::lround(kAreaHalfSide * extent)));
    };
    const int lift = static_cast<int>(std::lround(kAreaLift * DimensionePietra(state, i, j)));
    return {p(i, j, 0), p(i, j, 1) - lift, reach(across), reach(down)};
}

PointLook SampleArea(const QImage& photo, const LookArea& area) {
    const int step = (std::max(area.reachX, area.reachY) + kMostSteps - 1) / kMostSteps;
    const int left = std::max(0, area.x - area.reachX);
    const int right = std::min(photo.width() - 1, area.x + area.reachX);
    const int top = std::max(0, area.y - area.reachY);
    const int bottom = std::min(photo.height() - 1, area.y + area.reachY);
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    long long count = 0;
    for (int y = top; y <= bottom; y += step) {
        const auto* row = reinterpret_cast<const QRgb*>(photo.constScanLine(y));
        for (int x = left; x <= right; x += step) {
            red += qRed(row[x]);
            green += qGreen(row[x]);
            blue += qBlue(row[x]);
            ++count;
        }
    }
    if (count == 0) return {255, 255, 255};
    const auto mean = [count](long long sum) { return static_cast<float>(sum) / count; };
    return {mean(red), mean(green), mean(blue)};
}

BoardLooks SamplePointLooks(const QImage& picture, const GameState& state) {
    const QImage photo = AsRgb32(picture);
    BoardLooks looks{};
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j)
            looks[LookIndex(i, j)] = SampleArea(photo, PointArea(state, i, j));
    }
    return looks;
}

CellLooks SampleCellLooks(const QImage& picture, const GameState& state) {
    const QImage photo = AsRgb32(picture);
    CellLooks looks{};
    for (int a = 0; a <= state.GridMax + 1; ++a) {
        for (int b = 0; b <= state.GridMax + 1; ++b) {
            const QPointF centre =
                (extendedPoint(state, a - 1, b - 1) + extendedPoint(state, a, b) +
                 extendedPoint(state, a - 1, b) + extendedPoint(state, a, b - 1)) /
                4;
            const float spacing =
                DimensionePietra(state, std::min(a, state.GridMax), std::min(b, state.GridMax));
            const int reach =
                std::max(kSmallestReach, static_cast<int>(std::lround(kCellHalfSide * spacing)));
            looks[CellIndex(a, b)] =
                SampleArea(photo, {static_cast<int>(std::lround(centre.x())),
                                   static_cast<int>(std::lround(centre.y())), reach, reach});
        }
    }
    return looks;
}

QPolygonF WidenedGrid(const GameState& state, int lines) {
    const int g = state.GridMax;
    return QPolygonF({extendedPoint(state, -lines, -lines), extendedPoint(state, g + lines, -lines),
                      extendedPoint(state, g + lines, g + lines),
                      extendedPoint(state, -lines, g + lines)});
}
