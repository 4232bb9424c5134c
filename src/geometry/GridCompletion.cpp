#include "geometry/GridCompletion.h"

#include <QImage>

#include "geometry/GridDetection.h"
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

bool CompleteGrid(const QImage& photo, BoardGrid& grid) {
    const std::optional<GridFrame> detected = FrameOfGrid(grid);
    if (!detected) return false;
    const Brightness brightness(photo);
    const std::optional<FrameFit> fit = RefineFrame(brightness, *detected, kFirstReach);
    if (!fit) return false;
    const FrameFit settled = SettleFrame(brightness, *fit, kMaxLines);
    const GridFrame& lines = settled.frame;
    if (sameLines(lines, *detected) || lines.columns() != lines.rows() ||
        !isBoardSize(lines.columns()))
        return ShowsABoard(brightness, *fit);
    grid = GridOfFrame(lines);
    return ShowsABoard(brightness, settled);
}
