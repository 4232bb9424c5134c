#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "render/SgfGame.h"

// One board position as BoardPhotoSetup::stones holds it: kBlack, kWhite or
// kEmpty at index x + y * boardSize.
using BoardPosition = std::vector<int>;

// The positions a photo series of the game shows, one per photo: the empty
// board, then one more black setup stone at a time (for a game in progress,
// with white setup stones, the whole setup at once), then the position after
// each move, played on a GoBoard so that captures take stones away; a pass
// repeats the position before it. Nothing, with the reason in error, when the
// size is not 9, 13 or 19 lines or a stone is off the board or not allowed by
// GoBoard's rules.
std::optional<std::vector<BoardPosition>> SeriesPositions(const SgfGame& game,
                                                          QString* error = nullptr);
