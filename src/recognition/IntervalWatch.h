#pragma once

#include <vector>

#include "recognition/RecognitionState.h"

// Photographs taken every few seconds show a game between moves as well:
// a hand placing a stone, a stone put down and moved to another point, a
// player leaning over the board. A change of position counts only once two
// photographs in a row show it, or the series' last photograph does; a
// photograph on which something covers part of the board is not read and
// breaks no row.
class IntervalWatch {
public:
    enum class Verdict {
        // Nothing to record: the position is the one before, or something
        // covers part of the board and the photograph is not read.
        Nothing,
        // A change that the next photograph has still to show.
        Unsettled,
        // A change to record.
        Settled,
    };

    // Judges the position just read under state.MoveCount, which differs
    // from the one before as changes says.
    Verdict judge(const GameState& state, const PositionChanges& changes, bool covered, bool last);

private:
    // The changed position the photograph before showed; empty when none.
    std::vector<int> unsettled_;
};
