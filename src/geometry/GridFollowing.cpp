#include "geometry/GridFollowing.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "game/GameState.h"
#include "geometry/BoardFinder.h"
#include "geometry/GridSettling.h"

namespace {

// How far across the lines each search reaches, in grid spacings.
constexpr double kFirstReach = 0.2;
constexpr double kNearReach = 0.3;
constexpr double kLastReach = 0.1;
// The largest move of the board from one photograph to the next that is
// looked for, in grid spacings.
constexpr double kLargestShift = 1.2;
constexpr double kLargestScale = 0.08;
constexpr double kLargestTurn = 15;
// Below this share of the support the grid had, the lines do not show well
// enough where the grid stands; below the second, nowhere.
constexpr double kSupportKept = 0.75;
constexpr double kSupportFound = 0.5;

// Whether every corner stayed within a pixel, or a twentieth of a spacing.
bool unmoved(const GridFrame& now, const GridFrame& before) {
    return now.cornersWithin(before, std::max(1.0, before.spacing() / 20));
}

// The part of the photograph the frame covers.
QRectF coveredArea(const GridFrame& frame) {
    const std::array<QPointF, 4> c = frame.corners();
    double left = c[0].x(), right = left, top = c[0].y(), bottom = top;
    for (const QPointF& p : c) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The frame turned by degrees about its middle.
GridFrame turned(const GridFrame& frame, double degrees) {
    const QPointF middle = frame.toPhoto.map((frame.firstColumn + frame.lastColumn) / 2.0,
                                             (frame.firstRow + frame.lastRow) / 2.0);
    const double c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180);
    GridFrame result = frame;
    result.toPhoto = Homography::Translation(middle.x(), middle.y()) *
                     Homography(cv::Matx33d(c, -s, 0, s, c, 0, 0, 0, 1)) *
                     Homography::Translation(-middle.x(), -middle.y()) * frame.toPhoto;
    return result;
}

std::optional<FrameFit> searchAfterMove(const Brightness& photo, const GridFrame& start) {
    GridFrame moved = start;
    moved.toPhoto = BestMove(photo, start, kLargestShift, kLargestScale) * start.toPhoto;
    // Onto the lines with a point between each two intersections, then
    // with three for the last tenth of a spacing.
    const std::optional<FrameFit> coarse = RefineFrame(photo, moved, kNearReach, 1);
    if (!coarse) return std::nullopt;
    return RefineFrame(photo, coarse->frame, kLastReach);
}

// The board moved farther than the line search reaches: the best move of
// the frame turned as the photograph's edges say; when that finds the lines
// poorly, turned a little more or less, and unturned in case something
// else's edges misled the measure.
std::optional<FrameFit> searchAfterMove(const Brightness& photo, const FrameFit& before,
                                        double turn) {
    std::optional<FrameFit> best;
    std::vector<double> turns = {turn, turn - 2, turn + 2, turn - 4, turn + 4};
    if (std::abs(turn) > 4) turns.push_back(0);
    for (double degrees : turns) {
        if (best && best->support >= kSupportKept * before.support) break;
        const std::optional<FrameFit> fit = searchAfterMove(photo, turned(before.frame, degrees));
        if (fit && (!best || fit->support > best->support)) best = fit;
    }
    return best;
}

// The board found afresh on the photograph, its lines of the game's size
// fitted as the first photograph's were.
std::optional<FrameFit> foundAgain(const QImage& photo, const Brightness& brightness,
                                   const GridFrame& before) {
    const std::optional<BoardGrid> grid = FindBoardAgain(photo, GridOfFrame(before));
    if (!grid) return std::nullopt;
    const std::optional<GridFrame> frame = FrameOfGrid(*grid);
    if (!frame) return std::nullopt;
    return RefineFrame(brightness, *frame, kFirstReach);
}

}  // namespace

std::optional<FollowedGrid> StartFollowing(const QImage& photo, const GameState& state) {
    const std::optional<GridFrame> frame = FrameOfGrid(state.grid());
    if (!frame) return std::nullopt;
    const std::optional<FrameFit> fit = RefineFrame(Brightness(photo), *frame, kFirstReach);
    if (!fit) return std::nullopt;
    return FollowedGrid{*fit, MeasureEdgeOrientations(Brightness(photo), coveredArea(fit->frame))};
}

bool FollowGrid(const QImage& photo, GameState& state, FollowedGrid& followed) {
    const Brightness brightness(photo);
    const FrameFit& before = followed.fit;
    // A first look with one point between each two intersections: enough
    // to tell that the board has not moved.
    const std::optional<FrameFit> near = RefineFrame(brightness, before.frame, kNearReach, 1);
    if (near && near->support >= kSupportKept * before.support &&
        unmoved(near->frame, before.frame)) {
        // Stones cover more of the lines as the game goes on.
        followed.fit.support = near->support;
        return false;
    }
    const EdgeOrientations edges = MeasureEdgeOrientations(brightness, coveredArea(before.frame));
    const double turn = TurnBetween(followed.edges, edges, kLargestTurn);
    std::optional<FrameFit> found = searchAfterMove(brightness, before, turn);
    if (!found) found = near;
    std::optional<FrameFit> settled;
    if (found) settled = SettleFrame(brightness, *found, before.frame.columns());
    const auto showsWell = [&](const std::optional<FrameFit>& fit) {
        return fit && fit->support >= kSupportFound * before.support;
    };
    // Knocked farther than the search reaches (more than a spacing or two, or
    // turned more than a few degrees): the board is looked for afresh.
    if (!showsWell(settled)) settled = foundAgain(photo, brightness, before.frame);
    if (!showsWell(settled) || unmoved(settled->frame, before.frame)) return false;
    state.setGrid(GridOfFrame(settled->frame));
    followed = {*settled, edges};
    return true;
}
