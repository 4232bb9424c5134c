#include "recognition/ReachingIn.h"

#include <QImage>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "recognition/ColourWindow.h"
#include "util/Median.h"

namespace {

constexpr int kTile = 8;  // blocks each way whose light is taken as one

using LogRatios = std::array<float, 3>;

// Each channel's log ratio, a dark channel counted at no less than a
// quarter of the block's brightness: on a dark blue felt a red of 24 ± 3
// would otherwise swing by a tenth.
LogRatios logRatios(const PointLook& now, const PointLook& empty) {
    const float least = std::max(1.0f, empty.luminance() / 4);
    const auto ratio = [least](float seen, float was) {
        return std::log(std::max(least, seen) / std::max(least, was));
    };
    return {ratio(now.red, empty.red), ratio(now.green, empty.green), ratio(now.blue, empty.blue)};
}

// Which blocks changed against the light of their tile; the blocks on the
// board and those beyond it are lit apart, since a table cloth that the
// camera clips to white does not follow the board's exposure.
std::vector<bool> changedBlocks(const BlockMap& now, const BlockMap& empty, float limit,
                                const std::vector<bool>& beyond) {
    std::vector<LogRatios> ratios;
    for (std::size_t k = 0; k < now.looks.size(); ++k)
        ratios.push_back(logRatios(now.looks[k], empty.looks[k]));
    std::vector<bool> changed(ratios.size(), false);
    for (int ty = 0; ty < now.rows; ty += kTile) {
        for (int tx = 0; tx < now.columns; tx += kTile) {
            for (bool outside : {false, true}) {
                std::vector<int> tile;
                for (int y = ty; y < std::min(now.rows, ty + kTile); ++y) {
                    for (int x = tx; x < std::min(now.columns, tx + kTile); ++x) {
                        const int k = x + y * now.columns;
                        if (beyond[k] == outside) tile.push_back(k);
                    }
                }
                if (tile.empty()) continue;
                for (int c = 0; c < 3; ++c) {
                    std::vector<float> values;
                    for (int k : tile) values.push_back(ratios[k][c]);
                    const float light = Median(values);
                    for (int k : tile) {
                        if (std::abs(ratios[k][c] - light) > limit) changed[k] = true;
                    }
                }
            }
        }
    }
    return changed;
}

}  // namespace

BlockMap MapBlocks(const QImage& picture, int side) {
    const QImage photo = AsRgb32(picture);
    BlockMap map;
    map.side = std::max(1, side);
    map.columns = (photo.width() + map.side - 1) / map.side;
    map.rows = (photo.height() + map.side - 1) / map.side;
    map.looks.reserve(static_cast<std::size_t>(map.columns) * map.rows);
    for (int y = 0; y < map.rows; ++y) {
        for (int x = 0; x < map.columns; ++x) {
            const int reach = map.side / 2;
            map.looks.push_back(
                SampleArea(photo, {x * map.side + reach, y * map.side + reach, reach, reach}));
        }
    }
    return map;
}

std::vector<bool> ReachingIn(const BlockMap& now, const BlockMap& empty, float limit,
                             const QPolygonF& board) {
    const int columns = now.columns;
    const int rows = now.rows;
    std::vector<bool> reached(now.looks.size(), false);
    if (now.looks.size() != empty.looks.size() || now.looks.empty()) return reached;
    const double half = now.side / 2.0;
    std::vector<bool> beyond(now.looks.size());
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const QPointF centre(x * now.side + half, y * now.side + half);
            beyond[x + y * columns] = !board.containsPoint(centre, Qt::OddEvenFill);
        }
    }
    const std::vector<bool> changed = changedBlocks(now, empty, limit, beyond);
    std::vector<int> pending;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= columns || y >= rows) return;
        const int k = x + y * columns;
        if (reached[k] || !changed[k]) return;
        reached[k] = true;
        pending.push_back(k);
    };
    for (std::size_t k = 0; k < beyond.size(); ++k) {
        if (beyond[k]) visit(static_cast<int>(k) % columns, static_cast<int>(k) / columns);
    }
    while (!pending.empty()) {
        const int k = pending.back();
        pending.pop_back();
        const int x = k % columns;
        const int y = k / columns;
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    return reached;
}
