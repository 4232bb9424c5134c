#include "recognition/BoardColour.h"

#include <QImage>

#include "game/GameState.h"
#include "util/Geometry.h"
#include "util/Numbers.h"

namespace {

struct ChannelSums {
    long long red = 0;
    long long green = 0;
    long long blue = 0;
};

// The centre of the cell between lines i - 1, i and j - 1, j: where its
// diagonals cross, to the nearest pixel.
void cellCentre(const GameState& state, int i, int j, int& x, int& y) {
    const auto& p = state.GridPoints;
    const SinglePoint centre =
        LineIntersection(p(i - 1, j - 1, 0), p(i - 1, j - 1, 1), p(i, j, 0), p(i, j, 1),
                         p(i - 1, j, 0), p(i - 1, j, 1), p(i, j - 1, 0), p(i, j - 1, 1));
    x = static_cast<int>(roundHalfEven(centre.x));
    y = static_cast<int>(roundHalfEven(centre.y));
}

void addSquare(const QImage& photo, int cx, int cy, int reach, ChannelSums& sums) {
    for (int x = cx - reach; x <= cx + reach; ++x) {
        for (int y = cy - reach; y <= cy + reach; ++y) {
            const QRgb pixel = photo.valid(x, y) ? photo.pixel(x, y) : qRgb(255, 255, 255);
            sums.red += qRed(pixel);
            sums.green += qGreen(pixel);
            sums.blue += qBlue(pixel);
        }
    }
}

}  // namespace

int MeanBoardColour(const GameState& state, const QImage& photo) {
    const int g = state.GridMax;
    // 3 pixels each way on 9 lines, 2 on 13 and 1 on 19: the cells shrink.
    const int reach = (g * g - 50 * g + 696) / 120;
    ChannelSums sums;
    for (int i = 1; i <= g; ++i) {
        for (int j = 1; j <= g; ++j) {
            int x = 0;
            int y = 0;
            cellCentre(state, i, j, x, y);
            addSquare(photo, x, y, reach, sums);
        }
    }
    const long long side = 2 * reach + 1;
    const long long count = static_cast<long long>(g) * g * side * side;
    if (count == 0) return 0;
    return static_cast<int>(sums.red / count + 256 * (sums.green / count) +
                            65536 * (sums.blue / count));
}
