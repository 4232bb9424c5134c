#include "support/DetectionCheck.h"

#include <algorithm>
#include <cmath>

#include "game/GameState.h"
#include "geometry/BoardFinder.h"
#include "geometry/GridDetection.h"
#include "geometry/LineVoting.h"
#include "support/ScriptedUserPort.h"

namespace {

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// The distance from a true point to its nearest true neighbour.
double localSpacing(const BoardPhoto& photo, int i, int j) {
    const int last = photo.boardSize - 1;
    const QPointF here = photo.pointAt(i, j);
    return std::min(distance(here, photo.pointAt(i == last ? i - 1 : i + 1, j)),
                    distance(here, photo.pointAt(i, j == last ? j - 1 : j + 1)));
}

}  // namespace

QString DetectionOutcome::describe() const {
    if (!found) return QStringLiteral("not found");
    return QStringLiteral("%1 lines, worst error %2 of a spacing")
        .arg(boardSize)
        .arg(worstError, 0, 'f', 3);
}

DetectionOutcome DetectOnPhoto(const BoardPhoto& photo) {
    AngleTables angles;
    FillAngleTables(angles);
    ScriptedUserPort port;
    LineVotes votes;
    VoteGridLines(photo.image, angles, votes, port, false);
    GameState state;
    DetectionOutcome outcome;
    const std::optional<BoardGrid> grid = DetectBoardGrid(photo.image, votes, angles);
    outcome.found = grid.has_value();
    if (grid) state.setGrid(*grid);
    outcome.boardSize = state.BoardSize;
    if (!outcome.found) return outcome;
    if (outcome.boardSize != photo.boardSize) {
        outcome.worstError = 1e9;
        return outcome;
    }
    for (int i = 0; i < photo.boardSize; ++i) {
        for (int j = 0; j < photo.boardSize; ++j) {
            const QPointF found(state.GridPoints(i, j, 0), state.GridPoints(i, j, 1));
            outcome.worstError = std::max(outcome.worstError, distance(found, photo.pointAt(i, j)) /
                                                                  localSpacing(photo, i, j));
        }
    }
    return outcome;
}
