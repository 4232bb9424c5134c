#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

#include "game/GameState.h"
#include "geometry/VoteTable.h"

// A detected line in photograph terms: signed offset from the centre and
// angle index of the angle tables.
struct PolarLine {
    float offset = 0.0f;
    int angle = 0;
};

// The offset reach of one peak: the photograph's shorter side / 128, at least 5 pixels.
int OffsetBlock(QSize photo);

// Turns a line of the work votes back into photograph terms. The second pass
// works on votes turned by 45 degrees, where a work angle below 180 stands
// for the wrapped end of the range, with its offset row mirrored.
PolarLine PhotoLine(int offsetIndex, int angleIndex, bool secondPass, int houghDiagonal);

// How far apart two family directions are, in angle steps: directions are
// the same every 180 degrees, so 400 steps (100 degrees) count as 320.
int DirectionDifference(double angle1, double angle2);

// Where two lines x * CosTable(t) + y * SinTable(t) = r meet, in pixels from
// the centre; std::nullopt when an angle is outside the tables or the point
// is too far away to count.
std::optional<QPoint> IntersectPolarLines(float r1, float t1, float r2, float t2,
                                          const AngleTables& angles);

// Finds the board's grid in the line votes of the photograph: candidate
// lines from the vote peaks, the two families of roughly parallel lines from
// a vote over the candidates, spurious lines removed by their spacing, and
// the longest evenly progressing run of 9, 13 or 19 lines in both families;
// std::nullopt when there is none. The second pass works on the votes
// turned by 45 degrees, for boards photographed at about 45 degrees.
std::optional<BoardGrid> DetectGrid(bool secondPass, const LineVotes& votes,
                                    const AngleTables& angles, QSize photo);

// Both passes: the second runs whenever the first fails, whatever the
// reason. The grid found is then oriented with OrientGrid.
std::optional<BoardGrid> FindGrid(const LineVotes& votes, const AngleTables& angles,
                                  QSize photo);

// Numbers the grid's lines the way the grid model and the recognition
// expect: column i from the left of the photograph, row j from its top. The
// second pass, on turned votes, can find the right lines numbered along
// other directions (rows as columns, or from the bottom up).
void OrientGrid(BoardGrid& grid);
