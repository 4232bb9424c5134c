#pragma once

#include <array>

#include "game/GameState.h"
#include "recognition/PointLooks.h"

class QImage;

// The position of one photograph read by itself, without the empty board:
// every intersection judged against the board's own look around it.
struct PositionReading {
    // kBlack, kWhite or kEmpty at LookIndex(i, j).
    std::array<int, kMaxLines * kMaxLines> values{};
    // How clearly each point was read: 1 at the look typical of its verdict,
    // 0 halfway to the look of another.
    std::array<float, kMaxLines * kMaxLines> margins{};

    int at(int i, int j) const { return values[LookIndex(i, j)]; }
    // Points read with a margin below this are not clear.
    static constexpr float kClearMargin = 0.2f;
    bool unclear(int i, int j) const { return margins[LookIndex(i, j)] < kClearMargin; }
};

// Reads the photograph on the grid of state. The board's look is fitted as
// a smooth field (light, colour, vignetting) to the middles of the cells
// and the margin, where no stone's centre lies; each intersection is seen
// where its look is most even within a third of a spacing (a stone sits off
// its crossing, and on a low view its body shows above it), and by whether
// the board's thin lines show around it (see PointFeatures). The points
// then fall into three groups by brightness, tint (less on dark points)
// and lines: the board, and stones, a group that stands no clearer from
// the board than the board's own spread being the board too. The stones'
// two colours are told apart from each other by brightness, and every point
// finally joins, by its colour and brightness, the group most likely to
// have given it: each group a normal distribution of its own shape,
// centred on the group's look near the point (light that falls unevenly
// changes the stones otherwise than the board). Under coloured lamps the
// points are also grouped with tint and lines weighed otherwise, and such
// a grouping is kept when its board spreads clearly less in colour. A
// point that a group of stones took although it lies plainly nearer the
// board's look near it is the board (a wide group's shape reached it), and
// so is a point read as a stone on which the lines show as on the board,
// on a photograph where they tell that colour from the board without fail
// (a glare spot). A point read empty on which a stone's round outline
// shows clearly (the more clearly, the more clearly its colour reads
// empty) is a stone of the colour nearer its brightness, and so is an
// unclear point read empty on which a stone's small bright shine shows, on
// a photograph where the shine tells the stones from the board. All four
// are read unclearly.
PositionReading ReadPosition(const QImage& photo, const GameState& state);
