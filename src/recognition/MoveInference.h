#pragma once

#include "recognition/RecognitionState.h"

class Program;
class RecognitionWindows;
class UserPort;

// What the driver does once the moves of a photograph are inferred.
enum class InferenceResult {
    // Go on: with the same photograph when recognition.RetryPhoto is set,
    // otherwise with the next one.
    Continue,
    // The user corrected the grid: analyse the same photograph again as if
    // it were new.
    Recalibrated,
    // The user abandoned the run.
    Abandoned,
};

// Decides what happened between the position of move MoveCount - 1 and the
// one just classified under MoveCount, and records it: a move, a pass or two
// moves. A photograph that breaks the rules is first analysed again by
// itself (gamma correction, then four small shifts of the grid), then
// reported to the user, whose choice is carried out. Captures are accepted
// by counting alone: one new stone, and only stones of the other colour
// gone.
InferenceResult InferMoves(Program& program, const PositionChanges& changes, UserPort& port,
                           RecognitionWindows& windows);
