#pragma once

#include "recognition/RecognitionState.h"

class RecognitionWindows;
struct GameRecord;
class UserPort;

// What the driver does once the moves of a photograph are inferred.
enum class InferenceResult {
    // Go on: with the same photograph when recognition.RetryPhoto is set,
    // otherwise with the next one.
    Continue,
    // The user asked to correct the grid: once corrected, the same
    // photograph is analysed again as if it were new.
    Recalibrate,
    // The user abandoned the run.
    Abandoned,
};

// Decides what happened between the position of move MoveCount - 1 and the
// one just classified under MoveCount, and records it: a move, a pass or two
// moves. A photograph that breaks the rules is first analysed again by
// itself (gamma correction, then four small shifts of the grid), then
// reported to the user, whose choice is carried out (the grid correction
// is left to the caller). Captures are accepted
// by counting alone: one new stone, and only stones of the other colour
// gone. With photographs taken at intervals, an unchanged photograph is no
// pass and asks nothing, and a stone of each colour is two moves.
InferenceResult InferMoves(GameRecord& game, const PositionChanges& changes, UserPort& port,
                           RecognitionWindows& windows);
