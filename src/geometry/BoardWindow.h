#pragma once

#include <optional>

#include "geometry/GridFit.h"

// The board's lines within a lattice, and how well the photograph shows them.
struct BoardWindow {
    // The lattice cut to the board: 9, 13 or 19 columns and as many rows.
    GridFrame frame;
    // What shows the lattice is a board's, added over its points: how much
    // more often its lines show on the lattice than half a spacing off it
    // (between the crossings), the stones on its crossings rather than on
    // the cells' middles, the wood's edge a little beyond its outer lines;
    // less what the lines and crossings one spacing beyond the board show.
    // The score that decides between the candidates.
    double score = 0;
    // The same, on average per point looked at within the board (the
    // stretches between its crossings, and the crossings): how clearly it
    // is a board at all.
    double strength = 0;
    // Whether a line beyond the board, on the photograph, shows nothing on
    // at least one side: where a cloth's or a floor's pattern runs on, a
    // line does.
    bool ends = false;
};

// The window of 9, 13 or 19 lines of the lattice that the photograph shows
// to be a board: its lines show, on the lattice rather than beside it, up to
// its outer lines, and the lines one spacing beyond show nothing. Only the
// part of a line on the photograph is judged, so a board that fills the
// photograph, its margin beyond the edge, still ends there. The window's
// corners lie on the photograph. The lines and the wood's edges are looked
// for on the evened grey picture, where a coloured lamp leaves them their
// contrast; the stones on the photograph's own colours, where green stones
// differ from the wood. std::nullopt when no window fits.
// Only windows of boardSize lines are looked at, unless it is 0.
std::optional<BoardWindow> ChooseBoardWindow(const Brightness& evened, const Brightness& photo,
                                             const GridFrame& lattice, int boardSize = 0);
