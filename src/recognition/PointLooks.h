#pragma once

#include <array>

#include "game/GameState.h"

class QImage;
class QPolygonF;

// The mean colour of the area an intersection is read over, channel by
// channel, 0 ... 255.
struct PointLook {
    float red = 0;
    float green = 0;
    float blue = 0;

    float luminance() const { return (red + green + blue) / 3; }
};

// One look per intersection, at LookIndex(i, j); entries beyond GridMax are
// never read.
using BoardLooks = std::array<PointLook, kMaxLines * kMaxLines>;

inline int LookIndex(int i, int j) { return i + j * kMaxLines; }

// The rectangle an intersection is read over, in photo pixels: centred on
// (x, y), reachX pixels each way across and reachY up and down.
struct LookArea {
    int x = 0;
    int y = 0;
    int reachX = 0;
    int reachY = 0;
};

// The area of intersection (i, j): 0.6 of the local grid spacing across
// and 0.6 of it up and down as the photograph shows them (a tilted board's
// rows are closer together), well inside a stone, so a 640 x 480 webcam
// and a 12-megapixel phone see the same share of the board; its centre
// lies 0.1 spacing above the intersection, where a stone's top shows on a
// tilted board. At least 2 pixels each way.
LookArea PointArea(const GameState& state, int i, int j);

// The looks of all intersections of the grid on the photograph. Pixels
// outside the photograph are left out; an area wholly outside reads white.
// A large area is read on every second (third, ...) pixel and row, about
// 25 samples each way at most.
BoardLooks SamplePointLooks(const QImage& photo, const GameState& state);

// The looks of the centres of the grid's cells and of the ring of cells
// just outside it: CellIndex(a, b) is the centre of the cell between lines
// a - 1 and a, b - 1 and b (a, b = 0 ... GridMax + 1), where no stone lies
// even when the four points around it hold stones. Read over a square of
// 0.3 grid spacing.
using CellLooks = std::array<PointLook, (kMaxLines + 1) * (kMaxLines + 1)>;

inline int CellIndex(int a, int b) { return a + b * (kMaxLines + 1); }

CellLooks SampleCellLooks(const QImage& photo, const GameState& state);

// The outline of the grid widened by `lines` grid spacings on every side,
// in photo pixels: the corners (0, 0), (G, 0), (G, G), (0, G) moved out.
QPolygonF WidenedGrid(const GameState& state, int lines);

// The look of one area (photo in a 32-bit format, see AsRgb32).
PointLook SampleArea(const QImage& photo, const LookArea& area);
