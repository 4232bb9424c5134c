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

GameState OnTrueGrid(const BoardPhoto& photo) {
    const int n = photo.boardSize;
    GameState state;
    state.BoardSize = n;
    state.GridMax = n - 1;
    state.MoveCount = 1;
    for (int k = 0; k < n * n; ++k) {
        state.GridPoints(k % n, k / n, 0) = photo.points[k].toPoint().x();
        state.GridPoints(k % n, k / n, 1) = photo.points[k].toPoint().y();
    }
    return state;
}

ClassificationOutcome ClassifyOnPhoto(const BoardPhoto& photo, const std::vector<int>& stones) {
    const int n = photo.boardSize;
    GameState state = OnTrueGrid(photo);
    RecognitionState rec;
    rec.Photo = photo.image;
    ScriptedUserPort port;

    ClassificationOutcome outcome;
    outcome.changes = ClassifyIntersections(state, rec, port, port);
    for (int k = 0; k < n * n; ++k) {
        const int read = state.Positions(k % n, k / n, 1);
        if (read != stones[k]) {
            outcome.misreads << QStringLiteral("(%1, %2) %3 read %4")
                                    .arg(k % n)
                                    .arg(k / n)
                                    .arg(colourName(stones[k]), colourName(read));
        }
    }
    outcome.eventTurns = port.eventTurns;
    outcome.liveBoardRedraws = port.liveBoardRedraws;
    return outcome;
}
