#pragma once

#include <optional>

struct GameState;

// The grid is defined by its four corner intersections: (0, 0) top left,
// (G, 0) top right, (G, G) bottom right and (0, G) bottom left of the
// photograph, G = GridMax. Every other intersection follows from them by a
// perspective construction, so a board photographed at an angle is covered.

// Recomputes the border intersections from the corners: along each side the
// spacings form a geometric progression whose far half is R times the near
// half, R measured where the middle lines through the grid's centre cross
// the side. With interior, the inner intersections too, where the lines
// between opposite border points cross. A value that cannot be computed
// (a division by zero) keeps what it held.
void BuildGridModel(GameState& state, bool interior);

// How far along a side of span pixels border point k (0 ... gridMax) lies,
// when the side's far half is ratio times its near half: the spacings form a
// geometric progression. Evenly spaced sides give span * k / gridMax with the
// product taken first. std::nullopt when it cannot be computed.
std::optional<double> BorderOffset(int span, float ratio, int k, int gridMax);
