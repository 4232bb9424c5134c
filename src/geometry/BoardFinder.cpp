#include "geometry/BoardFinder.h"

#include <QImage>
#include <vector>

#include "geometry/BoardWindow.h"
#include "geometry/GridDetection.h"
#include "geometry/GridFit.h"
#include "geometry/GridSearch.h"
#include "geometry/SegmentLattice.h"

namespace {

// A window whose evidence comes to less than this per point looked at is
// no board's.
constexpr double kLeastStrength = 0.12;
// How far, in spacings, a board found near a grid placed by hand may lie
// from it: less than a whole line, so that it cannot be a line over.
constexpr double kHandReach = 0.75;
// How many lines beyond a window it may move once fitted to the line
// pieces, and how far its corners may move, in spacings, and it still lies
// on the same lines.
constexpr int kRefitReach = 2;
constexpr double kSameLines = 0.5;

// A grid as the lattice its lines continue, wide enough for any board that
// holds it.
std::optional<GridFrame> latticeOf(const std::optional<BoardGrid>& grid) {
    if (!grid) return std::nullopt;
    const std::optional<GridFrame> frame = FrameOfGrid(*grid);
    if (!frame) return std::nullopt;
    return frame->widened(kMaxLines - grid->boardSize + 1);
}

// One photograph as the board of the given size (0: any) is looked for on
// it: the strongest window of all the lattices looked at so far.
class BoardSearch {
public:
    BoardSearch(const QImage& photo, int boardSize)
        : photo_(photo),
          grey_(EvenedGrey(photo)),
          evened_(EvenedBrightness(grey_)),
          pieces_(FindLinePieces(grey_)),
          boardSize_(boardSize) {}

    // Looks at the lattices of the photograph's line pieces.
    void considerPieceLattices() {
        for (const GridFrame& lattice : SegmentLattices(grey_, pieces_)) consider(lattice);
    }
    void consider(const std::optional<GridFrame>& lattice) {
        if (!lattice) return;
        std::optional<BoardWindow> window =
            ChooseBoardWindow(evened_, photo_, *lattice, boardSize_);
        if (window) window = judgedFitted(*window);
        if (window && (!best_ || window->score > best_->score)) best_ = window;
    }

    // Whether the strongest window shows a board well enough.
    bool found() const { return best_ && best_->ends && best_->strength >= kLeastStrength; }

    // The board the strongest window shows, fitted to the line pieces along
    // its lines and numbered from the photograph's top left; std::nullopt
    // when it shows no board well enough.
    std::optional<BoardGrid> board() const {
        if (!found()) return std::nullopt;
        BoardGrid grid = GridOfFrame(FitToPieces(best_->frame, pieces_));
        OrientGrid(grid);
        return grid;
    }

private:
    // A lattice worked out from a few of the photograph's lines drifts off
    // the board's lines towards the board's ends, and there it shows them
    // less than a lattice of a wrong spacing that meets them in the middle
    // of a crowded board. So a window is judged again once fitted to the
    // line pieces along its lines, in a lattice kRefitReach lines wider (the
    // window may move over), and the better judgement counts. Where the
    // fitted window lies on the same lines, the window stays as it was: the
    // board chosen is fitted to the pieces at the end, and fitting it twice
    // moves it a few pixels, no nearer the board.
    BoardWindow judgedFitted(const BoardWindow& window) const {
        const GridFrame fitted = FitToPieces(window.frame, pieces_).widened(kRefitReach);
        const std::optional<BoardWindow> again =
            ChooseBoardWindow(evened_, photo_, fitted, window.frame.columns());
        if (!again || again->score <= window.score) return window;
        if (!again->frame.cornersWithin(window.frame, kSameLines * window.frame.spacing()))
            return *again;
        BoardWindow judged = *again;
        judged.frame = window.frame;
        return judged;
    }

    Brightness photo_;
    cv::Mat grey_;
    Brightness evened_;
    std::vector<LinePiece> pieces_;
    int boardSize_;
    std::optional<BoardWindow> best_;
};

}  // namespace

std::optional<BoardGrid> DetectBoardGrid(const QImage& photo, const LineVotes& votes,
                                         const AngleTables& angles) {
    BoardSearch search(photo, 0);
    search.consider(latticeOf(FindGrid(votes, angles, photo.size())));
    search.considerPieceLattices();
    // The search from the middle takes as long as all the rest: it is asked
    // only when nothing else shows a board.
    if (!search.found()) search.consider(latticeOf(SearchGrid(photo)));
    return search.board();
}

std::optional<BoardGrid> FindBoardAgain(const QImage& photo, const BoardGrid& before) {
    BoardSearch search(photo, before.boardSize);
    // The grid before, continued beyond itself: a camera slid along the
    // board finds the board on it a few lines over.
    search.consider(latticeOf(before));
    search.considerPieceLattices();
    return search.board();
}

BoardGrid SnapToBoard(const QImage& photo, const BoardGrid& given) {
    const std::optional<GridFrame> hand = FrameOfGrid(given);
    const std::optional<BoardGrid> found = FindBoardAgain(photo, given);
    const std::optional<GridFrame> seen = found ? FrameOfGrid(*found) : std::nullopt;
    if (!hand || !seen || !seen->cornersWithin(*hand, kHandReach * hand->spacing())) return given;
    return *found;
}
