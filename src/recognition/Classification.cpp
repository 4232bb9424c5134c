#include "recognition/Classification.h"

#include <algorithm>

#include "game/GameState.h"
#include "game/MoveText.h"
#include "game/RecognitionWindows.h"
#include "game/UserPort.h"
#include "recognition/ColourWindow.h"
#include "util/Geometry.h"

namespace {

const QString kColourChangedLine = QStringLiteral("Almeno una pietra ha cambiato colore.");

void countChange(int now, int before, PositionChanges& changes) {
    if (now == before) return;
    if (now == kEmpty) {
        ++(before == kWhite ? changes.goneWhite : changes.goneBlack);
    } else if (before == kEmpty) {
        ++(now == kWhite ? changes.newWhite : changes.newBlack);
    } else {
        changes.colourChanged = true;
    }
}

void listHandicapStone(int i, int j, RecognitionState& rec) {
    const QString token = PointToken(i, j);
    rec.HandicapList += token;
    ++rec.HandicapCount;
    if (!rec.HoshiList.contains(token)) rec.HandicapOnHoshi = false;
}

// The fixed colour rule, point by point; the window handles its events once
// per grid line.
void readWithFixedRule(GameState& state, const QImage& picture, UserPort& port) {
    const QImage photo = AsRgb32(picture);  // converted once, not per window
    for (int i = 0; i <= state.GridMax; ++i) {
        port.ProcessEvents();
        for (int j = 0; j <= state.GridMax; ++j) {
            const ColourStats stats = SampleWindow(photo, state.GridPoints(i, j, 0),
                                                   state.GridPoints(i, j, 1) - kWindowLift);
            state.Positions(i, j, state.MoveCount) = ClassifyWindow(stats);
        }
    }
}

// The reading against the game's empty board, which also learns how its
// stones look.
void readCalibrated(GameState& state, RecognitionState& rec) {
    const CalibratedReading reading =
        ReadCalibrated(rec.Photo, state, *rec.Calibration, rec.Levels);
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j)
            state.Positions(i, j, state.MoveCount) = reading.points[LookIndex(i, j)].verdict;
    }
    rec.Levels = reading.levels;
    rec.ReachedIn = reading.reachedIn;
}

}  // namespace

QString HoshiListFor(int boardSize) {
    const int edge = boardSize < 13 ? 2 : 3;  // third line, fourth on 13 and 19
    const int centre = (boardSize - 1) / 2;
    const int lines[3] = {edge, centre, boardSize - 1 - edge};
    QString list;
    for (int j : lines) {
        for (int i : lines) list += PointToken(i, j);
    }
    return list;
}

PositionChanges CountChanges(GameState& state) {
    PositionChanges changes;
    const int m = state.MoveCount;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j)
            countChange(state.Positions(i, j, m), state.Positions(i, j, m - 1), changes);
    }
    state.SituationLines[4] = changes.colourChanged ? kColourChangedLine : QString();
    return changes;
}

PositionChanges ClassifyIntersections(GameState& state, RecognitionState& rec, UserPort& port,
                                      RecognitionWindows& windows) {
    rec.HandicapCount = 0;
    rec.HandicapOnHoshi = true;
    if (rec.HandicapCollecting) rec.HandicapList.clear();
    rec.ReachedIn = false;

    if (rec.Calibration) {
        port.ProcessEvents();
        readCalibrated(state, rec);
    } else {
        readWithFixedRule(state, rec.Photo, port);
    }
    const int m = state.MoveCount;
    for (int i = 0; rec.HandicapCollecting && i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            if (state.Positions(i, j, m) == kBlack) listHandicapStone(i, j, rec);
        }
    }
    windows.RedrawLiveBoard(state);
    return CountChanges(state);
}

float DimensionePietra(const GameState& state, int i, int j) {
    const int half = (state.BoardSize + 1) / 2;
    const int di = i < half ? 1 : -1;
    const int dj = j < half ? 1 : -1;
    const auto point = [&state](int a, int b, int k) {
        return static_cast<float>(state.GridPoints(a, b, k));
    };
    const float alongI =
        PointDistance(point(i, j, 0), point(i, j, 1), point(i + di, j, 0), point(i + di, j, 1));
    const float alongJ =
        PointDistance(point(i, j, 0), point(i, j, 1), point(i, j + dj, 0), point(i, j + dj, 1));
    return std::max(alongI, alongJ);
}
