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

// One photograph as the board is looked for on it.
class BoardSearch {
public:
    explicit BoardSearch(const QImage& photo)
        : photo_(photo),
          grey_(EvenedGrey(photo)),
          evened_(EvenedBrightness(grey_)),
          pieces_(FindLinePieces(grey_)) {}

    // Takes in the lattices of the photograph's line pieces.
    void addPieceLattices() {
        for (const GridFrame& lattice : SegmentLattices(grey_, pieces_))
            lattices_.push_back(lattice);
    }
    void add(const std::optional<GridFrame>& lattice) {
        if (lattice) lattices_.push_back(*lattice);
    }

    // The board the strongest window of all the lattices shows, of the
    // given size (0: any), fitted to the line pieces along its lines and
    // numbered from the photograph's top left; std::nullopt when it shows
    // no board well enough.
    std::optional<BoardGrid> board(int boardSize) const {
        std::optional<BoardWindow> best;
        for (const GridFrame& lattice : lattices_) {
            const std::optional<BoardWindow> window =
                ChooseBoardWindow(evened_, photo_, lattice, boardSize);
            if (window && (!best || window->score > best->score)) best = window;
        }
        if (!best || !best->ends || best->strength < kLeastStrength) return std::nullopt;
        BoardGrid grid = GridOfFrame(FitToPieces(best->frame, pieces_));
        OrientGrid(grid);
        return grid;
    }

private:
    Brightness photo_;
    cv::Mat grey_;
    Brightness evened_;
    std::vector<LinePiece> pieces_;
    std::vector<GridFrame> lattices_;
};

}  // namespace

std::optional<BoardGrid> DetectBoardGrid(const QImage& photo, const LineVotes& votes,
                                         const AngleTables& angles) {
    BoardSearch search(photo);
    search.add(latticeOf(FindGrid(votes, angles, photo.size())));
    search.add(latticeOf(SearchGrid(photo)));
    search.addPieceLattices();
    return search.board(0);
}

std::optional<BoardGrid> FindBoardAgain(const QImage& photo, int boardSize) {
    BoardSearch search(photo);
    search.addPieceLattices();
    return search.board(boardSize);
}
