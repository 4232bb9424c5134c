#pragma once

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "render/GoGame.h"

// A game as the tests hand it around: its size, handicap, rules, the setup
// stones and the moves of its main line.
struct SgfGame {
    int boardSize = 19;
    int handicap = 0;  // HA
    QString rules;     // RU, e.g. "Japanese", "Chinese"
    // AB stones, x = column from the left, y = row from the top.
    std::vector<QPoint> setupBlack;
    // AW stones: with them the game starts from a position in progress.
    std::vector<QPoint> setupWhite;
    // B[] and W[] nodes in order; B[] or W[] (or [tt] on up to 19 lines) is a pass.
    std::vector<GameMove> moves;
};

// Reads the main line of the first game in an SGF text. Properties other
// than SZ, HA, RU, AB, AW, B and W are ignored; removed points (AE) are
// refused, because the model cannot hold them. Returns nothing, with the
// reason in error, for a malformed text, a size other than 9, 13 or 19, a
// point off the board, or AB or AW after the first move.
std::optional<SgfGame> ReadSgfGame(const QString& text, QString* error = nullptr);

// "(;GM[1]FF[4]SZ[19]HA[4]RU[Japanese]AB[dd]...;B[pd];W[]...)" and a line
// end; HA, RU, AB and AW only when they are set.
QString WriteSgfGame(const SgfGame& game);
