#include "recognition/ReachingIn.h"

#include <QImage>
#include <algorithm>
#include <cmath>

#include "recognition/ColourWindow.h"

namespace {

bool changed(const PointLook& now, const PointLook& empty, const PointLook& gain, float limit) {
    const auto off = [limit](float seen, float was, float g) {
        return std::abs(std::log(std::max(1.0f, seen) / std::max(1.0f, was * g))) > limit;
    };
    return off(now.red, empty.red, gain.red) || off(now.green, empty.green, gain.green) ||
           off(now.blue, empty.blue, gain.blue);
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
                SampleArea(photo, {x * map.side + reach, y * map.side + reach, reach}));
        }
    }
    return map;
}

std::vector<bool> ReachingIn(const BlockMap& now, const BlockMap& empty, const PointLook& gain,
                             float limit) {
    const int columns = now.columns;
    const int rows = now.rows;
    std::vector<bool> reached(now.looks.size(), false);
    if (now.looks.size() != empty.looks.size()) return reached;
    std::vector<int> pending;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= columns || y >= rows) return;
        const int k = x + y * columns;
        if (reached[k] || !changed(now.looks[k], empty.looks[k], gain, limit)) return;
        reached[k] = true;
        pending.push_back(k);
    };
    for (int x = 0; x < columns; ++x) {
        visit(x, 0);
        visit(x, rows - 1);
    }
    for (int y = 0; y < rows; ++y) {
        visit(0, y);
        visit(columns - 1, y);
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
