#include "recognition/StartPosition.h"

#include "game/GameDetails.h"
#include "game/MoveText.h"
#include "recognition/PositionReading.h"
#include "recognition/RecognitionState.h"

namespace {

// Any white stone, or two black stones or more, not all on star points,
// where no handicap was entered.
bool gameInProgress(const PositionReading& reading, const GameState& state,
                    const RecognitionState& rec, const GameDetails& details) {
    int black = 0;
    bool allOnStarPoints = true;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            if (reading.at(i, j) == kWhite) return true;
            if (reading.at(i, j) != kBlack) continue;
            ++black;
            allOnStarPoints = allOnStarPoints && rec.HoshiList.contains(PointToken(i, j));
        }
    }
    return black >= 2 && !allOnStarPoints && HandicapStonesSet(details) == 0;
}

}  // namespace

void SetStartPosition(GameState& state, RecognitionState& rec, const PositionReading& reading) {
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) state.Positions(i, j, 0) = reading.at(i, j);
    }
    rec.StartsFromPosition = true;
}

void TakeStartPosition(GameState& state, RecognitionState& rec, const GameDetails& details) {
    rec.StartsFromPosition = false;
    const PositionReading reading = ReadPosition(rec.FirstPhoto, state);
    if (!gameInProgress(reading, state, rec, details)) return;
    SetStartPosition(state, rec, reading);
    rec.HandicapCollecting = false;
    rec.Calibration = CalibrateAroundStones(rec.FirstPhoto, state);
}
