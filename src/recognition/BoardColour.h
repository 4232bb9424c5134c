#pragma once

struct GameState;
class QImage;

// The mean colour of the board on the photograph, red + 256 * green +
// 65536 * blue: the pixels around the centre of every grid cell, a square
// of 7, 5 or 3 pixels on 9, 13 or 19 lines, averaged channel by channel
// (rounded down). Pixels outside the photograph count as white.
int MeanBoardColour(const GameState& state, const QImage& photo);
