#pragma once

#include <optional>

#include "geometry/GridFit.h"
#include "geometry/LineTurn.h"

class QImage;
struct GameState;

// Where the grid was last seen on the board's lines, and how well they
// showed there: what the next photograph's grid is looked for from.
struct FollowedGrid {
    FrameFit fit;
    // The edges of that photograph where the grid lies, to tell how far the
    // next one has turned.
    EdgeOrientations edges{};
};

// Fits the game's grid, as confirmed on the first photograph, to that
// photograph's lines; std::nullopt when its lines cannot be found there.
std::optional<FollowedGrid> StartFollowing(const QImage& photo, const GameState& state);

// Moves the game's grid onto the lines of a new photograph of the game:
// first near where it was; when the lines do not show there, after the
// shift (up to about a spacing) that best lays the grid on them; a grid on
// a line too many at one side moves one line over; when the lines do not
// show there either (the camera was knocked farther), the board is found
// afresh (FindBoardAgain), seeded by the grid before. When the board has not
// moved (every corner within a pixel, or a twentieth of a spacing), or its
// lines are not found well enough (a hand over half the board), the grid
// stays exactly as it was. True when the grid moved.
bool FollowGrid(const QImage& photo, GameState& state, FollowedGrid& followed);
