#include "geometry/BoardFinder.h"

#include <QImage>
#include <vector>

#include "geometry/BoardWindow.h"
#include "geometry/GridDetection.h"
#include "geometry/GridSearch.h"
#include "geometry/SegmentLattice.h"

namespace {

// A window whose evidence comes to less than this per point looked at is
// no board's.
constexpr double kLeastStrength = 0.12;
// The reach of the last fit, in grid spacings: the window's lattice is good
// to about a tenth of a spacing.
constexpr double kFitReach = 0.25;

// A grid as the lattice its lines continue, wide enough for any board that
// holds it.
std::optional<GridFrame> latticeOf(const std::optional<BoardGrid>& grid) {
    if (!grid) return std::nullopt;
    std::optional<GridFrame> frame = FrameOfGrid(*grid);
    if (!frame) return std::nullopt;
    const int more = kMaxLines - grid->boardSize + 1;
    frame->firstColumn -= more;
    frame->firstRow -= more;
    frame->lastColumn += more;
    frame->lastRow += more;
    return frame;
}

}  // namespace

std::optional<BoardGrid> DetectBoardGrid(const QImage& photo, const LineVotes& votes,
                                         const AngleTables& angles) {
    const Brightness brightness(photo);
    const cv::Mat grey = EvenedGrey(photo);
    const Brightness evened(QImage(grey.data, grey.cols, grey.rows,
                                   static_cast<qsizetype>(grey.step), QImage::Format_Grayscale8));
    const std::vector<LinePiece> pieces = FindLinePieces(grey);
    std::vector<std::optional<GridFrame>> lattices = {
        latticeOf(FindGrid(votes, angles, photo.size())), latticeOf(SearchGrid(photo))};
    for (const GridFrame& lattice : SegmentLattices(grey, pieces)) lattices.push_back(lattice);
    std::optional<BoardWindow> best;
    for (const std::optional<GridFrame>& lattice : lattices) {
        if (!lattice) continue;
        const std::optional<BoardWindow> window = ChooseBoardWindow(evened, brightness, *lattice);
        if (window && (!best || window->score > best->score)) best = window;
    }
    if (!best || !best->ends || best->strength < kLeastStrength) return std::nullopt;
    best->frame = FitToPieces(best->frame, pieces);
    BoardGrid grid = GridOfFrame(best->frame);
    OrientGrid(grid);
    return grid;
}
