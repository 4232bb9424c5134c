#include "support/ClassificationCheck.h"

#include <random>

#include "recognition/Classification.h"
#include "support/ScriptedUserPort.h"

namespace {

const char* colourName(int value) {
    return value == kBlack ? "black" : value == kWhite ? "white" : "empty";
}

}  // namespace

std::vector<int> ScatteredStones(int boardSize, std::uint32_t seed) {
    std::vector<int> stones(boardSize * boardSize, kEmpty);
    std::mt19937 random(seed);
    for (int& stone : stones) {
        const auto draw = random() % 6;
        stone = draw == 0 ? kBlack : draw == 1 ? kWhite : kEmpty;
    }
    const int g = boardSize - 1;
    const int h = g / 2;
    const int fixed[][3] = {{0, 0, kBlack}, {g, 0, kWhite}, {g, g, kBlack}, {0, g, kWhite},
                            {h, 0, kWhite}, {g, h, kBlack}, {h, g, kBlack}, {0, h, kWhite}};
    for (const auto& [i, j, colour] : fixed) stones[i + j * boardSize] = colour;
    return stones;
}

QString ClassificationOutcome::describe() const {
    QStringList parts;
    for (const Misread& m : misreads) {
        parts << QStringLiteral("(%1, %2) %3 read %4")
                     .arg(m.i)
                     .arg(m.j)
                     .arg(colourName(m.truth), colourName(m.read));
    }
    return parts.join(QStringLiteral(", "));
}

ClassificationOutcome ClassifyOnPhoto(const BoardPhoto& photo, const std::vector<int>& stones) {
    const int n = photo.boardSize;
    GameState state;
    state.BoardSize = n;
    state.GridMax = n - 1;
    state.MoveCount = 1;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const QPoint point = photo.pointAt(i, j).toPoint();
            state.GridPoints(i, j, 0) = point.x();
            state.GridPoints(i, j, 1) = point.y();
        }
    }
    RecognitionState rec;
    rec.Photo = photo.image;
    ScriptedUserPort port;

    ClassificationOutcome outcome;
    outcome.changes = ClassifyIntersections(state, rec, port, port);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const int truth = stones[i + j * n];
            const int read = state.Positions(i, j, 1);
            if (read != truth) outcome.misreads.push_back({i, j, truth, read});
        }
    }
    outcome.eventTurns = port.eventTurns;
    outcome.liveBoardRedraws = port.liveBoardRedraws;
    return outcome;
}
