#include "geometry/GridCompletion.h"

#include "app/GameState.h"
#include "geometry/GridSettling.h"

namespace {

// The first fit looks a little farther than the detection's line spacing
// could be off by.
constexpr double kFirstReach = 0.25;

bool isBoardSize(int lines) { return lines == 9 || lines == 13 || lines == 19; }

bool sameLines(const GridFrame& a, const GridFrame& b) {
    return a.firstColumn == b.firstColumn && a.lastColumn == b.lastColumn &&
           a.firstRow == b.firstRow && a.lastRow == b.lastRow;
}

}  // namespace

void CompleteGrid(const QImage& photo, GameState& state) {
    const std::optional<GridFrame> detected = FrameOfGrid(state);
    if (!detected) return;
    const Brightness brightness(photo);
    const std::optional<FrameFit> fit = RefineFrame(brightness, *detected, kFirstReach);
    if (!fit) return;
    const GridFrame settled = SettleFrame(brightness, *fit, kMaxLines).frame;
    if (sameLines(settled, *detected) || settled.columns() != settled.rows() ||
        !isBoardSize(settled.columns()))
        return;
    WriteGrid(settled, state);
}
