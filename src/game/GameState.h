#pragma once

#include <QString>
#include <array>
#include <map>

#include "util/FixedTable.h"

// Largest board: 19 lines, grid indices 0 ... 18.
inline constexpr int kMaxLines = 19;
// Move numbers run from 0 (the position before the first move) to 999.
inline constexpr int kMaxMoves = 1000;

// Star points lie on the middle line of the board and on the lines this
// far from it on either side: 2, 3 and 6 for 9, 13 and 19 lines.
inline constexpr int StarPointDistance(int boardSize) {
    return ((boardSize - 12) * boardSize + 107) / 40;
}

// Position values of an intersection.
inline constexpr int kBlack = 1;
inline constexpr int kWhite = -1;
inline constexpr int kEmpty = 0;

// GridTable(i, j, k): pixel x (k = 0) or y (k = 1) of intersection (i, j) on
// a photograph, where i counts the vertical lines from the left edge of the
// photograph and j the horizontal lines from its top.
using GridTable = FixedTable<int, kMaxLines, kMaxLines, 2>;

// A board's grid on a photograph: its lines (9, 13 or 19) and where each
// intersection lies; entries beyond boardSize - 1 are never read.
struct BoardGrid {
    int boardSize = 0;
    GridTable points;

    int gridMax() const { return boardSize - 1; }
};

// The state of the game under analysis that every part of the program reads
// and writes. There is one instance for the whole program run, owned by
// Program and handed to whoever needs it; a new processing run overwrites
// what it uses and nothing clears the tables in between.
struct GameState {
    // Folder of the program (or the per-user data folder when that one cannot
    // be written), always ending with the native separator.
    QString ProgramDir;
    // Screen units (twips) per pixel, 15 at 96 DPI.
    int TwipsPerPixelX = 0;
    int TwipsPerPixelY = 0;

    // Lines of the board (9, 13 or 19) and the highest grid index; both -1
    // from program start until the first grid is known.
    int BoardSize = 0;
    int GridMax = 0;

    // GridPoints(i, j, k): the grid on the prepared photograph, as GridTable
    // says. Entries beyond GridMax are never read.
    GridTable GridPoints;
    // The grid each photograph was read with, by the path of its prepared
    // copy (as in Moves): the board can move between photographs.
    std::map<QString, GridTable> PhotoGrids;
    // For a game read from a video: the time of each frame in it, "mm:ss",
    // by the path of the frame's prepared copy (as in Moves).
    std::map<QString, QString> FrameTimes;

    // Mean colour of the board, red + 256 * green + 65536 * blue.
    int BoardColour = 0;

    // Positions(i, j, m): kBlack, kWhite or kEmpty at (i, j) after move m;
    // m = 0 is the position before the first move.
    FixedTable<int, kMaxLines, kMaxLines, kMaxMoves> Positions;

    // Moves(m, c): c = 0 the prepared photograph that showed move m ("" for
    // moves no photograph showed), c = 1 the move text ("N: D4", "B: pass"),
    // c = 2 the stone's photograph position ("0412-0987", "" for passes).
    FixedTable<QString, kMaxMoves, 3> Moves;

    // Number of the move being analysed; after the photo loop, the number of
    // recorded moves.
    int MoveCount = 0;
    // Lowest move number the correction window lets the user go back to.
    int FirstEditableMove = 0;
    // Full path of the prepared copy of the photograph being analysed.
    QString CurrentPhoto;

    // The six situation lines the anomaly dialog shows.
    std::array<QString, 6> SituationLines;

    BoardGrid grid() const { return {BoardSize, GridPoints}; }
    // The grid becomes the game's: its size and every intersection.
    void setGrid(const BoardGrid& grid) {
        BoardSize = grid.boardSize;
        GridMax = grid.gridMax();
        GridPoints = grid.points;
    }
};

// The time in its video of the frame whose prepared copy is `photo`, "mm:ss";
// empty for a photograph.
inline QString FrameTimeOf(const GameState& state, const QString& photo) {
    const auto time = state.FrameTimes.find(photo);
    return time == state.FrameTimes.end() ? QString() : time->second;
}
