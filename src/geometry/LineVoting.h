#pragma once

#include <QImage>

#include "geometry/VoteTable.h"

class UserPort;

// Every strong edge pixel of the photograph votes for the 720 lines through
// it (x * CosTable(t) + y * SinTable(t) = r, x and y from the centre). The
// edges are those where the lower-left side is brighter than the upper-right
// side, so each dark grid line answers on one side of its ink. The progress
// bar moves once per column; when abortRequested becomes true (Esc), the
// voting stops and the votes cast so far stay.
void VoteGridLines(const QImage& photo, const AngleTables& angles, LineVotes& votes, UserPort& port,
                   const bool& abortRequested);
