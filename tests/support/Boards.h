#pragma once

#include <QPoint>
#include <QString>
#include <vector>

struct GameState;

// A square grid of boardSize lines, spacing pixels apart, its top left
// intersection at corner.
void PlaceSquareGrid(GameState& state, int boardSize, QPoint corner, int spacing);

// A position drawn as the rows of the board from the top, one row per line:
// "X" black, "O" white, "." empty, blanks between the points only for the
// eye. A line end opening the drawing is skipped; rows not drawn, and
// points past the end of a row, are empty. The stones come at index
// i + j * boardSize, i counting the columns from the left.
std::vector<int> StonesFromRows(int boardSize, const char* rows);

// The whole board drawn that way, a blank between the points and a line end
// after every row.
QString RowsOfStones(int boardSize, const std::vector<int>& stones);

// A drawing laid on the position of move m, and the position of move m drawn.
void LayRows(GameState& state, int m, const char* rows);
QString RowsOf(const GameState& state, int m);
