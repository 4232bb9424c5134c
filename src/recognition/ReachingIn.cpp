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
// A changed part that runs onto the photograph's edge reaches in only when
// it is larger than this many blocks: a hand, not a stone or two at an
// edge the board shares with the photograph. The calibration's blocks are a
// third of a spacing, nine to a stone.
constexpr std::size_t kLeastFromEdge = 60;
// And it crosses the edge as an arm does, over at least this many blocks.
constexpr long kLeastEdgeBlocks = 4;

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

// Marks the changed blocks joined to the seeds through changed blocks, and
// returns them.
std::vector<int> spread(std::vector<int> seeds, const std::vector<bool>& changed, int columns,
                        std::vector<bool>& reached) {
    const int rows = static_cast<int>(changed.size()) / columns;
    std::vector<int> joined;
    while (!seeds.empty()) {
        const int k = seeds.back();
        seeds.pop_back();
        if (reached[k] || !changed[k]) continue;
        const int x = k % columns, y = k / columns;
        reached[k] = true;
        joined.push_back(k);
        if (x + 1 < columns) seeds.push_back(k + 1);
        if (x > 0) seeds.push_back(k - 1);
        if (y + 1 < rows) seeds.push_back(k + columns);
        if (y > 0) seeds.push_back(k - columns);
    }
    return joined;
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
    std::vector<int> outside;
    for (std::size_t k = 0; k < beyond.size(); ++k)
        if (beyond[k]) outside.push_back(static_cast<int>(k));
    spread(outside, changed, columns, reached);
    // Where the board runs off the photograph, a hand comes in from the
    // photograph's own edge straight onto it.
    for (int k = 0; k < static_cast<int>(changed.size()); ++k) {
        const int x = k % columns, y = k / columns;
        if (beyond[k] || (x > 0 && y > 0 && x + 1 < columns && y + 1 < rows)) continue;
        const std::vector<int> joined = spread({k}, changed, columns, reached);
        const auto onEdge = std::count_if(joined.begin(), joined.end(), [&](int j) {
            const int jx = j % columns, jy = j / columns;
            return jx == 0 || jy == 0 || jx + 1 == columns || jy + 1 == rows;
        });
        if (joined.size() < kLeastFromEdge || onEdge < kLeastEdgeBlocks)
            for (int j : joined) reached[j] = false;
    }
    return reached;
}
