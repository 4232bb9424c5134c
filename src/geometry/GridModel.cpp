#include "geometry/GridModel.h"

#include <cmath>
#include <optional>

#include "game/GameState.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

SinglePoint pointAt(const GameState& state, int i, int j) {
    return {static_cast<float>(state.GridPoints(i, j, 0)),
            static_cast<float>(state.GridPoints(i, j, 1))};
}

SinglePoint cross(SinglePoint a, SinglePoint b, SinglePoint c, SinglePoint d) {
    return LineIntersection(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
}

float distance(SinglePoint a, SinglePoint b) { return PointDistance(a.x, a.y, b.x, b.y); }

// far / near, or std::nullopt when near is zero.
std::optional<float> halfRatio(float far, float near) {
    if (near == 0.0f) return std::nullopt;
    return far / near;
}

struct Corner {
    int i;
    int j;
};

// Places border point k on the side from corner s to corner e. The main
// coordinate (y on the left and right sides, x on the top and bottom) comes
// from the progression; the other is taken on the straight side.
void placeBorderPoint(GameState& state, Corner s, Corner e, Corner target, float ratio, int k,
                      bool vertical) {
    const int main = vertical ? 1 : 0;
    const int other = 1 - main;
    const int sMain = state.GridPoints(s.i, s.j, main), eMain = state.GridPoints(e.i, e.j, main);
    const int sOther = state.GridPoints(s.i, s.j, other),
              eOther = state.GridPoints(e.i, e.j, other);

    if (const std::optional<double> offset =
            BorderOffset(std::abs(eMain - sMain), ratio, k, state.GridMax))
        state.GridPoints(target.i, target.j, main) =
            static_cast<int>(roundHalfEven(sMain + *offset));
    if (sMain == eMain) return;  // no straight side to follow: the other coordinate stays
    const long long product = static_cast<long long>(sOther - eOther) *
                              (state.GridPoints(target.i, target.j, main) - eMain);
    state.GridPoints(target.i, target.j, other) =
        static_cast<int>(roundHalfEven(static_cast<double>(product) / (sMain - eMain) + eOther));
}

struct SideRatios {
    std::optional<float> top, bottom, left, right;
};

SideRatios measureSides(const GameState& state) {
    const int g = state.GridMax;
    const SinglePoint c00 = pointAt(state, 0, 0), cG0 = pointAt(state, g, 0);
    const SinglePoint cGG = pointAt(state, g, g), c0G = pointAt(state, 0, g);
    const SinglePoint centre = cross(cGG, c00, c0G, cG0);
    const SinglePoint columnVanishing = cross(cGG, cG0, c0G, c00);
    const SinglePoint rowVanishing = cross(cGG, c0G, cG0, c00);
    const SinglePoint bottomMiddle = cross(cGG, c0G, centre, columnVanishing);
    const SinglePoint topMiddle = cross(c00, cG0, centre, columnVanishing);
    const SinglePoint rightMiddle = cross(cGG, cG0, centre, rowVanishing);
    const SinglePoint leftMiddle = cross(c00, c0G, centre, rowVanishing);
    return {halfRatio(distance(topMiddle, cG0), distance(topMiddle, c00)),
            halfRatio(distance(bottomMiddle, cGG), distance(bottomMiddle, c0G)),
            halfRatio(distance(leftMiddle, c0G), distance(leftMiddle, c00)),
            halfRatio(distance(rightMiddle, cGG), distance(rightMiddle, cG0))};
}

void buildInterior(GameState& state) {
    const int g = state.GridMax;
    for (int i = 1; i < g; ++i) {
        for (int j = 1; j < g; ++j) {
            const SinglePoint p = cross(pointAt(state, i, 0), pointAt(state, i, g),
                                        pointAt(state, 0, j), pointAt(state, g, j));
            state.GridPoints(i, j, 0) = static_cast<int>(roundHalfEven(p.x));
            state.GridPoints(i, j, 1) = static_cast<int>(roundHalfEven(p.y));
        }
    }
}

}  // namespace

void BuildGridModel(GameState& state, bool interior) {
    const int g = state.GridMax;
    const SideRatios ratios = measureSides(state);
    // A ratio that cannot be measured counts as 0, like a value never set.
    const float left = ratios.left.value_or(0.0f), right = ratios.right.value_or(0.0f);
    const float top = ratios.top.value_or(0.0f), bottom = ratios.bottom.value_or(0.0f);
    for (int k = 1; k < g; ++k) {
        placeBorderPoint(state, {0, 0}, {0, g}, {0, k}, left, k, true);
        placeBorderPoint(state, {g, 0}, {g, g}, {g, k}, right, k, true);
        placeBorderPoint(state, {0, 0}, {g, 0}, {k, 0}, top, k, false);
        placeBorderPoint(state, {0, g}, {g, g}, {k, g}, bottom, k, false);
    }
    if (interior) buildInterior(state);
}

std::optional<double> BorderOffset(int span, float ratio, int k, int gridMax) {
    // Whole numbers first, so that a tie at .5 stays exact and rounds to even.
    if (std::fabs(ratio - 1.0f) <= 0.001f) return static_cast<double>(span * k) / gridMax;
    const float denominator = 1.0f - ratio * ratio;
    const double share =
        (1.0 - std::pow(ratio, static_cast<double>(k) / (gridMax / 2))) / denominator;
    if (!std::isfinite(share)) return std::nullopt;
    return span * share;
}
