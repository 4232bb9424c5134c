#pragma once

#include "recognition/RecognitionState.h"

struct GameState;
class RecognitionWindows;
class UserPort;

// Reads every intersection of rec.Photo as black, white or empty into
// state.Positions(·, ·, state.MoveCount) and counts how the position differs
// from the one of the move before. With rec.Calibration the photograph is
// read against the game's empty board; otherwise by the fixed colour rule,
// on a window centred 5 pixels above each intersection, where a stone seen
// from the camera shows best.
// Collects the handicap stones while rec.HandicapCollecting is set, lets
// the window handle its events once per grid line and redraws the live board
// at the end.
PositionChanges ClassifyIntersections(GameState& state, RecognitionState& rec, UserPort& port,
                                      RecognitionWindows& windows);

// Counts how the position of move state.MoveCount differs from the one of
// the move before, and notes a stone that changed colour in the fourth
// situation line (cleared otherwise).
PositionChanges CountChanges(GameState& state);

// The local grid spacing at intersection (i, j) in photo pixels: the larger
// distance to the next intersection along either line, towards the centre
// of the board.
float DimensionePietra(const GameState& state, int i, int j);
