#pragma once

#include <QChar>
#include <QString>
#include <vector>

// Move texts as the move list keeps them: the Italian colour initial, ": ",
// and a point such as "D4" or the word "pass".

// "N" (Nero) for kBlack, "B" (Bianco) for kWhite, "?" for an empty point.
QChar ColourInitial(int positionValue);

// Letter of a board column, 0-based, from "ABCDEFGHJKLMNOPQRST" (no "I").
QChar ColumnLetter(int index);

// Index of a board column letter, the inverse of ColumnLetter ("J" gives 8).
int ColumnIndex(QChar letter);

// Name of intersection (i, j) on a board of boardSize lines: the column
// letter of GridMax - j followed by the row number boardSize - i, so that
// (0, 0) on 19 lines is "T19".
QString PointName(int i, int j, int boardSize);

// "N: D4" / "B: T19" for a stone of the given colour at (i, j).
QString StoneMoveText(int positionValue, int i, int j, int boardSize);

// "N: pass" / "B: pass".
QString PassMoveText(int positionValue);

// The intersection (i, j) a stone's move text names on a board of boardSize
// lines: the inverse of StoneMoveText.
struct MovePoint {
    int i = 0;
    int j = 0;
};
MovePoint PointOfMove(const QString& text, int boardSize);

// The row number of a move text, read from its fifth and sixth characters
// ("N: D16" gives 16, "N: D4" gives 4); 0 when there is no number.
int RowOfMove(const QString& text);

// "[ab]" for intersection (i, j), with the letters "a" + i and "a" + j: how
// the handicap and star point lists name their points.
QString PointToken(int i, int j);

// The intersections a list of such tokens names, in order.
std::vector<MovePoint> TokenPoints(const QString& tokens);

// Photograph position of a stone as the move list keeps it: x and y with at
// least four digits each, joined by "-" ("0412-0987").
QString PhotoPositionText(int x, int y);
