#include "render/StonePainting.h"

#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "game/GameState.h"
#include "render/PhotoTextures.h"

namespace {

// Sizes in line spacings.
constexpr double kRadius = 0.475;
constexpr double kMaxOffset = 0.08;
// Height of a stone's widest part above the board: its outline in the photo.
constexpr double kEquator = 0.2;
// How far a stone may lean towards a neighbour before the two touch.
constexpr double kGap = 0.5 - kRadius;

struct PlacedStone {
    QPointF centre;
    int colour;
    StoneSet set;
};

// A stone's shading from its highlight to its rim, at 0, 0.25 (0.5 for a
// light stone), 0.8 (0.85) and 1 of its radius.
using Shading = std::array<QColor, 4>;

Shading ShadingOf(StoneSet set, int colour) {
    const bool dark = colour == kBlack;
    switch (set) {
        case StoneSet::kGreen:
            return dark ? Shading{QColor(110, 150, 120), QColor(40, 90, 55), QColor(18, 55, 32),
                                  QColor(10, 35, 20)}
                        : Shading{QColor(225, 250, 225), QColor(190, 232, 192),
                                  QColor(160, 205, 165), QColor(120, 160, 125)};
        case StoneSet::kBlue:
            return dark ? Shading{QColor(110, 125, 170), QColor(35, 50, 105), QColor(15, 25, 65),
                                  QColor(8, 14, 40)}
                        : Shading{QColor(235, 245, 255), QColor(195, 220, 245),
                                  QColor(165, 190, 220), QColor(125, 145, 175)};
        case StoneSet::kBlackAndWhite:
            break;
    }
    return dark ? Shading{QColor(125, 125, 130), QColor(58, 58, 62), QColor(22, 22, 25),
                          QColor(12, 12, 14)}
                : Shading{QColor(252, 252, 248), QColor(236, 235, 228), QColor(210, 208, 200),
                          QColor(165, 163, 156)};
}

std::vector<PlacedStone> PlaceStones(int size, const std::vector<int>& stones, StoneSet set,
                                     std::mt19937& random) {
    const auto occupied = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < size && j < size && stones[i + j * size] != kEmpty;
    };
    std::vector<PlacedStone> placed;
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            if (!occupied(i, j)) continue;
            const double angle = 2 * std::numbers::pi * Uniform(random);
            const double reach = kMaxOffset * Uniform(random);
            double dx = reach * std::cos(angle);
            double dy = reach * std::sin(angle);
            if (occupied(i + 1, j)) dx = std::min(dx, kGap);
            if (occupied(i - 1, j)) dx = std::max(dx, -kGap);
            if (occupied(i, j + 1)) dy = std::min(dy, kGap);
            if (occupied(i, j - 1)) dy = std::max(dy, -kGap);
            placed.push_back({QPointF(i + dx, j + dy), stones[i + j * size], set});
        }
    }
    return placed;
}

void PaintShadow(QPainter& painter, const PlacedStone& stone) {
    const QPointF shadow = stone.centre + QPointF(0.1, 0.13);
    const double radius = 1.1 * kRadius;
    QRadialGradient shade(shadow, radius);
    shade.setColorAt(0, QColor(0, 0, 0, 130));
    shade.setColorAt(0.75, QColor(0, 0, 0, 90));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setBrush(shade);
    painter.drawEllipse(shadow, radius, radius);
}

// The light comes from the upper left: the brightest spot sits there and
// the stone's lower right falls into shade.
void PaintStone(QPainter& painter, const PlacedStone& stone) {
    const QPointF highlight = stone.centre + QPointF(-0.3, -0.35) * kRadius;
    QRadialGradient shade(stone.centre, kRadius, highlight);
    const Shading shading = ShadingOf(stone.set, stone.colour);
    const bool dark = stone.colour == kBlack;
    shade.setColorAt(0, shading[0]);
    shade.setColorAt(dark ? 0.25 : 0.5, shading[1]);
    shade.setColorAt(dark ? 0.8 : 0.85, shading[2]);
    shade.setColorAt(1, shading[3]);
    painter.setBrush(shade);
    painter.drawEllipse(stone.centre, kRadius, kRadius);
}

// Paints one part of every stone, in the plane that part lies in.
void PaintEach(QPainter& painter, const QTransform& plane, const std::vector<PlacedStone>& placed,
               void (*paintPart)(QPainter&, const PlacedStone&)) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setTransform(plane, true);
    for (const PlacedStone& stone : placed) paintPart(painter, stone);
    painter.restore();
}

}  // namespace

void PaintStones(QPainter& painter, const BoardView& view, int boardSize,
                 const std::vector<int>& stones, StoneSet set, std::mt19937& random) {
    if (stones.empty()) return;
    const std::vector<PlacedStone> placed = PlaceStones(boardSize, stones, set, random);
    // All shadows first, so that none darkens a neighbouring stone.
    PaintEach(painter, view.plane(0), placed, PaintShadow);
    PaintEach(painter, view.plane(kEquator), placed, PaintStone);
}
