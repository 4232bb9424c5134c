#pragma once

#include <optional>

#include "game/GameState.h"
#include "geometry/VoteTable.h"

class QImage;

// The board's grid on a first photograph. Every way of finding it gives a
// lattice: the line votes' grid and the search from the middle (each taken
// as the lattice its lines continue; the search only when nothing else
// shows a board), and the lattices of the photograph's straight line pieces
// (SegmentLattice). In each, ChooseBoardWindow finds
// the 9, 13 or 19 lines that are a board's, and the window the photograph
// shows best of all wins; it is then fitted to the lines between the
// crossings. std::nullopt when no window shows a board well enough (its
// lines seldom show, or they run on beyond every side, as a cloth's do).
std::optional<BoardGrid> DetectBoardGrid(const QImage& photo, const LineVotes& votes,
                                         const AngleTables& angles);

// The board of a game found again on a later photograph, when the camera was
// knocked farther than following the grid can reach: the lattices of the
// photograph's line pieces and the grid before continued beyond itself, and
// only windows of the game's board size.
std::optional<BoardGrid> FindBoardAgain(const QImage& photo, const BoardGrid& before);

// The board whose lines the photograph shows near a grid placed by hand:
// corners measured by eye sit up to half a spacing off the lines (on the
// near edge of the stones, on a low view). The board is found again seeded
// by the grid given, and taken when every corner of it lies within
// kHandReach spacings of the given one's; otherwise the grid stays as given.
BoardGrid SnapToBoard(const QImage& photo, const BoardGrid& given);
