#pragma once

#include <QPoint>
#include <vector>

// The game as the SGF file and the kifu record it, in the SGF diagram's
// points: x the column from the left, y the row from the top, both from 0,
// written as the letters "a" + x and "a" + y.

// One move node. A pass has no point; a move whose text named no point
// keeps only its colour, and the file shows the node's start alone.
struct SgfMove {
    enum class Kind { Stone, Pass, Unnamed };
    bool white = false;
    Kind kind = Kind::Stone;
    QPoint point;  // for a stone
};

// What an SGF file records: the board, the handicap stones still set up as
// stones, and the moves.
struct SgfRecord {
    int boardSize = 19;
    std::vector<QPoint> setupStones;
    std::vector<SgfMove> moves;
};
