#pragma once

#include <QPoint>
#include <QString>
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
    // The node's comment; for a game read from a video, the time at which
    // the move showed.
    QString comment;
};

// What an SGF file records: the board, the stones set up before the first
// move (handicap stones, or a game photographed from the middle), and the
// moves.
struct SgfRecord {
    int boardSize = 19;
    std::vector<QPoint> setupStones;  // Black's
    std::vector<SgfMove> moves;
    std::vector<QPoint> setupWhiteStones;
    // Who plays first from a set-up game in progress, "B" or "W"; empty when
    // the moves tell it (an empty board, or a handicap).
    QString firstPlayer;
};
