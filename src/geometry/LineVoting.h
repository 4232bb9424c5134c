#pragma once

#include <QImage>

#include "geometry/VoteTable.h"

class UserPort;

// Every strong edge pixel of the photograph votes for the 720 lines through
// it (x * CosTable(t) + y * SinTable(t) = r, x and y from the centre). The
// edges are those where the lower-left side is brighter than the upper-right
// side, so each dark grid line answers on one side of its ink. The angles
// are shared out over threads (one per core when not given), each casting
// the votes of its own angles into the one table: the votes are the same for
// any number of threads. The calling thread finds each column's edge
// pixels, moves the progress bar once per column and looks at
// abortRequested; once that is true (Esc), no further column is voted and
// the votes cast so far stay.
void VoteGridLines(const QImage& photo, const AngleTables& angles, LineVotes& votes, UserPort& port,
                   const bool& abortRequested, int threads = 0);
