#include "geometry/GridSearch.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "game/GameState.h"
#include "geometry/GridDetection.h"
#include "geometry/GridSettling.h"
#include "geometry/LineTurn.h"
#include "util/Autocovariance.h"

namespace {

// How far from the middle of the photograph the lines are looked at, as a
// share of its shorter side.
constexpr double kMiddleReach = 1.0 / 3;
// The spacings looked for, as shares of the shorter side: a 19-line board
// far off in a webcam's view, a 9-line board filling the photograph.
constexpr double kSmallestSpacing = 1.0 / 60;
constexpr double kLargestSpacing = 1.0 / 6;
// The paths across each family's lines, spread along them: summed, a stone
// or the seam on one of them weighs little.
constexpr int kPaths = 9;
// How far the lines of the second family may lean from square to the
// first's, in degrees: the perspective of a camera looking across the board.
constexpr int kMostLean = 20;
// A repeat of the lines at least this share as clear as the clearest one is
// the spacing, when it is the shortest: twice the spacing repeats too.
constexpr double kRepeatShare = 0.6;
// The first block: this many lines either way of the middle one.
constexpr int kBlockHalf = 2;
constexpr double kBlockReach = 0.3;
// A grid whose lines show at fewer than this share of the points looked at
// is no board's.
constexpr double kLeastSupport = 0.5;

// One family of lines as the paths across the middle show them.
struct Family {
    QPointF across;         // the unit vector across the lines
    double spacing = 0;     // in pixels
    double offset = 0;      // of the line nearest the middle, along across
    double clearness = -1;  // how strongly the lines repeat at that spacing
};

QPointF unitAt(double degrees) {
    const double r = degrees * M_PI / 180;
    return {std::cos(r), std::sin(r)};
}

// The line responses summed over the paths across the lines, through the
// middle and beside it.
std::vector<double> profileAcross(const Brightness& photo, QPointF middle, QPointF across,
                                  int reach, int side) {
    const QPointF along(-across.y(), across.x());
    std::vector<double> profile(2 * reach + 1, 0.0);
    for (int k = 0; k < kPaths; ++k) {
        const double shift = (k - (kPaths - 1) / 2.0) * reach / kPaths;
        const std::vector<int> responses =
            LineResponses(photo, middle + along * shift, across, reach, side);
        for (std::size_t o = 0; o < profile.size(); ++o) profile[o] += std::max(0, responses[o]);
    }
    return profile;
}

// The shortest lag that repeats nearly as clearly as the clearest, refined
// between its neighbours; std::nullopt when nothing repeats.
std::optional<std::pair<double, double>> spacingOf(const std::vector<double>& repeat, int smallest,
                                                   int largest) {
    const std::vector<RepeatPeak> peaks = RepeatPeaks(repeat, smallest, largest, kRepeatShare);
    if (peaks.empty()) return std::nullopt;
    return std::pair{peaks.front().lag, peaks.front().height};
}

// Where a comb at the spacing collects the most response: the line nearest
// the middle, however many of the others stones cover.
double nearestLine(const std::vector<double>& profile, double spacing) {
    const int reach = static_cast<int>(profile.size() / 2);
    const int half = static_cast<int>(spacing / 2);
    double best = -1;
    int bestPhase = 0;
    for (int phase = -half; phase <= half; ++phase) {
        double sum = 0;
        for (int k = -reach; k <= reach; ++k) {
            const int at = reach + phase + static_cast<int>(std::lround(k * spacing));
            if (at >= 0 && at < static_cast<int>(profile.size())) sum += profile[at];
        }
        if (sum > best) {
            best = sum;
            bestPhase = phase;
        }
    }
    return bestPhase;
}

// The clearest family of lines whose normal lies within kMostLean degrees
// of the given one.
Family familyNear(const Brightness& photo, QPointF middle, double degrees, int reach, QSize size) {
    const int shorter = std::min(size.width(), size.height());
    const int side = std::max(2, shorter / 400);
    const int smallest = std::max(4, static_cast<int>(kSmallestSpacing * shorter));
    const int largest = static_cast<int>(kLargestSpacing * shorter);
    Family best;
    for (int lean = -kMostLean; lean <= kMostLean; ++lean) {
        const QPointF across = unitAt(degrees + lean);
        const std::vector<double> profile = profileAcross(photo, middle, across, reach, side);
        const auto spacing = spacingOf(Autocovariance(profile, largest + 1), smallest, largest);
        if (!spacing || spacing->second <= best.clearness) continue;
        best = {across, spacing->first, nearestLine(profile, spacing->first), spacing->second};
    }
    return best;
}

// The block of the grid about the middle that the two families give.
GridFrame blockOf(const Family& columns, const Family& rows, QPointF middle) {
    const QPointF& a = columns.across;
    const QPointF& b = rows.across;
    const double det = a.x() * b.y() - a.y() * b.x();
    // The crossing of the two lines nearest the middle.
    const QPointF crossing = middle + QPointF(columns.offset * b.y() - rows.offset * a.y(),
                                              rows.offset * a.x() - columns.offset * b.x()) /
                                          det;
    // One column on: along a row, as far as takes one spacing across the
    // columns; one row on likewise.
    const QPointF alongRow(-b.y(), b.x()), alongColumn(-a.y(), a.x());
    const QPointF columnStep =
        alongRow * (columns.spacing / (alongRow.x() * a.x() + alongRow.y() * a.y()));
    const QPointF rowStep =
        alongColumn * (rows.spacing / (alongColumn.x() * b.x() + alongColumn.y() * b.y()));
    return {Homography(cv::Matx33d(columnStep.x(), rowStep.x(), crossing.x(), columnStep.y(),
                                   rowStep.y(), crossing.y(), 0, 0, 1)),
            -kBlockHalf, kBlockHalf, -kBlockHalf, kBlockHalf};
}

bool isBoardSize(int lines) { return lines == 9 || lines == 13 || lines == 19; }

}  // namespace

std::optional<BoardGrid> SearchGrid(const QImage& photo) {
    const Brightness brightness(photo);
    const QPointF middle(photo.width() / 2.0, photo.height() / 2.0);
    const int reach = static_cast<int>(kMiddleReach * std::min(photo.width(), photo.height()));
    const QRectF around(middle - QPointF(reach, reach), middle + QPointF(reach, reach));
    const double main = DominantEdgeOrientation(MeasureEdgeOrientations(brightness, around));
    Family first = familyNear(brightness, middle, main, reach, photo.size());
    Family second = familyNear(brightness, middle, main + 90, reach, photo.size());
    if (first.clearness <= 0 || second.clearness <= 0) return std::nullopt;
    // The columns run down the photograph: their normal is the more level.
    if (std::abs(first.across.x()) < std::abs(second.across.x())) std::swap(first, second);
    const std::optional<FrameFit> block =
        RefineFrame(brightness, blockOf(first, second, middle), kBlockReach);
    if (!block || block->support < kLeastSupport) return std::nullopt;
    const FrameFit board = SettleFrame(brightness, *block, kMaxLines);
    if (board.frame.columns() != board.frame.rows() || !isBoardSize(board.frame.columns()) ||
        !ShowsABoard(brightness, board))
        return std::nullopt;
    BoardGrid grid = GridOfFrame(board.frame);
    OrientGrid(grid);
    return grid;
}
