#include "support/DetectionCheck.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <utility>

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

std::vector<int> CrowdedBoard(int lines, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<int> stones(static_cast<std::size_t>(lines) * lines);
    for (int& stone : stones) {
        const unsigned draw = random() % 8;
        stone = draw < 3 ? kBlack : draw < 6 ? kWhite : kEmpty;
    }
    return stones;
}

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
    // The grid is numbered from the photograph's top left, the board from
    // its own corner: on a board turned near 45 degrees they may differ by a
    // quarter turn.
    const int last = photo.boardSize - 1;
    outcome.worstError = 1e9;
    for (int turn = 0; turn < 4; ++turn) {
        double worst = 0;
        for (int i = 0; i <= last; ++i) {
            for (int j = 0; j <= last; ++j) {
                int ti = i, tj = j;
                for (int t = 0; t < turn; ++t) std::tie(ti, tj) = std::pair(last - tj, ti);
                const QPointF found(state.GridPoints(ti, tj, 0), state.GridPoints(ti, tj, 1));
                worst = std::max(worst, distance(found, photo.pointAt(i, j)) /
                                            localSpacing(photo, i, j));
            }
        }
        outcome.worstError = std::min(outcome.worstError, worst);
    }
    return outcome;
}
